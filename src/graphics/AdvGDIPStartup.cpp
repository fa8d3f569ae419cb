// GDI+ start-up and shut-down, and the memory every layer object lives in.
#include <cstring>
#include <new>

#include "graphics/AdvGDIPObjects.h"
#include "platform/GdiPlusPlatform.h"

namespace {
// The process-wide start-up state.
uintptr_t gToken = 0;
GdiplusStartupInput gInput{1, nullptr, 1, 0}; // what start-up fills in, also for the restart
GdiplusStartupOutput gOutput;
uintptr_t gHookToken = 0;
} // namespace

void StartGdiplus(bool Windows6OrLater) {
    gInput = GdiplusStartupInput{};
    gInput.GdiplusVersion = 1;
    gInput.DebugEventCallback = nullptr;
    gInput.SuppressBackgroundThread = 1; // no thread of GDI+'s own: the hook runs on the GUI thread
    gInput.SuppressExternalCodecs = 0;
    gOutput = GdiplusStartupOutput{};
    GdiplusStartup(&gToken, &gInput, &gOutput);
    // Before Windows 6 the caller drives GDI+'s background work through the notification hook.
    if (!Windows6OrLater && gOutput.NotificationHook) gOutput.NotificationHook(&gHookToken);
}

void ShutdownGdiplus(bool RunningInLibrary, bool Windows6OrLater) {
    if (RunningInLibrary) return; // a library cannot know that its host is done with GDI+
    if (!Windows6OrLater && gOutput.NotificationUnhook) gOutput.NotificationUnhook(gHookToken);
    PlatformSettleBeforeShutdown();
    GdiplusShutdown(gToken);
}

void InitializeGdiplus() { StartGdiplus(IsWindows6OrLater()); }
void FinalizeGdiplus() {
    ShutdownGdiplus(IsRunningInLibrary(), IsWindows6OrLater());
}

void* TGdiplusBase::operator new(size_t Size) {
    void* memory = GdipAlloc(Size);
    if (!memory) {
        // GDI+ may not be started yet (or any more): start it once more and retry, without a hook.
        GdiplusStartup(&gToken, &gInput, &gOutput);
        memory = GdipAlloc(Size);
    }
    if (!memory) throw std::bad_alloc();
    std::memset(memory, 0, Size);
    return memory;
}

void TGdiplusBase::operator delete(void* Memory) { GdipFree(Memory); }
