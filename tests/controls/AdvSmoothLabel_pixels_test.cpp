// Real pixels: the label and the fill drawn by GDI+ (libgdiplus natively, gdiplus.dll under Wine) into
// memory canvases.
#include <gtest/gtest.h>

#include "controls/AdvSmoothLabel.h"
#include "graphics/GdiplusCanvas_support.h"
#include "support/Pixels.h"

namespace {
constexpr TColor Background = 0x00A05028; // red 40, green 80, blue 160: neither light nor grey

struct TRgb {
    int R, G, B;
};
TRgb Split(uint32_t c) { return {int(GetRValue(c)), int(GetGValue(c)), int(GetBValue(c))}; }
bool IsGrey(uint32_t c) { // the shadow's 0x808080, allowing for anti-aliasing with the background
    const TRgb p = Split(c);
    return std::abs(p.R - p.G) < 24 && std::abs(p.G - p.B) < 24 && p.R > 96 && p.R < 160;
}

} // namespace

// Whatever font the machine gives for Arial, or none: tests/captionfonts runs this with fontconfig
// giving Arial to DejaVu Sans and to Nimbus Sans, and under Wine it runs on a prefix as wineboot
// makes it, which has neither Arial nor GDI+'s generic sans-serif family.
TEST(AdvSmoothLabelPixels, TheMainWindowCaptionIsLightLettersOverAGreyShadowOnePixelDownRight) {
    TAdvSmoothLabel label(nullptr);
    label.SetTextRendering(tClearType);
    label.SetCaptionShadowVisible(true);
    for (TAdvSmoothLabelCaption* c : {label.Caption(), label.CaptionShadow()}) {
        c->SetText("Client");
        c->SetLocation(plCenterLeft);
        c->Font()->SetName("Arial");
        c->Font()->SetHeight(-27);
    }
    label.Caption()->SetColorStart(clWhite);
    label.Caption()->SetColorEnd(16643823);
    label.CaptionShadow()->SetColorStart(clGray);
    label.CaptionShadow()->SetColorEnd(clGray);

    TTestCanvas canvas(280, 50, Background);
    label.DrawLabel(canvas.Canvas);

    // Transparent: the background stays wherever there is no text.
    EXPECT_EQ(canvas.At(0, 0), static_cast<uint32_t>(Background));
    EXPECT_EQ(canvas.At(279, 49), static_cast<uint32_t>(Background));
    EXPECT_EQ(canvas.FirstOtherThan(Rect(120, 0, 280, 50), Background).X, -1) << "nothing right of the word";

    const TRect light = MatchingBox(280, 50, [&](int x, int y) { return IsLightPixel(canvas.At(x, y)); });
    const TRect grey = MatchingBox(280, 50, [&](int x, int y) { return IsGrey(canvas.At(x, y)); });
    ASSERT_GT(light.Right, 0) << "no light letters";
    ASSERT_GT(grey.Right, 0) << "no grey shadow";
    EXPECT_LE(light.Left, 8); // left-aligned: only the glyph side bearing and GDI+'s own text padding
    EXPECT_NEAR((light.Top + light.Bottom) / 2.0, 25, 4); // vertically centred
    EXPECT_GT(light.Right - light.Left, 41);              // "Client" at 20 points
    EXPECT_LT(light.Right - light.Left, 91);
    EXPECT_NEAR(grey.Right, light.Right + 1, 1);
    EXPECT_NEAR(grey.Bottom, light.Bottom + 1, 1);
    EXPECT_GE(grey.Left, light.Left);
}

TEST(AdvSmoothLabelPixels, ANewFillIsAVerticalGradientFromSilverToGrey) {
    TGDIPFill fill;
    TTestCanvas canvas(280, 50, Background);
    {
        TGPGraphics graphics(canvas.Canvas.Handle());
        const RectF r = fill.Fill(&graphics, MakeRectF(0, 0, 279, 49));
        EXPECT_EQ(r.Width, 279);
        EXPECT_EQ(r.Height, 49);
    }
    const TRgb top = Split(canvas.At(140, 0)), bottom = Split(canvas.At(140, 48));
    EXPECT_NEAR(top.R, 0xC0, 6);
    EXPECT_NEAR(bottom.R, 0x80, 6);
    int previous = 256;
    for (int y = 0; y < 49; ++y) {
        const TRgb p = Split(canvas.At(140, y));
        EXPECT_EQ(p.R, p.B) << "row " << y;
        EXPECT_LE(p.R, previous) << "row " << y;
        previous = p.R;
    }
    EXPECT_EQ(canvas.At(279, 25), static_cast<uint32_t>(Background)) << "the last column is outside the rectangle";
}

TEST(AdvSmoothLabelPixels, AnOpaqueLabelPaintsItsFillBehindTheText) {
    TAdvSmoothLabel label(nullptr);
    label.SetTransparent(false);
    TTestCanvas canvas(280, 50, Background);
    label.DrawLabel(canvas.Canvas); // both texts empty: only the fill
    EXPECT_NEAR(Split(canvas.At(10, 1)).R, 0xBE, 8);
    EXPECT_EQ(Split(canvas.At(10, 1)).G, Split(canvas.At(10, 1)).B);
}
