// The program's GTK 3 session: the back end, the main window, and gtk_main.
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "ui/UiSession.h"
#include "ui/gtk/GtkBackend.h"
#include "ui/gtk/GtkMainWindow.h"
#include "ui/gtk/GtkIdentity.h"
#include "ui/gtk/GtkThemeColors.h"

namespace {
class TGtkSession : public TUiSession {
public:
    IUiBackend& Backend() override { return FBackend; }

    void ShowMainForm(TForm& Form) override {
        // The window scales the form to the desktop's resolution.
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
    // The application name stays unset: GDK would give it to its hidden leader window, which must
    // not be taken for the window named "Velundo Client".
    g_set_prgname(kApplicationId);
}

std::unique_ptr<TUiSession> CreateUiSession() {
    SetProgramIdentity();
    if (!gtk_init_check(nullptr, nullptr)) {
        const char* display = g_getenv("DISPLAY");
        std::fprintf(stderr, "Velundo Client: no display to show the window on (DISPLAY is %s)\n",
                     display ? display : "not set");
        std::exit(1);
    }
    // After GTK's start, which sets the class from the program name; windows made from now on carry it.
    gdk_set_program_class(kWindowClass);
    UseGtkThemeColors();
    return std::make_unique<TGtkSession>();
}

void UseDesktopColours() {
    if (gtk_init_check(nullptr, nullptr)) UseGtkThemeColors();
}
