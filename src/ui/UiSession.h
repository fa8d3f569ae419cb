#pragma once
// The user-interface back end the program runs on, as the program entry starts it: GTK 3 on Linux.
// The entry creates the session first (the application object needs its back end), shows the main
// form once it is created, and runs the loop; Run returns when the application terminates, with
// the window already gone, so the form can then be freed.
#include <memory>

#include "framework/Forms.h"
#include "platform/LaunchTokens.h"

class TUiSession {
public:
    virtual ~TUiSession() = default;
    virtual IUiBackend& Backend() = 0;
    // Realises the form's windowed controls, shows the window centred and wires input back to the
    // form: clicks, activation and closing.
    virtual void ShowMainForm(TForm& Form) = 0;
    // The message loop, until the application terminates.
    virtual void Run() = 0;
    // Whether GDI+ must stay up until the process ends rather than shut down with the units.
    virtual bool GdiplusOutlivesUnits() const { return false; }
    // The desktop's tokens for the programs the shell open starts, where the back end issues them.
    virtual ILaunchTokens* LaunchTokens() { return nullptr; }
};

// Starts the back end. The program has no command-line options, so none reach the toolkit either
// (GTK's own, such as --gtk-module, would load code).
std::unique_ptr<TUiSession> CreateUiSession();

// For a program that shows no window but draws as the window would (the headless render compared
// with a screenshot): the system colours become the desktop's own, as the session gives them (GTK:
// the running theme, when a display is there). Windows' are the desktop's already.
void UseDesktopColours();
