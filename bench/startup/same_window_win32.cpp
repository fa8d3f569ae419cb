// The yardstick for the Windows launcher's start-up: the launcher's window written straight on Win32,
// common controls 6 and the GDI+ flat calls: the same title, client size, controls, glyphs, fonts,
// stepped gradient, banner and caption, nothing of the launcher's own code.
#include <windows.h>
#include <commctrl.h>
#include <cmath>

#include "platform/GdiPlusFlat.h"

extern "C" GpStatus WINGDIPAPI GdipSetClipRect(GpGraphics* graphics, REAL x, REAL y, REAL width, REAL height,
                                               int32_t combineMode);

constexpr int kWidth = 506, kHeight = 294, kPanelHeight = 57;
#include "same_window_layers.h"

namespace {
GpImage* banner = nullptr;

void Paint(HDC dc) {
    RECT panel{0, 0, kWidth, kPanelHeight};
    DrawEdge(dc, &panel, BDR_SUNKENOUTER, BF_RECT);
    GpGraphics* g = nullptr;
    GdipCreateFromHDC(dc, &g);
    GdipSetClipRect(g, 0, kPanelHeight, kWidth, kHeight - kPanelHeight, 0);
    Gradient(g, kWidth, kHeight);
    GdipSetClipRect(g, 1, 1, kWidth - 2, kPanelHeight - 2, 0);
    if (banner)
        GdipDrawImageRectRect(g, banner, 1, 1, kWidth - 2, kPanelHeight - 2, 0, 0, kWidth - 2, kPanelHeight - 2,
                              UnitPixel, nullptr, nullptr, nullptr);
    Caption(g);
    GdipDeleteGraphics(g);
}

// The banner JPEG from the program's resources, through a COM stream.
GpImage* LoadBanner(HINSTANCE instance) {
    HRSRC found = FindResourceA(instance, "BANNER", MAKEINTRESOURCEA(10) /* RT_RCDATA */);
    if (!found) return nullptr;
    const DWORD size = SizeofResource(instance, found);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    CopyMemory(GlobalLock(memory), LockResource(LoadResource(instance, found)), size);
    GlobalUnlock(memory);
    IStream* stream = nullptr;
    GpImage* image = nullptr;
    if (CreateStreamOnHGlobal(memory, TRUE, &stream) == S_OK) {
        GdipLoadImageFromStream(stream, &image);
        stream->Release();
    }
    return image;
}

LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window, &ps);
        Paint(dc);
        EndPaint(window, &ps);
        return 0;
    }
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, w, l);
}

HWND Child(HWND parent, const char* cls, const char* text, DWORD style, int x, int y, int w, int h, HFONT font,
           DWORD exStyle = 0) {
    HWND child = CreateWindowExA(exStyle, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    SendMessageA(child, WM_SETFONT, WPARAM(font), FALSE);
    return child;
}

// A glyph button: the first 16 x 16 image of a bitmap resource, the bottom-left colour transparent.
void SetGlyph(HWND button, const char* resource, COLORREF key) {
    HIMAGELIST list =
        ImageList_LoadImageA(GetModuleHandleA(nullptr), resource, 16, 0, key, IMAGE_BITMAP, LR_CREATEDIBSECTION);
    while (ImageList_GetImageCount(list) > 1) ImageList_Remove(list, 1);
    BUTTON_IMAGELIST images{list, {4, 0, 4, 0}, BUTTON_IMAGELIST_ALIGN_LEFT};
    SendMessageA(button, BCM_SETIMAGELIST, 0, LPARAM(&images));
}
} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    uintptr_t token = 0;
    GdiplusStartupInput input;
    GdiplusStartupOutput output;
    GdiplusStartup(&token, &input, &output);
    banner = LoadBanner(instance);

    WNDCLASSA cls{};
    cls.lpfnWndProc = Proc;
    cls.hInstance = instance;
    cls.hCursor = LoadCursor(nullptr, IDC_ARROW);
    cls.hbrBackground = HBRUSH(COLOR_BTNFACE + 1);
    cls.lpszClassName = "SameWindow";
    RegisterClassA(&cls);
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
    RECT r{0, 0, kWidth, kHeight};
    AdjustWindowRect(&r, style, FALSE);
    const int width = r.right - r.left, height = r.bottom - r.top;
    HWND window = CreateWindowExA(0, "SameWindow", "Velundo Client (Win32)", style,
                                  (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                                  (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height, nullptr, nullptr,
                                  instance, nullptr);
    HFONT font = CreateFontA(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "MS Sans Serif");
    HFONT bold = CreateFontA(-11, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "MS Sans Serif");
    SetGlyph(Child(window, "BUTTON", "Velundo starten", WS_TABSTOP | BS_PUSHBUTTON, 16, 72, 465, 89, bold),
             "STARTGLYPH", RGB(248, 0, 248));
    Child(window, "BUTTON", "Pfad der Velundo.exe auf Ihrem Server ", BS_GROUPBOX, 16, 176, 465, 97, font);
    Child(window, "EDIT", "", ES_AUTOHSCROLL | ES_READONLY | WS_DISABLED, 32, 208, 409, 21, font, WS_EX_CLIENTEDGE);
    SetGlyph(Child(window, "BUTTON", "Pfad ausw\xe4hlen", WS_TABSTOP | BS_PUSHBUTTON, 32, 240, 145, 25, font),
             "FOLDERGLYPH", RGB(255, 0, 255));
    ShowWindow(window, show);
    UpdateWindow(window);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (IsDialogMessageA(window, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    if (banner) GdipDisposeImage(banner);
    GdiplusShutdown(token);
    DeleteObject(font);
    DeleteObject(bold);
    return 0;
}
