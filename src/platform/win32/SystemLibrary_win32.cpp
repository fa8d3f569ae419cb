#include "platform/win32/SystemLibrary_win32.h"

#include <string>

namespace {
// Windows 8 and later, and Windows 7 with its update KB2533623, have the search flags; the update's
// own advice is to look for AddDllDirectory.
bool HasSearchFlags() {
    static const bool has = GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "AddDllDirectory") != nullptr;
    return has;
}
} // namespace

void LoadLibrariesFromSystemFolderOnly() {
    using TSetDefaultDllDirectories = BOOL(WINAPI*)(DWORD);
    const auto setDefault = SystemFunction<TSetDefaultDllDirectories>(GetModuleHandleW(L"kernel32.dll"),
                                                                      "SetDefaultDllDirectories");
    if (HasSearchFlags() && setDefault && setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32)) return;
    // Without the update, the current folder at least leaves the search; the libraries the system asks
    // for by name (uxtheme.dll, comctl32.dll) the session loads first from the system folder, and a
    // library already loaded is not looked for again.
    SetDllDirectoryW(L"");
}

HMODULE LoadSystemLibrary(const wchar_t* Name) {
    if (HasSearchFlags()) return LoadLibraryExW(Name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    return LoadSystemLibraryByPath(Name);
}

HMODULE LoadSystemLibraryByPath(const wchar_t* Name) {
    // A library the program's manifest names (comctl32.dll 6) is taken from the side-by-side store,
    // never from the search path; loading it by its path would give the system folder's older one.
    ACTCTX_SECTION_KEYED_DATA redirected{};
    redirected.cbSize = sizeof redirected;
    if (FindActCtxSectionStringW(0, nullptr, ACTIVATION_CONTEXT_SECTION_DLL_REDIRECTION, Name, &redirected))
        return LoadLibraryW(Name);
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    const std::wstring path = std::wstring(folder, length) + L"\\" + Name;
    return LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}
