#pragma once
// The painted layers both flat-call yardsticks draw the same way, with GDI+'s flat calls only: the
// stepped gradient and the "Client" caption (also the full-repaint yardstick of bench/window_bench).
// Include after the flat-call declarations.
#include <cmath>
#include <cstdint>

inline void FillRect(GpGraphics* g, ARGB color, REAL x, REAL y, REAL w, REAL h) {
    GpSolidFill* brush = nullptr;
    GdipCreateSolidFill(color, &brush);
    GdipFillRectangle(g, reinterpret_cast<GpBrush*>(brush), x, y, w, h);
    GdipDeleteBrush(reinterpret_cast<GpBrush*>(brush));
}

// The 100 bands of the background, 310 rows aligned to the bottom of a client area Width x Height,
// from (239, 246, 253) to EndColor (0xRRGGBB).
inline void Gradient(GpGraphics* g, int Width, int Height, uint32_t EndColor = 0xC7DAF0) {
    const int height = 310, top = Height - height, steps = 100;
    const double start[3] = {239, 246, 253}, h = double(height) / steps;
    const double end[3] = {double(EndColor >> 16 & 0xFF), double(EndColor >> 8 & 0xFF), double(EndColor & 0xFF)};
    for (int i = 0; i <= steps; ++i) {
        const int y0 = int(std::nearbyint(i * h)), y1 = int(std::nearbyint((i + 1) * h));
        ARGB c = 0xFF000000;
        for (int k = 0; k < 3; ++k)
            c |= ARGB(std::nearbyint(start[k] + i * (end[k] - start[k]) / steps)) << (16 - 8 * k);
        FillRect(g, c, 0, REAL(top + y0), REAL(Width), REAL(y1 - y0));
    }
}

inline void Caption(GpGraphics* g) {
    GdipSetTextRenderingHint(g, 5); // ClearType, as the launcher's label asks
    GpFontFamily* family = nullptr;
    GdipCreateFontFamilyFromName(u"Arial", nullptr, &family);
    GpFont* font = nullptr;
    GdipCreateFont(family, 27, 0, UnitPixel, &font);
    GpStringFormat* format = nullptr;
    GdipCreateStringFormat(0, 0, &format);
    const RectF layout{424, 7, 280, 50};
    RectF box;
    GdipMeasureString(g, u"Client", 6, font, &layout, format, &box, nullptr, nullptr);
    const RectF at{layout.X, layout.Y + (layout.Height - box.Height) / 2, box.Width, box.Height};
    const RectF shadow{at.X + 1, at.Y + 1, at.Width, at.Height};
    GpSolidFill* gray = nullptr;
    GdipCreateSolidFill(0xFF808080, &gray);
    GdipDrawString(g, u"Client", 6, font, &shadow, format, reinterpret_cast<GpBrush*>(gray));
    GdipDeleteBrush(reinterpret_cast<GpBrush*>(gray));
    GpLineGradient* fill = nullptr;
    GdipCreateLineBrushFromRect(&at, 0xFFFFFFFF, 0xFFEFF6FD, 1 /* vertical */, 0, &fill);
    GdipDrawString(g, u"Client", 6, font, &at, format, reinterpret_cast<GpBrush*>(fill));
    GdipDeleteBrush(reinterpret_cast<GpBrush*>(fill));
    GdipDeleteStringFormat(format);
    GdipDeleteFont(font);
    GdipDeleteFontFamily(family);
}
