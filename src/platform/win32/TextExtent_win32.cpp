#include <windows.h>

#include "platform/TextExtent.h"

TTextExtent MeasureTextExtent(const TTextFont& Font, const std::string& Text) {
    HDC dc = CreateCompatibleDC(nullptr);
    HFONT font = CreateFontA(-Font.PixelHeight, 0, 0, 0, Font.Bold ? FW_BOLD : FW_NORMAL, Font.Italic, FALSE,
                             FALSE, DEFAULT_CHARSET, 0, 0, 0, 0, Font.Family.c_str());
    HGDIOBJ old = SelectObject(dc, font);
    SIZE size{0, 0};
    if (!Text.empty()) GetTextExtentPoint32A(dc, Text.c_str(), static_cast<int>(Text.size()), &size);
    SelectObject(dc, old);
    DeleteObject(font);
    DeleteDC(dc);
    return {static_cast<int>(size.cx), static_cast<int>(size.cy)};
}
