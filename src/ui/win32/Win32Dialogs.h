#pragma once
// The Win32 answers to the framework's dialogs and timers (MessageBoxA, GetOpenFileNameA, SetTimer).
#include "framework/UiBackend.h"

struct HWND__;

class TWin32Dialogs : public IUiBackend {
public:
    void MessageDialog(const std::string& Text, const std::string& Caption) override;
    void ErrorDialog(const std::string& Text, const std::string& Caption) override;
    bool OpenFileDialog(const TOpenFileRequest& Request, std::string& FileName) override;
    uintptr_t StartTimer(unsigned IntervalMs, std::function<void()> Tick) override;
    void StopTimer(uintptr_t Id) override;
    void Terminate() override;
    // The window the open-file dialog belongs to; message boxes have none, so they are centred on
    // the screen.
    void SetOwner(void* Window) { FOwner = static_cast<HWND__*>(Window); }

private:
    HWND__* FOwner{nullptr};
};
