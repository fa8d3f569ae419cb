#pragma once
// The desktop's tokens for the programs the launcher starts, asked of the display GTK runs on: an
// xdg-activation token from a Wayland compositor, a startup-notification id on X11 (whose start GTK
// announces on the display).
#include "platform/LaunchTokens.h"

class TGtkLaunchTokens : public ILaunchTokens {
public:
    std::string Issue(const std::string& NativePath) override;
    void Failed(const std::string& Token) override;
};
