// The system libraries the program loads at run time come from the system's own store whichever way
// it loads them: with the search flags, and by full path as on Windows 7 without KB2533623. The
// common controls come from the side-by-side assembly the manifest asks for (6.0), not from the
// system folder's older copy.
#include <gtest/gtest.h>

#include <cwctype>
#include <string>

#include "platform/win32/SystemLibrary_win32.h"

namespace {
// The folder Module was loaded from, in lower case.
std::wstring Folder(HMODULE Module) {
    wchar_t path[MAX_PATH];
    std::wstring folder(path, GetModuleFileNameW(Module, path, MAX_PATH));
    folder.erase(folder.find_last_of(L'\\'));
    for (wchar_t& c : folder) c = static_cast<wchar_t>(std::towlower(c));
    return folder;
}
} // namespace

TEST(SystemLibrary, ComesFromTheSystemOrTheSideBySideStoreEitherWay) {
    const std::wstring systemFolder = Folder(GetModuleHandleW(L"kernel32.dll"));
    struct Row {
        const wchar_t* Name;
        const wchar_t* Folder; // the part of its folder's name that says where it came from
    };
    // The common controls first, by path first: under Wine, a library once loaded (comdlg32.dll loads
    // the common controls) is what every later load of its name gives.
    const Row rows[] = {
        {L"comctl32.dll", L"\\winsxs\\amd64_microsoft.windows.common-controls_6595b64144ccf1df_6.0."},
        {L"uxtheme.dll", systemFolder.c_str()},
        {L"comdlg32.dll", systemFolder.c_str()},
        {L"gdiplus.dll", systemFolder.c_str()}};
    for (auto load : {&LoadSystemLibraryByPath, &LoadSystemLibrary})
        for (const Row& r : rows) {
            SCOPED_TRACE(std::string(r.Name, r.Name + wcslen(r.Name)) +
                         (load == &LoadSystemLibrary ? "" : " by path"));
            HMODULE module = load(r.Name);
            ASSERT_NE(module, nullptr);
            const std::wstring folder = Folder(module);
            EXPECT_NE(folder.find(r.Folder), std::wstring::npos) << std::string(folder.begin(), folder.end());
        }
    EXPECT_EQ(LoadSystemLibraryByPath(L"no-such-library.dll"), nullptr);
}
