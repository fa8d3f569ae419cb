#pragma once
// The application object, forms, and the framework's message and exception display.
#include <exception>
#include <map>
#include <memory>
#include <string>

#include "framework/Controls.h"
#include "framework/UiBackend.h"

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = uint8_t; // bit n = TBorderIcon n
constexpr TBorderIcons BorderIcon(TBorderIcon Icon) { return static_cast<TBorderIcons>(1u << Icon); }
enum TPosition { poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poDesktopCenter };

// One length of a form or of a control on it, as scaling keeps it (framework/Scaling.h): the value it
// was given at a resolution, and the value the last scaling left it at.
struct TScaledLength {
    int Given{0};
    int GivenPixelsPerInch{0};
    int Last{0};
};
// Keyed by the control and the length's place in the scaling's list.
using TScaledLengths = std::map<std::pair<const TControl*, int>, TScaledLength>;

// A top-level window. Its bounds are those of its client area; the frame around it is the back end's.
class TForm : public TWinControl {
public:
    using TWinControl::TWinControl;
    const TPublishedClass* Published() const override;

    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle Value) { FBorderStyle = Value; }
    TBorderIcons BorderIcons() const { return FBorderIcons; }
    void SetBorderIcons(TBorderIcons Value) { FBorderIcons = Value; }
    // Where the window opens: poScreenCenter centres it, poDesigned keeps the stored left and top.
    TPosition Position() const { return FPosition; }
    void SetPosition(TPosition Value) { FPosition = Value; }
    int ClientWidth() const { return Width(); }
    void SetClientWidth(int Value) { SetWidth(Value); }
    int ClientHeight() const { return Height(); }
    void SetClientHeight(int Value) { SetHeight(Value); }
    // The resolution the description was made at, and its text height: kept for writing it back.
    int PixelsPerInch() const { return FPixelsPerInch; }
    void SetPixelsPerInch(int Value) { FPixelsPerInch = Value; }
    int TextHeight() const { return FTextHeight; }
    void SetTextHeight(int Value) { FTextHeight = Value; }
    // The lengths as given, kept by the first scaling so that every later one starts from them.
    TScaledLengths& ScaledLengths() { return FScaledLengths; }
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
    TFormBorderStyle FBorderStyle{bsSizeable};
    TBorderIcons FBorderIcons{BorderIcon(biSystemMenu) | BorderIcon(biMinimize) | BorderIcon(biMaximize)};
    TPosition FPosition{poDesigned};
    int FPixelsPerInch{96};
    int FTextHeight{13};
    TScaledLengths FScaledLengths;
};

// The resolution of the form Control is on (a form scaled to a screen carries the screen's); 96 when
// it is on none.
int PixelsPerInchOf(const TControl& Control);

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
