// The modal dialogs, timers and the end of the message loop on Windows.
#include <windows.h>
#include <commdlg.h>

#include <map>
#include <vector>

#include "ui/win32/Win32Dialogs.h"

namespace {
std::map<UINT_PTR, std::function<void()>>& Ticks() {
    static std::map<UINT_PTR, std::function<void()>> ticks;
    return ticks;
}

void CALLBACK TimerProc(HWND, UINT, UINT_PTR Id, DWORD) {
    auto it = Ticks().find(Id);
    if (it == Ticks().end()) return;
    auto tick = it->second; // the tick may stop its own timer
    tick();
}

// The open-file dialog's library is loaded when the dialog is first shown, not at start: comdlg32
// brings in the print spooler, and under Wine the whole printing stack behind it (some 4 MB).
BOOL OpenFileName(OPENFILENAMEA& Ofn) {
    using TGetOpenFileName = BOOL(WINAPI*)(LPOPENFILENAMEA);
    static const auto getOpenFileName = [] {
        HMODULE library = LoadLibraryA("comdlg32.dll");
        FARPROC proc = library ? GetProcAddress(library, "GetOpenFileNameA") : nullptr;
        return reinterpret_cast<TGetOpenFileName>(reinterpret_cast<void*>(proc));
    }();
    return getOpenFileName && getOpenFileName(&Ofn);
}

// "description|pattern|..." becomes the dialog's list of NUL-separated pairs, ended by two NULs.
std::vector<char> FilterList(const std::string& Filter) {
    std::vector<char> list(Filter.begin(), Filter.end());
    for (char& c : list)
        if (c == '|') c = '\0';
    list.push_back('\0');
    list.push_back('\0');
    return list;
}
} // namespace

void TWin32Dialogs::MessageDialog(const std::string& Text, const std::string& Caption) {
    MessageBoxA(nullptr, Text.c_str(), Caption.c_str(), MB_OK | MB_TASKMODAL); // centred on the screen
}

void TWin32Dialogs::ErrorDialog(const std::string& Text, const std::string& Caption) {
    MessageBoxA(nullptr, Text.c_str(), Caption.c_str(), MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

bool TWin32Dialogs::OpenFileDialog(const TOpenFileRequest& Request, std::string& FileName) {
    std::vector<char> name(MAX_PATH * 4, '\0');
    Request.FileName.copy(name.data(), std::min(Request.FileName.size(), name.size() - 1));
    const std::vector<char> filter = FilterList(Request.Filter);
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = FOwner;
    ofn.lpstrFilter = filter.data();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = name.data();
    ofn.nMaxFile = static_cast<DWORD>(name.size());
    ofn.lpstrInitialDir = Request.InitialDir.empty() ? nullptr : Request.InitialDir.c_str();
    ofn.lpstrTitle = Request.Title.empty() ? nullptr : Request.Title.c_str();
    ofn.Flags = OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_EXPLORER;
    if (Request.RestoreCurrentFolder) ofn.Flags |= OFN_NOCHANGEDIR;
    if (!OpenFileName(ofn)) return false;
    FileName = name.data();
    return true;
}

uintptr_t TWin32Dialogs::StartTimer(unsigned IntervalMs, std::function<void()> Tick) {
    const UINT_PTR id = SetTimer(nullptr, 0, IntervalMs, TimerProc);
    if (id) Ticks()[id] = std::move(Tick);
    return id;
}

void TWin32Dialogs::StopTimer(uintptr_t Id) {
    KillTimer(nullptr, Id);
    Ticks().erase(Id);
}

void TWin32Dialogs::Terminate() { PostQuitMessage(0); }
