// The program's GTK 3 session: the back end, the main window, and gtk_main.
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "ui/UiSession.h"
#include "ui/gtk/GtkBackend.h"
#include "ui/gtk/GtkIdentity.h"
#include "ui/gtk/GtkLaunchTokens.h"
#include "ui/gtk/GtkMainWindow.h"
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

    ILaunchTokens* LaunchTokens() override { return &FTokens; }

private:
    TGtkBackend FBackend;
    TGtkLaunchTokens FTokens;
    std::unique_ptr<TGtkMainWindow> FWindow;
};

std::string Env(const char* Name) {
    const char* value = g_getenv(Name);
    return value ? value : "";
}

// Wayland's socket is WAYLAND_DISPLAY (wayland-0 when unset) in XDG_RUNTIME_DIR, or WAYLAND_DISPLAY
// itself when that is a path.
std::string WaylandProblem() {
    const std::string name = Env("WAYLAND_DISPLAY");
    std::string socket = name.empty() ? "wayland-0" : name;
    if (socket[0] != '/') {
        if (Env("XDG_RUNTIME_DIR").empty())
            return "XDG_RUNTIME_DIR is not set, which holds the Wayland socket";
        socket = Env("XDG_RUNTIME_DIR") + "/" + socket;
    }
    const std::string unset = name.empty() ? "WAYLAND_DISPLAY is not set, " : "";
    if (!g_file_test(socket.c_str(), G_FILE_TEST_EXISTS)) return unset + "no Wayland socket " + socket;
    return unset + "the Wayland socket " + socket + " takes no connection";
}

std::string X11Problem() {
    const std::string display = Env("DISPLAY");
    return display.empty() ? "DISPLAY is not set" : "the X11 display " + display + " cannot be opened";
}

// What kept GTK from every window system it tried (all, unless GDK_BACKEND names some).
std::string NoDisplayReason() {
    const std::string backends = Env("GDK_BACKEND");
    auto tried = [&](const char* Name) {
        return backends.empty() || backends.find('*') != std::string::npos ||
               backends.find(Name) != std::string::npos;
    };
    std::string reason;
    if (tried("wayland")) reason = WaylandProblem();
    if (tried("x11")) reason += (reason.empty() ? "" : "; ") + X11Problem();
    return reason.empty() ? "GDK_BACKEND is " + backends : reason;
}
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
        std::fprintf(stderr, "Velundo Client: no display to show the window on (%s)\n",
                     NoDisplayReason().c_str());
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
