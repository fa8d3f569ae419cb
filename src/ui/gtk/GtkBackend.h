#pragma once
// The GTK 3 answers to what the framework asks of a back end: message dialogs, the open-file
// dialog, timers on the GLib main loop, and the end of the loop. Texts cross into GTK as UTF-8.
#include <gtk/gtk.h>

#include <functional>
#include <map>
#include <memory>

#include "framework/UiBackend.h"

class TGtkBackend : public IUiBackend {
public:
    ~TGtkBackend() override;
    void MessageDialog(const std::string& Text, const std::string& Caption) override;
    void ErrorDialog(const std::string& Text, const std::string& Caption) override;
    bool OpenFileDialog(const TOpenFileRequest& Request, std::string& FileName) override;
    uintptr_t StartTimer(unsigned IntervalMs, std::function<void()> Tick) override;
    void StopTimer(uintptr_t Id) override;
    // The GLib source that runs timer Id (0 when there is none), for looking at it from the loop's side.
    guint TimerSource(uintptr_t Id) const;
    void Terminate() override;

    // Runs gtk_main until Terminate (at once when Terminate came first).
    void Run();
    bool Terminated() const { return FTerminated; }
    // Dialogs stay above this window.
    void SetMainWindow(GtkWindow* Window) { FMainWindow = Window; }

private:
    void ShowDialog(GtkMessageType Type, const std::string& Text, const std::string& Caption);
    void ShowDialogUtf8(GtkMessageType Type, const std::string& Text, const std::string& Caption);
    bool RunFileChooser(const TOpenFileRequest& Request, std::string& Native);
    static gboolean OnTimer(gpointer Data);

    struct TTimer {
        TGtkBackend* Owner;
        guint Source{0};
        std::function<void()> Tick;
    };
    std::map<uintptr_t, std::unique_ptr<TTimer>> FTimers;
    uintptr_t FNextId{1};
    GtkWindow* FMainWindow{nullptr};
    bool FTerminated{false};
    bool FRunning{false};
};

// The work area of the monitor Widget is on (the primary one before it is shown).
GdkRectangle WorkArea(GtkWidget* Widget);
// Dialogs keep this far from the work area's edges.
constexpr int kScreenMargin = 16;

// The patterns of a "description|pattern;pattern|..." filter, each made case-blind the way Windows
// matches names: "*.exe" becomes "*.[eE][xX][eE]".
std::string CaseBlindPattern(const std::string& Pattern);
