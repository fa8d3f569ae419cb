#pragma once
// What the framework needs from a user-interface back end (GTK, Win32, or a headless one for tests
// and screenshots): modal dialogs, timers and the end of the message loop. Texts are Windows-1252.
#include <cstdint>
#include <functional>
#include <string>

struct TOpenFileRequest {
    std::string Filter;     // "description|pattern|description|pattern..."
    std::string InitialDir; // may not exist on this platform
    std::string Title;      // empty: the system's default title
    std::string FileName;   // the proposed name
    bool RestoreCurrentFolder{false};
};

class IUiBackend {
public:
    virtual ~IUiBackend() = default;
    // A modal dialog with the text, one OK button, no icon, centred on the screen.
    virtual void MessageDialog(const std::string& Text, const std::string& Caption) = 0;
    // The same with the error icon (an exception that left an event handler).
    virtual void ErrorDialog(const std::string& Text, const std::string& Caption) = 0;
    // Runs the open-file dialog modally; true and the chosen full name when the user confirmed.
    virtual bool OpenFileDialog(const TOpenFileRequest& Request, std::string& FileName) = 0;
    // A periodic tick; returns an identifier for StopTimer.
    virtual uintptr_t StartTimer(unsigned IntervalMs, std::function<void()> Tick) = 0;
    virtual void StopTimer(uintptr_t Id) = 0;
    // Ends the message loop (the main window was closed).
    virtual void Terminate() = 0;
};
