#pragma once
// A UI back end without a screen: dialogs are written to the error stream, the open-file dialog is
// cancelled, and timers tick from a plain loop. For tests, screenshots and runs without a desktop.
#include <chrono>
#include <map>

#include "framework/UiBackend.h"

class THeadlessBackend : public IUiBackend {
public:
    void MessageDialog(const std::string& Text, const std::string& Caption) override;
    void ErrorDialog(const std::string& Text, const std::string& Caption) override;
    bool OpenFileDialog(const TOpenFileRequest& Request, std::string& FileName) override;
    uintptr_t StartTimer(unsigned IntervalMs, std::function<void()> Tick) override;
    void StopTimer(uintptr_t Id) override;
    void Terminate() override { FTerminated = true; }

    // Runs the timers until Terminate is called or no timer is left.
    void Run();
    bool Terminated() const { return FTerminated; }

private:
    struct TTimerEntry {
        std::chrono::milliseconds Interval;
        std::chrono::steady_clock::time_point Due;
        std::function<void()> Tick;
    };
    std::map<uintptr_t, TTimerEntry> FTimers;
    uintptr_t FNextId{1};
    bool FTerminated{false};
};
