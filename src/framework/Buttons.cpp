#include "framework/Buttons.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <tuple>

#include "framework/Forms.h"
#include "platform/TextExtent.h"

TBitBtnLayout LayoutBitBtn(const TRect& Client, TPoint GlyphSize, TPoint CaptionSize, int Spacing) {
    const bool caption = CaptionSize.X > 0;
    const int gap = caption && GlyphSize.X > 0 ? Spacing : 0;
    const int total = GlyphSize.X + gap + CaptionSize.X;
    const int left = Client.Left + (Client.Width() - total) / 2;
    const int glyphTop = Client.Top + (Client.Height() - GlyphSize.Y) / 2;
    const int captionLeft = left + GlyphSize.X + gap;
    const int captionTop = Client.Top + (Client.Height() - CaptionSize.Y) / 2;
    return {Bounds(left, glyphTop, GlyphSize.X, GlyphSize.Y),
            Bounds(captionLeft, captionTop, CaptionSize.X, CaptionSize.Y)};
}

TPoint CaptionExtent(const std::string& Caption, const TFont& Font) {
    if (Caption.empty()) return {};
    // Measured once for each font and text: a button repaints often and its caption seldom changes.
    using TKey = std::tuple<std::string, int, bool, bool, std::string>;
    static std::map<TKey, TPoint> measured;
    const TTextFont font{Font.Name(), std::abs(Font.Height()), Font.HasStyle(fsBold),
                         Font.HasStyle(fsItalic)};
    const TKey key{font.Family, font.PixelHeight, font.Bold, font.Italic, Caption};
    if (const auto found = measured.find(key); found != measured.end()) return found->second;
    const TTextExtent extent = MeasureTextExtent(font, Caption);
    return measured[key] = TPoint{extent.Width, extent.Height};
}

int GlyphScale(int PixelsPerInch) { return std::max(1, PixelsPerInch / TFont::PixelsPerInch); }

int BitBtnSpacingAt(int PixelsPerInch) { return MulDiv(BitBtnSpacing, PixelsPerInch, TFont::PixelsPerInch); }

void TBitBtn::PaintWindow(TCanvas& ACanvas) {
    TButton::PaintWindow(ACanvas);
    if (FGlyph.Empty()) return;
    const int ppi = PixelsPerInchOf(*this), k = GlyphScale(ppi);
    const int imageWidth = FGlyph.Width() / FNumGlyphs;
    const int image = !Enabled() && FNumGlyphs >= 2 ? 1 : 0;
    const TBitBtnLayout layout = LayoutBitBtn(ClientRect(), TPoint{imageWidth * k, FGlyph.Height() * k},
                                              CaptionExtent(Caption(), Font()), BitBtnSpacingAt(ppi));
    const uint32_t key = FGlyph.PixelColor(0, FGlyph.Height() - 1);
    for (int y = 0; y < FGlyph.Height() * k; ++y)
        for (int x = 0; x < imageWidth * k; ++x) {
            const uint32_t c = FGlyph.PixelColor(image * imageWidth + x / k, y / k);
            if (c != key) ACanvas.PutPixel(layout.Glyph.Left + x, layout.Glyph.Top + y, c);
        }
}
