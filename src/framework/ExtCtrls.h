#pragma once
// Timers and panels.
#include <cstdint>

#include "framework/Controls.h"
#include "framework/Image.h"
#include "framework/Panel.h"

// A periodic tick through the application's back end while enabled.
class TTimer : public TComponent {
public:
    using TComponent::TComponent;
    const TPublishedClass* Published() const override;
    ~TTimer() override;
    bool Enabled() const { return FEnabled; }
    // Enabling an enabled timer changes nothing (its period is not restarted).
    void SetEnabled(bool Value);
    unsigned Interval() const { return FInterval; }
    void SetInterval(unsigned Value);
    TNotifyEvent OnTimer;

private:
    void Start();
    void Stop();

    bool FEnabled{true};
    unsigned FInterval{1000};
    uintptr_t FId{0};
};
