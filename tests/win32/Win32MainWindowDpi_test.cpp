// WM_DPICHANGED on a real window (under Wine and Xvfb): the launcher's layout at 96 dots per inch
// (the main window's 96-dpi numbers) is scaled to the new resolution, the window takes the rectangle the system
// suggests, and no caption outgrows its control in the font made for the new resolution; a window
// taken from resolution to resolution is at each what a window built there is. And a change
// of the system's colours or visual style repaints the window.
#include <gtest/gtest.h>

#include <string>

#include "../support/Pixels.h"
#include "framework/Buttons.h"
#include "framework/Forms.h"
#include "framework/Scaling.h"
#include "framework/StdCtrls.h"
#include "platform/win32/WindowsApi.h"
#include "ui/win32/Win32Dialogs.h"
#include "ui/win32/Win32MainWindow.h"

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
        // A red 16 x 16 glyph; its bottom-left pixel (green) is the transparent colour.
        FillBitmap24(Start->Glyph(), 16, 16,
                     [](int x, int y) { return x == 0 && y == 15 ? 0x00FF00u : 0x0000FFu; });
    }
};

// The pure red pixels of a control as it paints itself.
int RedPixels(HWND Control) {
    RECT r;
    GetClientRect(Control, &r);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), r.right, -r.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(dc, bitmap);
    PrintWindow(Control, dc, PW_CLIENTONLY);
    GdiFlush();
    int red = 0;
    for (int i = 0; i < r.right * r.bottom; ++i) red += (static_cast<uint32_t*>(bits)[i] & 0xFFFFFF) == 0xFF0000;
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return red;
}

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

struct TDpiRow {
    int Dpi;
    int Width, Height; // the form's client area
    RECT Start;        // the start button in the client area
    int FontHeight;    // the form's and the start button's font
};
// The main window's 96-dpi numbers times Dpi / 96, rounded half away from zero as Windows' MulDiv does.
const TDpiRow kDpiRows[] = {
    {120, 633, 368, {20, 90, 20 + 581, 90 + 111}, -14},
    {144, 759, 441, {24, 108, 24 + 698, 108 + 134}, -17},
    {192, 1012, 588, {32, 144, 32 + 930, 144 + 178}, -22},
    {96, 506, 294, {16, 72, 16 + 465, 72 + 89}, -11},
};

// Tells the window of Layout that its resolution is now that of R, and checks the layout against R.
void ExpectDpiChange(TLauncherLayout& Layout, HWND Form, const TDpiRow& R) {
    const RECT suggested{40, 30, 40 + R.Width + 8, 30 + R.Height + 30};
    SendMessageA(Form, WM_DPICHANGED, MAKEWPARAM(R.Dpi, R.Dpi), reinterpret_cast<LPARAM>(&suggested));

    RECT placed;
    GetWindowRect(Form, &placed);
    EXPECT_TRUE(EqualRect(&placed, &suggested)) << placed.left << "," << placed.top << " " << placed.right << ","
                                                << placed.bottom;
    EXPECT_EQ(Layout.Form.Width(), R.Width);
    EXPECT_EQ(Layout.Form.Height(), R.Height);
    EXPECT_EQ(Layout.Form.PixelsPerInch(), R.Dpi);

    HWND start = ChildWithText(Form, Layout.Start->Caption());
    HWND group = ChildWithText(Form, Layout.Group->Caption());
    HWND path = ChildWithText(Form, Layout.Path->Caption());
    ASSERT_TRUE(start && group && path);
    const RECT at = RectInParent(start, Form);
    EXPECT_TRUE(EqualRect(&at, &R.Start)) << at.left << "," << at.top << " " << at.right << "," << at.bottom;
    EXPECT_EQ(FontHeight(start), R.FontHeight);
    EXPECT_EQ(FontHeight(group), R.FontHeight);
    // The glyph's 255 red pixels, each a square of 2 x 2 from 192 dots per inch on.
    const int enlarge = R.Dpi >= 192 ? 2 : 1;
    EXPECT_EQ(RedPixels(start), 255 * enlarge * enlarge);
    // No caption clipped: each fits its control beside the glyph and its distance (buttons) or the
    // frame's 8-pixel indents (the group box), in the font the window now uses.
    for (HWND control : {start, group, path}) {
        char text[128];
        GetWindowTextA(control, text, sizeof text);
        RECT box;
        GetClientRect(control, &box);
        EXPECT_LT(CaptionWidth(control, text) + (16 + 4) * R.Dpi / 96 + 8, box.right) << "\"" << text << "\"";
    }
}
} // namespace

TEST(Win32MainWindowDpi, ScalesTheLayoutToTheNewResolution) {
    for (const TDpiRow& r : kDpiRows) {
        SCOPED_TRACE(std::to_string(r.Dpi) + " dpi");
        TLauncherLayout layout;
        TWin32Dialogs backend;
        TWin32MainWindow window(layout.Form, backend);
        ASSERT_NE(window.Handle(), nullptr) << "no window (is there a display?)";
        ExpectDpiChange(layout, window.Handle(), r);
    }
}

// One window taken through 96, 120, 144, 192 and back to 96 dots per inch is at each step what a
// window built at that resolution is: every native control in the same place and the same font.
TEST(Win32MainWindowDpi, ATourOfResolutionsEndsWhereADirectBuildStarts) {
    TLauncherLayout toured;
    TWin32Dialogs backend;
    TWin32MainWindow window(toured.Form, backend);
    ASSERT_NE(window.Handle(), nullptr) << "no window (is there a display?)";
    for (const TDpiRow& r : kDpiRows) {
        SCOPED_TRACE(std::to_string(r.Dpi) + " dpi");
        ExpectDpiChange(toured, window.Handle(), r);
        TLauncherLayout direct;
        ScaleFormTo(direct.Form, r.Dpi);
        TWin32MainWindow built(direct.Form, backend);
        HWND a = GetWindow(window.Handle(), GW_CHILD), b = GetWindow(built.Handle(), GW_CHILD);
        for (; a && b; a = GetWindow(a, GW_HWNDNEXT), b = GetWindow(b, GW_HWNDNEXT)) {
            const RECT ra = RectInParent(a, window.Handle()), rb = RectInParent(b, built.Handle());
            EXPECT_TRUE(EqualRect(&ra, &rb)) << ra.left << "," << ra.top << " " << ra.right << "," << ra.bottom
                                             << " built: " << rb.left << "," << rb.top << " " << rb.right << ","
                                             << rb.bottom;
            EXPECT_EQ(FontHeight(a), FontHeight(b));
        }
        EXPECT_FALSE(a || b) << "not as many native controls";
    }
}

// A change of the system colours or of the visual style (high contrast, say) leaves nothing of the
// window painted in the old ones: the whole client area, panels and buttons included, is due for
// repainting.
TEST(Win32MainWindowColours, ASystemColourOrThemeChangeRepaintsTheWholeWindow) {
    for (UINT message : {UINT(WM_SYSCOLORCHANGE), UINT(WM_THEMECHANGED)}) {
        SCOPED_TRACE(message);
        TLauncherLayout layout;
        TWin32Dialogs backend;
        TWin32MainWindow window(layout.Form, backend);
        HWND form = window.Handle();
        ASSERT_NE(form, nullptr) << "no window (is there a display?)";
        window.Show();
        HWND start = ChildWithText(form, layout.Start->Caption());
        ASSERT_TRUE(start);
        ValidateRect(form, nullptr);
        ValidateRect(start, nullptr);
        SendMessageA(form, message, 0, 0);
        RECT due{}, client{};
        GetClientRect(form, &client);
        ASSERT_TRUE(GetUpdateRect(form, &due, FALSE));
        EXPECT_TRUE(EqualRect(&due, &client)) << due.right << " x " << due.bottom;
        EXPECT_TRUE(GetUpdateRect(start, nullptr, FALSE)) << "the start button keeps its old colours";
    }
}
