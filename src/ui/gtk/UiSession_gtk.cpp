// The program's GTK 3 session: the back end, the main window, and gtk_main.
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "ui/UiSession.h"
#include "ui/gtk/GtkBackend.h"
#include "ui/gtk/GtkMainWindow.h"
#include "ui/gtk/GtkIdentity.h"

namespace {
class TGtkSession : public TUiSession {
public:
    IUiBackend& Backend() override { return FBackend; }

    void ShowMainForm(TForm& Form) override {
        FWindow = std::make_unique<TGtkMainWindow>(Form, FBackend);
        FWindow->Show();
    }

    // libgdiplus finalises fontconfig when it shuts down; GTK's Pango shares fontconfig and holds
    // its caches until the process ends, so shutting GDI+ down would abort the process.
    bool GdiplusOutlivesUnits() const override { return true; }

    void Run() override {
        FBackend.Run();
        FWindow.reset(); // the window goes before the form it shows is freed
    }

private:
    TGtkBackend FBackend;
    std::unique_ptr<TGtkMainWindow> FWindow;
};
} // namespace

void SetProgramIdentity() {
    // Whatever the program file is called: the desktop entry and the window manager match these.
    g_set_prgname(kApplicationId);
    g_set_application_name("Velundo Client");
}

std::unique_ptr<TUiSession> CreateUiSession(int& Argc, char**& Argv) {
    SetProgramIdentity();
    if (!gtk_init_check(&Argc, &Argv)) {
        const char* display = g_getenv("DISPLAY");
        std::fprintf(stderr, "Velundo Client: no display to show the window on (DISPLAY is %s)\n",
                     display ? display : "not set");
        std::exit(1);
    }
    gdk_set_program_class(kWindowClass);
    return std::make_unique<TGtkSession>();
}
