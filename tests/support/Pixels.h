#pragma once
// Pixel helpers the painting tests share: filling a 24-bit bitmap, reading a surface pixel, and
// checking pixels against a table. Colours are 0x00BBGGRR (the framework's TColor order) unless a
// name says otherwise.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "framework/Graphics.h"

// A W x H 24-bit bitmap whose pixel (x, y) has the colour Colour(x, y).
template <typename F> void FillBitmap24(TBitmap& B, int W, int H, F Colour) {
    B.SetPixelFormat(pf24bit);
    B.SetSize(W, H);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const uint32_t c = Colour(x, y);
            uint8_t* p = B.ScanLine(y) + x * 3;
            p[0] = GetBValue(c), p[1] = GetGValue(c), p[2] = GetRValue(c);
        }
}

// 0x00RRGGBB (cairo, GDK pixbufs, the surface's own words) to 0x00BBGGRR and back.
constexpr uint32_t SwapRedAndBlue(uint32_t C) {
    return (C & 0xFF) << 16 | (C & 0xFF00) | (C >> 16 & 0xFF);
}

// A surface pixel as the surface stores it, alpha masked off: 0x00RRGGBB.
inline uint32_t SurfaceRgb(const TSurface& S, int X, int Y) {
    return S.Bits[Y * S.Stride / 4 + X] & 0xFFFFFF;
}

// The smallest box (right and bottom exclusive) holding every point (x, y) of a W x H area for which
// Match(x, y) holds; all zero when none does.
template <typename F> TRect MatchingBox(int W, int H, F Match) {
    TRect r{W, H, 0, 0};
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            if (Match(x, y))
                r = {std::min(r.Left, x), std::min(r.Top, y), std::max(r.Right, x + 1),
                     std::max(r.Bottom, y + 1)};
    return r.Right > 0 ? r : TRect{};
}

// All three channels above 200, in either channel order: light letters.
constexpr bool IsLightPixel(uint32_t C) {
    return (C >> 16 & 0xFF) > 200 && (C >> 8 & 0xFF) > 200 && (C & 0xFF) > 200;
}

// One pixel expectation: surface pixel (X, Y) is Color (0x00BBGGRR).
struct TPixelCheck {
    int X, Y;
    uint32_t Color;
    const char* What = "pixel";
};

// Empty when every row matches; else the first row that does not, with both colours.
inline std::string FirstWrongPixel(TSurface& S, const std::vector<TPixelCheck>& Rows) {
    const TCanvas plain(&S); // surface coordinates, whatever origin a painter left on its own canvas
    for (const auto& r : Rows) {
        const uint32_t got = plain.Pixel(r.X, r.Y);
        if (got == r.Color) continue;
        std::ostringstream out;
        out << r.What << " at (" << r.X << ", " << r.Y << "): got 0x" << std::hex << got << ", expected 0x"
            << r.Color;
        return out.str();
    }
    return {};
}

// The same as a check: a failure at the caller's line naming the first row that differs (the
// builtins: clang 14 cannot compile std::source_location).
inline void ExpectPixels(TSurface& S, const std::vector<TPixelCheck>& Rows, const char* File = __builtin_FILE(),
                         int Line = __builtin_LINE()) {
    if (const std::string wrong = FirstWrongPixel(S, Rows); !wrong.empty()) ADD_FAILURE_AT(File, Line) << wrong;
}
