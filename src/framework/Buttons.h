#pragma once
// The bitmap button: a push button with a glyph left of its caption.
#include <memory>

#include "framework/Graphics.h"
#include "framework/StdCtrls.h"

class TBitBtn : public TButton {
public:
    using TButton::TButton;
    const TPublishedClass* Published() const override;
    // One or more images side by side: the first for the normal state, the second for disabled.
    TBitmap& Glyph() { return FGlyph; }
    const TBitmap& Glyph() const { return FGlyph; }
    int NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int Value) { FNumGlyphs = Value < 1 ? 1 : Value; }
    // The button face with the glyph placed as LayoutBitBtn says; the glyph's bottom-left pixel gives
    // the colour left out.
    void PaintWindow(TCanvas& ACanvas) override;

private:
    TBitmap FGlyph;
    int FNumGlyphs{1};
};

struct TBitBtnLayout {
    TRect Glyph;
    TRect Caption;
};
// The pixels between a bitmap button's glyph and its caption at 96 dots per inch, on every back end.
constexpr int BitBtnSpacing = 4;
// At a resolution of twice 96 dots per inch or more a glyph is shown enlarged by a whole number, each
// bitmap pixel a square of device pixels, so it keeps the bitmap's sharp edges: the factor at
// PixelsPerInch (1 below 192).
int GlyphScale(int PixelsPerInch);
// The glyph's and the caption's distance at PixelsPerInch.
int BitBtnSpacingAt(int PixelsPerInch);
// Glyph left of the caption with Spacing pixels between them, the pair centred in Client; without a
// caption the glyph alone is centred.
TBitBtnLayout LayoutBitBtn(const TRect& Client, TPoint GlyphSize, TPoint CaptionSize, int Spacing = BitBtnSpacing);
// A caption's extent in Font as the desktop measures it (Pango on Linux, GDI on Windows), for the
// framework's own drawing of a button.
TPoint CaptionExtent(const std::string& Caption, const TFont& Font);
