#pragma once
// The extent of a one-line text as the desktop lays it out: Pango with the toolkit's font fallback on
// Linux, GDI on Windows.
#include <string>

struct TTextFont {
    std::string Family;  // Windows-1252; a family the system lacks falls back to its sans
    int PixelHeight{11}; // the character height without internal leading
    bool Bold{false};
    bool Italic{false};
};

struct TTextExtent {
    int Width{0};
    int Height{0};
};

// Text is Windows-1252.
TTextExtent MeasureTextExtent(const TTextFont& Font, const std::string& Text);
