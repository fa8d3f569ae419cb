#pragma once
// The main form on screen with Win32: a top-level window with a fixed single border whose client area
// shows the painted layers (drawn by the framework's painter into a memory canvas, then copied in one
// go), and native child windows for the windowed controls: the panel (a window of our own class that
// paints its part of the layers the same way), group boxes, edit fields and push buttons (common
// controls 6 draw them in the system's visual style; a bitmap button's face is drawn here in that
// style, to place its glyph and caption as the framework lays them out).
#include <memory>
#include <vector>

#include "framework/Forms.h"
#include "platform/Surface.h"
#include "ui/win32/Win32Dialogs.h"
#include "ui/win32/Win32Tooltips.h"

struct HWND__;
struct HFONT__;
struct _IMAGELIST;
struct tagDRAWITEMSTRUCT;
struct tagMSG;
struct tagRECT;

class TWin32MainWindow {
public:
    TWin32MainWindow(TForm& Form, TWin32Dialogs& Backend);
    ~TWin32MainWindow();
    TWin32MainWindow(const TWin32MainWindow&) = delete;
    TWin32MainWindow& operator=(const TWin32MainWindow&) = delete;

    HWND__* Handle() const { return FWindow; }
    // Scales the window to Dpi dots per inch and moves it to Suggested (screen coordinates), as
    // WM_DPICHANGED asks.
    void ChangeDpi(int Dpi, const tagRECT& Suggested);
    // Shows the window centred on the screen (or where the form says), the focus on the first tab stop.
    void Show();
    // Runs the message loop until the application terminates.
    void Run();

private:
    struct TNative {
        TWinControl* Control{nullptr};
        HWND__* Window{nullptr};
        HFONT__* Font{nullptr};      // a font of the control's own, or null for the form's
        _IMAGELIST* Glyphs{nullptr}; // a bitmap button's glyph images
        std::string Text;
        std::string Hint; // the tooltip and accessible description shown
        bool Enabled{true};
        bool Visible{true};
    };

    void CreateNatives(TWinControl& Parent, TPoint Origin);
    void CreateNative(TWinControl& Control, TPoint Origin);
    void SetGlyph(TNative& Native);
    void DrawBitButton(const tagDRAWITEMSTRUCT& Item);
    void SyncAll();
    void Sync(TNative& Native, TPoint Origin, bool Visible);
    TNative* Find(const TControl* Control);
    TNative* NativeOfWindow(HWND__* Window);
    void Paint(HWND__* Window, TWinControl& Root, bool SkipNatives);
    void Invalidated();
    bool PressFocusedButton(const tagMSG& Message);
    void FocusChild();

    static intptr_t __stdcall FormProc(HWND__* Window, unsigned Message, uintptr_t WParam, intptr_t LParam);
    static intptr_t __stdcall PanelProc(HWND__* Window, unsigned Message, uintptr_t WParam, intptr_t LParam);
    intptr_t HandleFormMessage(unsigned Message, uintptr_t WParam, intptr_t LParam);

    TForm& FForm;
    TWin32Dialogs& FBackend;
    HWND__* FWindow{nullptr};
    HFONT__* FFormFont{nullptr};
    HWND__* FFocus{nullptr}; // the child that had the focus when the window was last deactivated
    std::vector<TNative> FNatives;
    std::unique_ptr<TWin32Tooltips> FTooltips;
};

// The style bits of a form's frame: caption and border by BorderStyle, the boxes by BorderIcons.
unsigned long FormWindowStyle(const TForm& Form);
