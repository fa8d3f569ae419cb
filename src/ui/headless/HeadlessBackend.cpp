#include "ui/headless/HeadlessBackend.h"

#include <cstdio>
#include <thread>

#include "platform/CodePage.h"

void THeadlessBackend::MessageDialog(const std::string& Text, const std::string& Caption) {
    std::fprintf(stderr, "[%s] %s\n", AnsiToUtf8(Caption).c_str(), AnsiToUtf8(Text).c_str());
}

void THeadlessBackend::ErrorDialog(const std::string& Text, const std::string& Caption) {
    std::fprintf(stderr, "[%s] Fehler: %s\n", AnsiToUtf8(Caption).c_str(), AnsiToUtf8(Text).c_str());
}

bool THeadlessBackend::OpenFileDialog(const TOpenFileRequest&, std::string&) { return false; }

uintptr_t THeadlessBackend::StartTimer(unsigned IntervalMs, std::function<void()> Tick) {
    const auto interval = std::chrono::milliseconds(IntervalMs);
    FTimers[FNextId] = {interval, std::chrono::steady_clock::now() + interval, std::move(Tick)};
    return FNextId++;
}

void THeadlessBackend::StopTimer(uintptr_t Id) { FTimers.erase(Id); }

void THeadlessBackend::Run() {
    while (!FTerminated && !FTimers.empty()) {
        auto next = FTimers.begin();
        for (auto it = FTimers.begin(); it != FTimers.end(); ++it)
            if (it->second.Due < next->second.Due) next = it;
        std::this_thread::sleep_until(next->second.Due);
        next->second.Due += next->second.Interval;
        auto tick = next->second.Tick; // the tick may stop its own timer
        tick();
    }
}
