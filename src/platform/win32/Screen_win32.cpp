#include <windows.h>

#include "platform/Screen.h"

int ScreenBitsPerPixel() {
    HDC dc = GetDC(nullptr);
    const int depth = GetDeviceCaps(dc, BITSPIXEL) * GetDeviceCaps(dc, PLANES);
    ReleaseDC(nullptr, dc);
    return depth;
}

std::vector<uint32_t> ScreenHalftonePalette() {
    HDC dc = GetDC(nullptr);
    HPALETTE palette = CreateHalftonePalette(dc);
    ReleaseDC(nullptr, dc);
    std::vector<uint32_t> colours;
    if (!palette) return colours;
    PALETTEENTRY entries[256];
    const UINT count = GetPaletteEntries(palette, 0, 256, entries);
    for (UINT i = 0; i < count; ++i) colours.push_back(RGB(entries[i].peRed, entries[i].peGreen, entries[i].peBlue));
    DeleteObject(palette);
    return colours;
}
