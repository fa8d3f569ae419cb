// GDI's width of a caption in the main window's button font (kept apart: <windows.h> and the
// framework's headers do not mix).
#include <windows.h>

#include <cstring>

int ToolkitCaptionWidth(const char* Caption, bool Bold) {
    HDC dc = CreateCompatibleDC(nullptr);
    HFONT font = CreateFontA(-11, 0, 0, 0, Bold ? FW_BOLD : FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0,
                             "MS Sans Serif");
    HGDIOBJ old = SelectObject(dc, font);
    SIZE size{};
    GetTextExtentPoint32A(dc, Caption, static_cast<int>(std::strlen(Caption)), &size);
    SelectObject(dc, old);
    DeleteObject(font);
    DeleteDC(dc);
    return size.cx;
}
