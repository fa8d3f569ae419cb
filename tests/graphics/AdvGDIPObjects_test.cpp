#include <gtest/gtest.h>

#include <memory>

#include "graphics/AdvGDIPObjects.h"
#include "graphics/GdiplusCanvas_support.h"

// ---- colour values ----

TEST(ColorToARGB, PacksOpacityAndSwapsRedAndBlue) {
    struct Row {
        uint8_t Opacity;
        TColor Color;
        ARGB Expected;
    };
    const Row rows[] = {
        {255, 0x00FFFFFF, 0xFFFFFFFF},
        {0, 0x000000FF, 0x00FF0000},
        {128, 0x000000FF, 0x80FF0000},
        {255, 0x00123456, 0xFF563412},
        {255, clNone, 0xFFFFFFFF}, // not a colour: used unchanged, so white
        {255, clBtnFace, 0xFF000000 | ((GetRValue(ColorToRGB(clBtnFace))) << 16) |
                             (GetGValue(ColorToRGB(clBtnFace)) << 8) | GetBValue(ColorToRGB(clBtnFace))},
    };
    for (const Row& r : rows)
        ASSERT_EQ(ColorToARGB(r.Opacity, r.Color), r.Expected) << std::hex << "colour 0x" << r.Color;
}

TEST(MakeARGB, TakesTheLowByteOfEachPart) { EXPECT_EQ(MakeARGB(0x12, 0x34, 0x56, 0x78), 0x12345678u); }

// ---- drawing into a canvas ----

TEST(TGPGraphics, FillsASolidRectangleIntoTheCanvas) {
    TTestCanvas t(20, 20);
    {
        TGPGraphics g(t.Canvas.Handle());
        ASSERT_EQ(g.LastStatus, Ok);
        TGPSolidBrush red(ColorToARGB(255, clRed));
        EXPECT_EQ(g.FillRectangle(&red, 5, 6, 4, 3), Ok);
    }
    EXPECT_EQ(t.At(5, 6), 0x0000FFu);
    EXPECT_EQ(t.At(8, 8), 0x0000FFu);
    EXPECT_EQ(t.At(9, 6), 0xFFFFFFu);
    EXPECT_EQ(t.At(5, 9), 0xFFFFFFu);
    EXPECT_EQ(t.At(4, 6), 0xFFFFFFu);
}

TEST(TGPGraphics, DrawsAtTheCanvasOriginAndInsideItsClip) {
    TTestCanvas t(30, 30);
    t.Canvas.SetOrigin(TPoint{10, 5});
    t.Canvas.SetClipRect(Rect(10, 5, 20, 15)); // surface coordinates
    {
        TGPGraphics g(t.Canvas.Handle());
        TGPSolidBrush blue(ColorToARGB(255, clBlue));
        g.ResetClip(); // the canvas clip outlives the graphics' own
        g.FillRectangle(&blue, -5, -5, 40, 40);
    }
    EXPECT_EQ(t.FirstOtherThan(Rect(10, 5, 20, 15), 0xFF0000), (TPoint{-1, -1}));
    EXPECT_EQ(t.At(9, 10), 0xFFFFFFu);
    EXPECT_EQ(t.At(20, 10), 0xFFFFFFu);
    EXPECT_EQ(t.At(15, 4), 0xFFFFFFu);
    EXPECT_EQ(t.At(15, 15), 0xFFFFFFu);
}

TEST(TGPGraphics, HonoursTheOriginWhenTheClipCoversAll) {
    TTestCanvas t(20, 20);
    t.Canvas.SetOrigin(TPoint{7, 3});
    {
        TGPGraphics g(t.Canvas.Handle());
        TGPSolidBrush black(ColorToARGB(255, clBlack));
        g.FillRectangle(&black, 0, 0, 2, 2);
    }
    EXPECT_EQ(t.At(7, 3), 0u);
    EXPECT_EQ(t.At(8, 4), 0u);
    EXPECT_EQ(t.At(6, 3), 0xFFFFFFu);
    EXPECT_EQ(t.At(0, 0), 0xFFFFFFu);
}

// ---- status rules against the real GDI+ ----

namespace {
std::unique_ptr<TGPPathGradientBrush> TriangleBrush(std::unique_ptr<TGPGraphicsPath>& Path) {
    Path = std::make_unique<TGPGraphicsPath>(0);
    Path->AddPathLine(0, 0, 10, 0);
    Path->AddPathLine(10, 0, 5, 10);
    Path->ClosePathFigure();
    return std::make_unique<TGPPathGradientBrush>(Path.get());
}
} // namespace

TEST(TGPPathGradientBrush, GuardsStoreInvalidParameterWithoutForgettingIt) {
    std::unique_ptr<TGPGraphicsPath> path;
    auto brush = TriangleBrush(path);
    ASSERT_EQ(brush->LastStatus, Ok);
    EXPECT_EQ(brush->GetPathGradientPointCount(), 3);
    const ARGB colours[4] = {0xFF000000, 0xFFFFFFFF, 0xFF00FF00, 0xFF0000FF};
    EXPECT_EQ(brush->SetPathGradientPresetBlend(colours, nullptr, 0), InvalidParameter);
    EXPECT_EQ(brush->LastStatus, InvalidParameter);
    int32_t count = 4;
    EXPECT_EQ(brush->SetPathGradientSurroundColors(colours, count), InvalidParameter);
    EXPECT_EQ(count, 4);
    // A later success leaves the failure, and the centre colour reports it.
    EXPECT_EQ(brush->SetPathGradientWrapMode(4), Ok);
    EXPECT_EQ(brush->LastStatus, InvalidParameter);
    EXPECT_EQ(brush->SetPathGradientCenterColor(0xFF102030), InvalidParameter);
    // Once a failure is on record, a valid count is not written back.
    count = 3;
    EXPECT_EQ(brush->SetPathGradientSurroundColors(colours, count), Ok);
    EXPECT_EQ(count, 3);
}

TEST(TGPPathGradientBrush, WritesTheCountBackWhileNothingFailed) {
    std::unique_ptr<TGPGraphicsPath> path;
    auto brush = TriangleBrush(path);
    const ARGB colours[2] = {0xFF000000, 0xFFFFFFFF};
    int32_t count = 2;
    EXPECT_EQ(brush->SetPathGradientSurroundColors(colours, count), Ok);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(brush->SetPathGradientCenterColor(0xFF102030), Ok);
}

TEST(TGPGraphics, DrawPathWithAbsentPenOnlyRecordsTheStatus) {
    TTestCanvas t(4, 4);
    TGPGraphics g(t.Canvas.Handle());
    EXPECT_EQ(g.DrawPath(nullptr, nullptr), InvalidParameter);
    EXPECT_EQ(g.LastStatus, InvalidParameter);
    EXPECT_EQ(g.SetSmoothingMode(4), Ok);
    EXPECT_EQ(g.GetSmoothingMode(), 4); // the query still answers
    EXPECT_EQ(g.LastStatus, InvalidParameter);
}

// ---- font families ----

TEST(TGPFontFamily, AMissingFamilyReportsFamilyNotFound) {
    TGPFontFamily family(u"Velundo Nonexistent Typeface");
    EXPECT_TRUE(family.LastStatus == FontFamilyNotFound || family.LastStatus == FontStyleNotFound)
        << family.LastStatus;
}

// Natively Arial is the configured alias of Liberation Sans; Wine's gdiplus in a prefix without Arial
// does not follow fontconfig's aliases and reports the family missing. Either answer must be whole.
TEST(TGPFontFamily, ArialIsFoundThroughItsAliasOrReportedMissing) {
    TGPFontFamily family(u"Arial");
    if (family.LastStatus == Ok) {
        EXPECT_NE(family.NativeHandle, nullptr);
    } else {
        EXPECT_EQ(family.LastStatus, FontFamilyNotFound);
        EXPECT_EQ(family.NativeHandle, nullptr);
    }
}

TEST(TGPFontFamily, AnInstalledFamilyIsFound) {
    TGPFontFamily family(u"Liberation Sans");
    EXPECT_EQ(family.LastStatus, Ok);
    EXPECT_NE(family.NativeHandle, nullptr);
}
