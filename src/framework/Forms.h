#pragma once
// The application object, forms, and the framework's message and exception display.
#include <exception>
#include <memory>
#include <string>

#include "framework/Controls.h"
#include "framework/UiBackend.h"

class TForm : public TWinControl {
public:
    using TWinControl::TWinControl;
    // Closes the form; closing the main form ends the application.
    virtual void Close();
    bool Closed() const { return FClosed; }
    // Runs an event handler the way the message loop does: an exception leaving it is shown by the
    // application, never passed on.
    void Dispatch(const std::function<void()>& Handler);

    TNotifyEvent OnCreate;
    TNotifyEvent OnActivate;
    // The form was created from its description: runs OnCreate.
    void DoCreate();
    // The form became the active one: runs OnActivate.
    void Activate();

private:
    bool FClosed{false};
};

class TApplication : public TComponent {
public:
    TApplication(IUiBackend& Backend, std::string ExeName);
    // The forms go first, while they can still reach the application (their timers stop through it).
    ~TApplication() override { DestroyComponents(); }
    IUiBackend& Backend() { return FBackend; }
    const std::string& ExeName() const { return FExeName; }
    // The title set, or else the program file's name by the rule below.
    std::string Title() const;
    void SetTitle(const std::string& Value) { FTitle = Value; }
    TForm* MainForm() const { return FMainForm; }
    void SetMainForm(TForm* Value) { FMainForm = Value; }
    void ShowException(const std::exception& E);
    void Terminate();
    bool Terminated() const { return FTerminated; }

private:
    IUiBackend& FBackend;
    std::string FExeName;
    std::string FTitle;
    TForm* FMainForm{nullptr};
    bool FTerminated{false};
};

// The one application object; null before the program (or a test) creates it.
extern TApplication* Application;

// The title of a program without a title of its own: the file name without folder and without
// everything from its first dot on, every character after the first in lower case.
std::string TitleFromExeName(const std::string& ExeName);
// The text an exception dialog shows: a full stop is added unless the text is empty or its last
// character is a full stop or sorts below it.
std::string ExceptionDisplayText(const std::string& Message);
// Shows Text in the modal message dialog whose caption is the application title.
void ShowMessage(const std::string& Text);
