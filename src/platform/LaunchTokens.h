#pragma once
// A desktop with focus-stealing prevention (GNOME, KDE) gives the keyboard to a newly started program
// only when it brings a token that the desktop issued, for the user's input, to the program that
// started it: on Wayland an activation token (XDG_ACTIVATION_TOKEN), on X11 a startup-notification id
// (DESKTOP_STARTUP_ID). The user-interface back end, which speaks to the desktop, issues them; the
// shell open hands them to the program it starts.
#include <string>

class ILaunchTokens {
public:
    virtual ~ILaunchTokens() = default;
    // A token for starting the program or file at NativePath now; empty when the desktop gives none.
    virtual std::string Issue(const std::string& NativePath) = 0;
    // The start that Token was issued for failed: the desktop need not wait for the program.
    virtual void Failed(const std::string& Token) = 0;
};
