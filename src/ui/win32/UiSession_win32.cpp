// The program's Win32 session: the dialogs and timers, the main window, and the message loop.
#include "framework/Scaling.h"
#include "ui/UiSession.h"
#include "ui/win32/Win32MainWindow.h"
#include "platform/win32/SystemLibrary_win32.h"
#include "platform/win32/WindowsApi.h"
#include "ui/win32/Win32CommonControls.h"
#include "ui/win32/Win32Dpi.h"
#include "ui/win32/Win32VisualStyle.h"

namespace {
class TWin32Session : public TUiSession {
public:
    // Before the first window or device context: the system's window code asks for uxtheme.dll by
    // name, and must find the system's copy, never one planted in the program's folder.
    TWin32Session() {
        LoadLibrariesFromSystemFolderOnly();
        VisualStyle();
        CommonControls();
    }
    IUiBackend& Backend() override { return FBackend; }

    void ShowMainForm(TForm& Form) override {
        // The window opens centred on the primary monitor, built at that monitor's resolution.
        ScaleFormTo(Form, MonitorDpiAt(POINT{GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2}));
        FWindow = std::make_unique<TWin32MainWindow>(Form, FBackend);
        FWindow->Show();
    }

    void Run() override {
        if (FWindow) FWindow->Run();
        FWindow.reset(); // the window goes before the form it shows is freed
    }

private:
    TWin32Dialogs FBackend;
    std::unique_ptr<TWin32MainWindow> FWindow;
};
} // namespace

std::unique_ptr<TUiSession> CreateUiSession() { return std::make_unique<TWin32Session>(); }

void UseDesktopColours() {} // GetSysColor gives the desktop's colours already
