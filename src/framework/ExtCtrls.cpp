#include "framework/ExtCtrls.h"

#include "framework/Forms.h"

TTimer::~TTimer() { Stop(); }

void TTimer::SetEnabled(bool Value) {
    if (Value == FEnabled) return;
    FEnabled = Value;
    if (FEnabled) Start();
    else Stop();
}

void TTimer::SetInterval(unsigned Value) {
    if (Value == FInterval) return;
    FInterval = Value;
    if (FEnabled && FId) {
        Stop();
        Start();
    }
}

void TTimer::Start() {
    if (!Application || FInterval == 0 || FId) return;
    FId = Application->Backend().StartTimer(FInterval, [this] {
        if (OnTimer) OnTimer(this);
    });
}

void TTimer::Stop() {
    if (FId && Application) Application->Backend().StopTimer(FId);
    FId = 0;
}
