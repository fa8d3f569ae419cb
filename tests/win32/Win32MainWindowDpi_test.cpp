// WM_DPICHANGED on a real window (under Wine and Xvfb): the launcher's layout at 96 dots per inch
// (the main window's 96-dpi numbers) is scaled to the new resolution, the window takes the rectangle the system
// suggests, and no caption outgrows its control in the font made for the new resolution.
#include <gtest/gtest.h>

#include <string>

#include "framework/Buttons.h"
#include "framework/Forms.h"
#include "framework/StdCtrls.h"
#include "ui/win32/Win32Dialogs.h"
#include "ui/win32/Win32MainWindow.h"
#include "platform/win32/WindowsApi.h"

namespace {
struct TLauncherLayout {
    TForm Form{nullptr};
    TGroupBox* Group{new TGroupBox(&Form)};
    TBitBtn* Path{new TBitBtn(&Form)};
    TBitBtn* Start{new TBitBtn(&Form)};

    TLauncherLayout() {
        Form.SetBounds(0, 0, 506, 294);
        Form.Font().SetName("MS Sans Serif");
        Form.Font().SetHeight(-11);
        Group->SetParent(&Form);
        Group->SetBounds(16, 176, 465, 97);
        Group->SetCaption("Pfad der Velundo.exe auf Ihrem Server ");
        Path->SetParent(Group);
        Path->SetBounds(16, 64, 145, 25);
        Path->SetCaption("Pfad ausw\xe4hlen");
        Start->SetParent(&Form);
        Start->SetBounds(16, 72, 465, 89);
        Start->SetCaption("Velundo starten");
        Start->SetParentFont(false);
        Start->Font().SetName("MS Sans Serif");
        Start->Font().SetHeight(-11);
        Start->Font().SetStyle(FontStyle(fsBold));
    }
};

HWND ChildWithText(HWND Parent, const std::string& Text) {
    return FindWindowExA(Parent, nullptr, nullptr, Text.c_str());
}

RECT RectInParent(HWND Child, HWND Parent) {
    RECT r;
    GetWindowRect(Child, &r);
    MapWindowPoints(nullptr, Parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// The width a control's caption takes in the font the control was given.
int CaptionWidth(HWND Control, const std::string& Text) {
    HDC dc = GetDC(Control);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(Control, WM_GETFONT, 0, 0)));
    SIZE extent{};
    GetTextExtentPoint32A(dc, Text.c_str(), static_cast<int>(Text.size()), &extent);
    SelectObject(dc, old);
    ReleaseDC(Control, dc);
    return extent.cx;
}

int FontHeight(HWND Control) {
    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HGDIOBJ>(SendMessageA(Control, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font.lfHeight;
}
} // namespace

TEST(Win32MainWindowDpi, ScalesTheLayoutToTheNewResolution) {
    struct Row {
        int Dpi;
        int Width, Height; // the form's client area
        RECT Start;        // the start button in the client area
        int FontHeight;    // the form's and the start button's font
    };
    // The main window's 96-dpi numbers times Dpi / 96, rounded half away from zero as Windows' MulDiv does.
    const Row rows[] = {
        {120, 633, 368, {20, 90, 20 + 581, 90 + 111}, -14},
        {144, 759, 441, {24, 108, 24 + 698, 108 + 134}, -17},
        {192, 1012, 588, {32, 144, 32 + 930, 144 + 178}, -22},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::to_string(r.Dpi) + " dpi");
        TLauncherLayout layout;
        TWin32Dialogs backend;
        TWin32MainWindow window(layout.Form, backend);
        HWND form = window.Handle();
        ASSERT_NE(form, nullptr) << "no window (is there a display?)";
        const RECT suggested{40, 30, 40 + r.Width + 8, 30 + r.Height + 30};
        SendMessageA(form, WM_DPICHANGED, MAKEWPARAM(r.Dpi, r.Dpi), reinterpret_cast<LPARAM>(&suggested));

        RECT placed;
        GetWindowRect(form, &placed);
        EXPECT_TRUE(EqualRect(&placed, &suggested)) << placed.left << "," << placed.top << " " << placed.right << ","
                                                    << placed.bottom;
        EXPECT_EQ(layout.Form.Width(), r.Width);
        EXPECT_EQ(layout.Form.Height(), r.Height);
        EXPECT_EQ(layout.Form.PixelsPerInch(), r.Dpi);

        HWND start = ChildWithText(form, layout.Start->Caption());
        HWND group = ChildWithText(form, layout.Group->Caption());
        HWND path = ChildWithText(form, layout.Path->Caption());
        ASSERT_TRUE(start && group && path);
        const RECT at = RectInParent(start, form);
        EXPECT_TRUE(EqualRect(&at, &r.Start)) << at.left << "," << at.top << " " << at.right << "," << at.bottom;
        EXPECT_EQ(FontHeight(start), r.FontHeight);
        EXPECT_EQ(FontHeight(group), r.FontHeight);
        // No caption clipped: each fits its control beside the 16-pixel glyph (buttons) or the frame's
        // 8-pixel indents (the group box), in the font the window now uses.
        for (HWND control : {start, group, path}) {
            char text[128];
            GetWindowTextA(control, text, sizeof text);
            RECT box;
            GetClientRect(control, &box);
            EXPECT_LT(CaptionWidth(control, text) + 16 + 4 + 8, box.right) << "\"" << text << "\"";
        }
    }
}
