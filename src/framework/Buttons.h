#pragma once
// The bitmap button: a push button with a glyph left of its caption.
#include <memory>

#include "framework/Graphics.h"
#include "framework/StdCtrls.h"

class TBitBtn : public TButton {
public:
    using TButton::TButton;
    // One or more images side by side: the first for the normal state, the second for disabled.
    TBitmap& Glyph() { return FGlyph; }
    int NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int Value) { FNumGlyphs = Value < 1 ? 1 : Value; }

private:
    TBitmap FGlyph;
    int FNumGlyphs{1};
};
