// The program's GTK 3 session: the back end, the main window, and gtk_main.
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "platform/GdiPlusPlatform.h"
#include "platform/UiSession.h"
#include "platform/gtk/GtkBackend.h"
#include "platform/gtk/GtkMainWindow.h"

namespace {
class TGtkSession : public TUiSession {
public:
    IUiBackend& Backend() override { return FBackend; }

    void ShowMainForm(TForm& Form) override {
        FWindow = std::make_unique<TGtkMainWindow>(Form, FBackend);
        FWindow->Show();
    }

    void Run() override {
        FBackend.Run();
        FWindow.reset(); // the window goes before the form it shows is freed
    }

private:
    TGtkBackend FBackend;
    std::unique_ptr<TGtkMainWindow> FWindow;
};
} // namespace

std::unique_ptr<TUiSession> CreateUiSession(int& Argc, char**& Argv) {
    if (!gtk_init_check(&Argc, &Argv)) {
        const char* display = g_getenv("DISPLAY");
        std::fprintf(stderr, "Velundo Client: no display to show the window on (DISPLAY is %s)\n",
                     display ? display : "not set");
        std::exit(1);
    }
    SetFontconfigSharedWithToolkit(true); // Pango's font caches live as long as the process
    return std::make_unique<TGtkSession>();
}
