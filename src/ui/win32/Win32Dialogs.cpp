// The modal dialogs, timers and the end of the message loop on Windows.
#include <windows.h>
#include <commdlg.h>

#include <map>
#include <vector>

#include "platform/win32/SystemLibrary_win32.h"
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

// "description|pattern|..." becomes the dialog's list of NUL-separated pairs, ended by two NULs.
std::vector<char> FilterList(const std::string& Filter) {
    std::vector<char> list(Filter.begin(), Filter.end());
    for (char& c : list)
        if (c == '|') c = '\0';
    list.push_back('\0');
    list.push_back('\0');
    return list;
}

// comdlg32.dll is one of the system's known libraries, but not imported: it brings comctl32.dll, and
// that asks for uxtheme.dll by name as it starts. Loaded here, after the session has narrowed the
// search to the system folder, neither can come from the program's folder; and only when the dialog
// is first shown, since it also brings the print spooler (under Wine the whole printing stack).
bool RunOpenFileDialog(OPENFILENAMEA& Dialog) {
    static const auto run = SystemFunction<decltype(&GetOpenFileNameA)>(LoadSystemLibrary(L"comdlg32.dll"), "GetOpenFileNameA");
    return run && run(&Dialog);
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
    if (!RunOpenFileDialog(ofn)) return false;
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
