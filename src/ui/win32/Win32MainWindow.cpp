#include "ui/win32/Win32MainWindow.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "framework/Buttons.h"
#include "framework/ControlPainter.h"
#include "framework/Scaling.h"
#include "framework/Panel.h"
#include "framework/StdCtrls.h"
#include "framework/WindowedControls.h"
#include "platform/win32/WindowsApi.h"
#include "ui/win32/Win32Accessible.h"
#include "ui/win32/Win32CommonControls.h"
#include "ui/win32/Win32VisualStyle.h"

#include <vssym32.h>

namespace {
const char* const kFormClass = "TVelundoForm";
const char* const kPanelClass = "TVelundoPanel";

// Win32's child windows nest: a panel is a child window that clips what it holds.
constexpr bool kNativeWidgetsNest = true;

TNativeKind KindOf(const TWinControl& Control) { return NativeKindOf(Control, kNativeWidgetsNest); }

HFONT CreateFontOf(const TFont& Font) {
    return CreateFontA(Font.Height(), 0, 0, 0, Font.HasStyle(fsBold) ? FW_BOLD : FW_NORMAL,
                       Font.HasStyle(fsItalic), Font.HasStyle(fsUnderline), Font.HasStyle(fsStrikeOut),
                       DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                       Font.Name().c_str());
}

bool SameFont(const TFont& A, const TFont& B) {
    return A.Name() == B.Name() && A.Height() == B.Height() && A.Style() == B.Style();
}

void RegisterClasses(WNDPROC FormProc, WNDPROC PanelProc) {
    static bool registered = false;
    if (registered) return;
    registered = true;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES}; // and tooltips
    if (CommonControls().Init) CommonControls().Init(&controls);
    WNDCLASSEXA form{};
    form.cbSize = sizeof form;
    form.lpfnWndProc = FormProc;
    form.hInstance = GetModuleHandleA(nullptr);
    form.hIcon = LoadIconA(form.hInstance, "MAINICON");
    form.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    form.lpszClassName = kFormClass;
    RegisterClassExA(&form);
    WNDCLASSEXA panel = form;
    panel.lpfnWndProc = PanelProc;
    panel.hIcon = nullptr;
    panel.lpszClassName = kPanelClass;
    RegisterClassExA(&panel);
}

// A glyph's colour as a disabled button shows an image that has no disabled one of its own: its grey,
// lightened halfway to white (as GTK dims an insensitive image). The transparent colour stays.
uint32_t Dimmed(uint32_t Color, uint32_t Transparent) {
    if (Color == Transparent) return Color;
    const int grey = (GetRValue(Color) * 299 + GetGValue(Color) * 587 + GetBValue(Color) * 114) / 1000;
    const int light = grey + (255 - grey) / 2;
    return RGB(light, light, light);
}

// One image of a glyph that holds NumGlyphs side by side, each bitmap pixel Scale x Scale pixels, or
// null when the system makes none; Dim greys it (Dimmed). The pixels are laid out in memory of our
// own and handed to the system whole: the bits of a DIB section are the system's, and Wine has been
// seen to return a section without them.
HBITMAP GlyphImage(TBitmap& Glyph, int NumGlyphs, int Index, int Scale, bool Dim) {
    const int source = Glyph.Width() / std::max(1, NumGlyphs);
    const int width = source * Scale, height = Glyph.Height() * Scale;
    if (width <= 0 || height <= 0) return nullptr;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    const int stride = (width * 3 + 3) & ~3;
    std::vector<uint8_t> pixels(static_cast<size_t>(stride) * height);
    const uint32_t key = Glyph.PixelColor(0, Glyph.Height() - 1);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            uint32_t c = Glyph.PixelColor(Index * source + x / Scale, y / Scale);
            if (Dim) c = Dimmed(c, key);
            uint8_t* p = pixels.data() + static_cast<size_t>(y) * stride + x * 3;
            p[0] = GetBValue(c);
            p[1] = GetGValue(c);
            p[2] = GetRValue(c);
        }
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateDIBitmap(screen, &info.bmiHeader, CBM_INIT, pixels.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    return bitmap;
}

TWin32MainWindow* WindowOf(HWND Window) {
    return reinterpret_cast<TWin32MainWindow*>(GetWindowLongPtrA(Window, GWLP_USERDATA));
}
} // namespace

// The form does not clip its children away: a group box draws only its frame and caption and leaves
// the rest to the form's paint below it.
unsigned long FormWindowStyle(const TForm& Form) {
    const TWindowFrame frame = FrameOf(Form);
    DWORD style = !frame.Decorated ? WS_POPUP : WS_OVERLAPPED | WS_CAPTION | (frame.Sizeable ? WS_THICKFRAME : 0);
    if (frame.SystemMenu) style |= WS_SYSMENU;
    if (frame.MinimizeBox) style |= WS_MINIMIZEBOX;
    if (frame.MaximizeBox) style |= WS_MAXIMIZEBOX;
    return style;
}

TWin32MainWindow::TWin32MainWindow(TForm& Form, TWin32Dialogs& Backend) : FForm(Form), FBackend(Backend) {
    RegisterClasses(reinterpret_cast<WNDPROC>(&FormProc), reinterpret_cast<WNDPROC>(&PanelProc));
    const DWORD style = FormWindowStyle(Form);
    RECT outer{0, 0, Form.Width(), Form.Height()};
    AdjustWindowRectEx(&outer, style, FALSE, 0);
    const int width = outer.right - outer.left, height = outer.bottom - outer.top;
    int x = Form.Left(), y = Form.Top();
    if (Form.Position() == poScreenCenter || Form.Position() == poDesktopCenter) {
        x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
        y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    }
    FWindow = CreateWindowExA(0, kFormClass, Form.Caption().c_str(), style, x, y, width, height, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
    SetWindowLongPtrA(FWindow, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    FFormFont = CreateFontOf(Form.Font());
    FTooltips = std::make_unique<TWin32Tooltips>(FWindow);
    CreateNatives(Form, TPoint{0, 0});
    SyncAll();
    FForm.InvalidateSink = [this](TControl*) { Invalidated(); };
    FBackend.SetOwner(FWindow);
}

TWin32MainWindow::~TWin32MainWindow() {
    FForm.InvalidateSink = nullptr;
    FBackend.SetOwner(nullptr);
    FTooltips.reset();
    if (FWindow) {
        SetWindowLongPtrA(FWindow, GWLP_USERDATA, 0);
        DestroyWindow(FWindow);
    }
    for (TNative& n : FNatives) {
        if (n.Font) DeleteObject(n.Font);
        if (n.Glyphs) CommonControls().DestroyImages(n.Glyphs);
    }
    if (FFormFont) DeleteObject(FFormFont);
}

// Children in creation order; a group box goes below the controls it frames, so they paint over it.
void TWin32MainWindow::CreateNatives(TWinControl& Parent, TPoint Origin) {
    for (int i = 0; i < Parent.ControlCount(); ++i) {
        auto* child = dynamic_cast<TWinControl*>(Parent.Controls(i));
        if (!child) continue;
        const TPoint at{Origin.X + child->Left(), Origin.Y + child->Top()};
        const TNativeKind kind = KindOf(*child);
        const bool frame = kind == TNativeKind::GroupBox;
        if (!frame && kind != TNativeKind::None) CreateNative(*child, at);
        CreateNatives(*child, at);
        if (frame) CreateNative(*child, at);
    }
}

void TWin32MainWindow::CreateNative(TWinControl& Control, TPoint Origin) {
    TNative native;
    native.Control = &Control;
    native.Text = Control.Caption();
    DWORD style = WS_CHILD | WS_VISIBLE;
    DWORD exStyle = 0;
    const char* cls = "BUTTON";
    const TNativeKind kind = KindOf(Control);
    switch (kind) {
    case TNativeKind::Container:
        cls = kPanelClass;
        style |= WS_CLIPCHILDREN;
        break;
    case TNativeKind::GroupBox: style |= BS_GROUPBOX; break;
    case TNativeKind::Edit:
        cls = "EDIT";
        style |= ES_AUTOHSCROLL | (static_cast<TEdit&>(Control).ReadOnly() ? ES_READONLY : 0);
        exStyle = WS_EX_CLIENTEDGE;
        break;
    case TNativeKind::GlyphButton: style |= BS_OWNERDRAW; break;
    default: style |= BS_PUSHBUTTON; break;
    }
    if (Control.TabStop()) style |= WS_TABSTOP;
    native.Window = CreateWindowExA(exStyle, cls, native.Text.c_str(), style, Origin.X, Origin.Y, Control.Width(),
                                    Control.Height(), FWindow, nullptr, GetModuleHandleA(nullptr), nullptr);
    SetWindowLongPtrA(native.Window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    if (!SameFont(Control.Font(), FForm.Font())) native.Font = CreateFontOf(Control.Font());
    SendMessageA(native.Window, WM_SETFONT, reinterpret_cast<WPARAM>(native.Font ? native.Font : FFormFont), FALSE);
    EnableWindow(native.Window, Control.Enabled());
    native.Enabled = Control.Enabled();
    if (kind == TNativeKind::GlyphButton) SetGlyph(native);
    if (kind != TNativeKind::Container) MakeAccessible(native.Window, AccessibleInfoOf(Control));
    FNatives.push_back(native);
}

// The glyph's images at the form's enlargement: the normal one, and the disabled one (the second
// image when there is one, else the first dimmed); the bottom-left pixel's colour is transparent.
void TWin32MainWindow::SetGlyph(TNative& Native) {
    const TWin32CommonControls& controls = CommonControls();
    if (!controls.HasImages()) return;
    auto& button = static_cast<TBitBtn&>(*Native.Control);
    TBitmap& glyph = button.Glyph();
    const int count = std::max(1, button.NumGlyphs());
    const int scale = GlyphScale(FForm.PixelsPerInch());
    const int width = glyph.Width() / count * scale, height = glyph.Height() * scale;
    if (Native.Glyphs) controls.DestroyImages(Native.Glyphs);
    Native.Glyphs = controls.CreateImages(width, height, ILC_COLOR24 | ILC_MASK, 2, 0);
    const COLORREF key = glyph.PixelColor(0, glyph.Height() - 1);
    for (int index : {0, 1}) {
        if (HBITMAP image = GlyphImage(glyph, count, count >= 2 ? index : 0, scale, index == 1 && count < 2)) {
            controls.AddMasked(Native.Glyphs, image, key);
            DeleteObject(image);
        }
    }
}

// A bitmap button's face in the system's visual style, the glyph left of the caption with 4 pixels
// (at 96 dots per inch) between them and the pair centred, as the framework lays it out.
void TWin32MainWindow::DrawBitButton(const DRAWITEMSTRUCT& Item) {
    TNative* native = NativeOfWindow(Item.hwndItem);
    if (!native) return;
    HDC dc = Item.hDC;
    RECT r = Item.rcItem;
    const bool disabled = Item.itemState & ODS_DISABLED, pressed = Item.itemState & ODS_SELECTED;
    const bool focused = Item.itemState & ODS_FOCUS;
    const TWin32VisualStyle& style = VisualStyle();
    if (HTHEME theme = style.Available() ? style.Open(Item.hwndItem, L"BUTTON") : nullptr) {
        const int state = disabled ? PBS_DISABLED : pressed ? PBS_PRESSED : focused ? PBS_DEFAULTED : PBS_NORMAL;
        if (style.IsPartiallyTransparent(theme, BP_PUSHBUTTON, state)) style.DrawParentBackground(Item.hwndItem, dc, &r);
        style.DrawBackground(theme, dc, BP_PUSHBUTTON, state, &r, nullptr);
        style.Close(theme);
    } else {
        DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
    }
    const std::string& caption = native->Control->Caption();
    HGDIOBJ oldFont = SelectObject(dc, native->Font ? native->Font : FFormFont);
    SIZE extent{0, 0};
    if (!caption.empty()) GetTextExtentPoint32A(dc, caption.c_str(), static_cast<int>(caption.size()), &extent);
    int glyphWidth = 0, glyphHeight = 0;
    if (native->Glyphs) CommonControls().ImageSize(native->Glyphs, &glyphWidth, &glyphHeight);
    const int shift = pressed ? 1 : 0;
    const TRect client{r.left + shift, r.top + shift, r.right + shift, r.bottom + shift};
    const TBitBtnLayout layout = LayoutBitBtn(client, TPoint{glyphWidth, glyphHeight}, TPoint{extent.cx, extent.cy},
                                              BitBtnSpacingAt(FForm.PixelsPerInch()));
    if (native->Glyphs)
        CommonControls().DrawImage(native->Glyphs, disabled ? 1 : 0, dc, layout.Glyph.Left, layout.Glyph.Top, ILD_NORMAL);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
    RECT text{layout.Caption.Left, layout.Caption.Top, layout.Caption.Right, layout.Caption.Bottom};
    DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &text, DT_SINGLELINE | DT_NOCLIP);
    SelectObject(dc, oldFont);
    if (focused && !(Item.itemState & ODS_NOFOCUSRECT)) {
        RECT focus = r;
        InflateRect(&focus, -4, -4);
        DrawFocusRect(dc, &focus);
    }
}

TWin32MainWindow::TNative* TWin32MainWindow::Find(const TControl* Control) {
    for (auto& n : FNatives)
        if (n.Control == Control) return &n;
    return nullptr;
}

TWin32MainWindow::TNative* TWin32MainWindow::NativeOfWindow(HWND__* Window) {
    for (auto& n : FNatives)
        if (n.Window == Window) return &n;
    return nullptr;
}

void TWin32MainWindow::SyncAll() {
    ForEachWindowedControl(FForm, [this](TWinControl& Control, TPoint Origin, bool Visible) {
        if (TNative* native = Find(&Control)) Sync(*native, Origin, Visible);
    });
}

// Brings a native window in line with its control: place, visibility, enabled state and text.
void TWin32MainWindow::Sync(TNative& Native, TPoint Origin, bool Visible) {
    TWinControl& c = *Native.Control;
    RECT r;
    GetWindowRect(Native.Window, &r);
    MapWindowPoints(nullptr, FWindow, reinterpret_cast<POINT*>(&r), 2);
    const bool moved =
        r.left != Origin.X || r.top != Origin.Y || r.right - r.left != c.Width() || r.bottom - r.top != c.Height();
    if (moved) MoveWindow(Native.Window, Origin.X, Origin.Y, c.Width(), c.Height(), TRUE);
    if (Visible != Native.Visible) {
        Native.Visible = Visible;
        ShowWindow(Native.Window, Visible ? SW_SHOWNA : SW_HIDE);
    }
    if (c.Enabled() != Native.Enabled) {
        Native.Enabled = c.Enabled();
        const bool hadFocus = GetFocus() == Native.Window;
        EnableWindow(Native.Window, Native.Enabled);
        if (hadFocus && !Native.Enabled) FocusChild(); // a control disabled under the focus hands it on
    }
    if (c.Caption() != Native.Text) {
        Native.Text = c.Caption();
        SetWindowTextA(Native.Window, Native.Text.c_str());
    }
    if (c.ShownHint() != Native.Hint || (moved && !Native.Hint.empty())) {
        Native.Hint = c.ShownHint();
        FTooltips->Set(Native.Window, Native.Hint);
        UpdateAccessible(Native.Window, AccessibleInfoOf(c));
    }
}

// Another resolution (the window moved to another monitor, or the monitor's scale changed): the form
// is scaled to it, bounds and fonts, the native controls follow with fonts made anew, and the window
// takes the place the system suggests. The painted layers are drawn at the new size on the next paint.
void TWin32MainWindow::ChangeDpi(int Dpi, const RECT& Suggested) {
    ScaleFormTo(FForm, Dpi);
    if (FFormFont) DeleteObject(FFormFont);
    FFormFont = CreateFontOf(FForm.Font());
    for (TNative& n : FNatives) {
        if (n.Font) DeleteObject(n.Font);
        n.Font = SameFont(n.Control->Font(), FForm.Font()) ? nullptr : CreateFontOf(n.Control->Font());
        SendMessageA(n.Window, WM_SETFONT, reinterpret_cast<WPARAM>(n.Font ? n.Font : FFormFont), FALSE);
        if (n.Glyphs) SetGlyph(n); // at the new resolution's enlargement
    }
    SyncAll();
    SetWindowPos(FWindow, nullptr, Suggested.left, Suggested.top, Suggested.right - Suggested.left,
                 Suggested.bottom - Suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    RedrawWindow(FWindow, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void TWin32MainWindow::Invalidated() {
    SyncAll();
    RedrawWindow(FWindow, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void TWin32MainWindow::Show() {
    ShowWindow(FWindow, SW_SHOWNORMAL);
    UpdateWindow(FWindow);
    FocusChild();
}

// The keyboard focus goes back to the control that had it when the window was last deactivated (by
// a dialog, or another program), as a dialog box does it; the first time to the first tab stop.
void TWin32MainWindow::FocusChild() {
    if (FFocus && IsWindow(FFocus) && IsWindowEnabled(FFocus) && IsWindowVisible(FFocus)) {
        SetFocus(FFocus);
        return;
    }
    for (const TNative& n : FNatives)
        if (n.Control->TabStop() && n.Control->Enabled()) {
            SetFocus(n.Window);
            return;
        }
}

// Enter presses the focused button. The dialog manager would send it to the default button instead,
// and the window has none; a held key presses it once.
bool TWin32MainWindow::PressFocusedButton(const MSG& Message) {
    if (Message.message != WM_KEYDOWN || Message.wParam != VK_RETURN || (Message.lParam & (1 << 30))) return false;
    TNative* native = NativeOfWindow(GetFocus());
    if (!native || !IsWindowEnabled(native->Window)) return false;
    const TNativeKind kind = KindOf(*native->Control);
    if (kind != TNativeKind::GlyphButton && kind != TNativeKind::Button) return false;
    TControl* control = native->Control;
    FForm.Dispatch([control] { control->Click(); });
    return true;
}

void TWin32MainWindow::Run() {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (FWindow && PressFocusedButton(message)) continue;
        // Tab moves between the tab stops, Space presses the focused button.
        if (FWindow && IsDialogMessageA(FWindow, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

// The painted layers of Root into a memory canvas of the window's size, then copied in one go, so
// nothing flickers. The form leaves the areas of its native children to them.
void TWin32MainWindow::Paint(HWND__* Window, TWinControl& Root, bool SkipNatives) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(Window, &ps);
    auto buffer = CreateSurface(Root.Width(), Root.Height());
    if (buffer->NativeHandle) {
        if (SkipNatives) PaintControlTree(Root, *buffer, [this](const TWinControl& c) { return Find(&c) != nullptr; });
        else PaintControlTree(Root, *buffer);
        // The painter leaves the memory canvas at its last control's origin and clip.
        HDC source = static_cast<HDC>(buffer->NativeHandle);
        SetViewportOrgEx(source, 0, 0, nullptr);
        SelectClipRgn(source, nullptr);
        const RECT& r = ps.rcPaint;
        BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, static_cast<HDC>(buffer->NativeHandle), r.left,
               r.top, SRCCOPY);
    }
    EndPaint(Window, &ps);
}

intptr_t __stdcall TWin32MainWindow::FormProc(HWND__* Window, unsigned Message, uintptr_t WParam, intptr_t LParam) {
    TWin32MainWindow* self = WindowOf(Window);
    if (self && self->FWindow == Window) return self->HandleFormMessage(Message, WParam, LParam);
    return DefWindowProcA(Window, Message, WParam, LParam);
}

intptr_t TWin32MainWindow::HandleFormMessage(unsigned Message, uintptr_t WParam, intptr_t LParam) {
    HWND window = FWindow;
    switch (Message) {
    case WM_ERASEBKGND:
        return 1; // the paint covers everything
    case WM_PAINT:
        Paint(FWindow, FForm, true);
        return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
        // Group box captions and read-only fields stand on the button face, as the form paints it.
        HDC dc = reinterpret_cast<HDC>(WParam);
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        return reinterpret_cast<intptr_t>(GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_SYSCOLORCHANGE:
    case WM_THEMECHANGED:
        // Another visual style, high contrast, or new system colours: the common controls are told
        // (a top-level window passes the colour change on), and everything is painted anew in them.
        for (const TNative& n : FNatives) SendMessageA(n.Window, Message, WParam, LParam);
        Invalidated();
        return 0;
    case WM_DPICHANGED:
        ChangeDpi(HIWORD(WParam), *reinterpret_cast<const RECT*>(LParam));
        return 0;
    case WM_DRAWITEM:
        DrawBitButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(LParam));
        return TRUE;
    case WM_COMMAND:
        if (HIWORD(WParam) == BN_CLICKED)
            if (TNative* native = NativeOfWindow(reinterpret_cast<HWND>(LParam))) {
                TControl* control = native->Control;
                FForm.Dispatch([control] { control->Click(); });
            }
        return 0;
    case WM_SETTINGCHANGE:
        // High contrast switched on or off: the painted background and caption follow it.
        if (WParam == SPI_SETHIGHCONTRAST) Invalidated();
        break;
    case WM_ACTIVATE:
        if (LOWORD(WParam) != WA_INACTIVE) FForm.Dispatch([this] { FForm.Activate(); });
        else if (HWND focus = GetFocus(); focus && IsChild(FWindow, focus)) FFocus = focus;
        break;
    case WM_SETFOCUS:
        FocusChild();
        return 0;
    case WM_CLOSE:
        FForm.Dispatch([this] { FForm.Close(); });
        if (FForm.Closed()) ShowWindow(FWindow, SW_HIDE); // destroyed with this object
        return 0;
    case WM_DESTROY:
        FWindow = nullptr;
        break;
    }
    return DefWindowProcA(window, Message, WParam, LParam);
}

intptr_t __stdcall TWin32MainWindow::PanelProc(HWND__* Window, unsigned Message, uintptr_t WParam, intptr_t LParam) {
    TWin32MainWindow* self = WindowOf(Window);
    TNative* native = self ? self->NativeOfWindow(Window) : nullptr;
    if (native && Message == WM_ERASEBKGND) return 1;
    if (native && Message == WM_GETOBJECT)
        if (const intptr_t answer = AnswerGetObject(Window, WParam, LParam, AccessibleInfoOf(*native->Control)))
            return answer;
    if (native && Message == WM_PAINT) {
        self->Paint(Window, *native->Control, false);
        return 0;
    }
    return DefWindowProcA(Window, Message, WParam, LParam);
}
