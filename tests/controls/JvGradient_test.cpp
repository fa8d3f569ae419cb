// The stepped gradient control painted into real memory canvases.
#include <gtest/gtest.h>

#include "controls/JvGradient.h"
#include "platform/Surface.h"
#include "support/Pixels.h"

namespace {
// Paints a gradient of the given size onto a fresh surface of that size.
struct TPainted {
    std::unique_ptr<TSurface> Surface;
    TCanvas Canvas;
    TPainted(TJvGradient& G, int W, int H) : Surface(CreateSurface(W, H)), Canvas(Surface.get()) { Paint(G); }
    void Paint(TJvGradient& G) { G.PaintOn(Canvas); }
};

std::unique_ptr<TJvGradient> Gradient(TJvGradientStyle Style, int W, int H, uint16_t Steps, TColor Start, TColor End) {
    auto g = std::make_unique<TJvGradient>(nullptr);
    g->SetBounds(0, 0, W, H);
    g->SetStyle(Style);
    g->SetSteps(Steps);
    g->SetStartColor(Start);
    g->SetEndColor(End);
    return g;
}

// Every pixel of the rows [Top, Bottom) at three columns.
void AddBand(std::vector<TPixelCheck>& Rows, int Width, int Top, int Bottom, int R, int G, int B) {
    for (int y = Top; y < Bottom; ++y)
        for (int x : {0, Width / 2, Width - 1})
            Rows.push_back({x, y, RGB(R, G, B)});
}

TEST(JvGradientBands, MainWindowExample) {
    auto g = Gradient(grVertical, 506, 310, 100, RGB(239, 246, 253), RGB(199, 218, 240));
    TPainted p(*g, 506, 310);
    std::vector<TPixelCheck> rows;
    AddBand(rows, 506, 0, 3, 239, 246, 253);     // band 0
    AddBand(rows, 506, 3, 6, 239, 246, 253);     // band 1
    AddBand(rows, 506, 6, 9, 238, 245, 253);     // band 2
    AddBand(rows, 506, 71, 74, 230, 240, 250);   // band 23
    AddBand(rows, 506, 155, 158, 219, 232, 246); // band 50
    AddBand(rows, 506, 307, 310, 199, 218, 240); // band 99
    EXPECT_EQ(FirstWrongPixel(*p.Surface, rows), "");
    // Bands 24 and 49 differ from their neighbours, so those band edges are where the table says.
    EXPECT_NE(p.Canvas.Pixel(0, 74), p.Canvas.Pixel(0, 73));
    EXPECT_NE(p.Canvas.Pixel(0, 154), p.Canvas.Pixel(0, 155));
}

// Start black, end 50,100,150: with n = 50 colour i is exactly i, 2i, 3i.
TEST(JvGradientBands, StepsAreLimitedByTheExtent) {
    const TColor end = RGB(50, 100, 150);
    auto vertical = Gradient(grVertical, 20, 50, 1000, clBlack, end);
    auto horizontal = Gradient(grHorizontal, 50, 20, 1000, clBlack, end);
    TPainted pv(*vertical, 20, 50), ph(*horizontal, 50, 20);
    std::vector<TPixelCheck> rowsV, rowsH;
    for (int i = 0; i < 50; ++i) {
        rowsV.push_back({10, i, RGB(i, 2 * i, 3 * i)});
        rowsH.push_back({i, 10, RGB(i, 2 * i, 3 * i)});
    }
    EXPECT_EQ(FirstWrongPixel(*pv.Surface, rowsV), "");
    EXPECT_EQ(FirstWrongPixel(*ph.Surface, rowsH), "");
}

TEST(JvGradientBands, ZeroStepsCountAsOne) {
    auto g = Gradient(grVertical, 8, 30, 0, RGB(10, 20, 30), clWhite);
    TPainted p(*g, 8, 30);
    std::vector<TPixelCheck> rows;
    AddBand(rows, 8, 0, 30, 10, 20, 30);
    EXPECT_EQ(FirstWrongPixel(*p.Surface, rows), "");
}

// 10 x 200 pyramid: n = 5 (width div 2), ring i spans columns i to 10 - i and rows 20i to 200 - 20i,
// colour i = 10i, 20i, 30i.
TEST(JvGradientRings, PyramidStepsAreLimitedByHalfTheWidth) {
    auto g = Gradient(grPyramid, 10, 200, 100, clBlack, RGB(50, 100, 150));
    TPainted p(*g, 10, 200);
    EXPECT_EQ(FirstWrongPixel(*p.Surface, {{0, 100, RGB(0, 0, 0)},
                                           {1, 100, RGB(10, 20, 30)},
                                           {4, 100, RGB(40, 80, 120)},
                                           {5, 100, RGB(40, 80, 120)},
                                           {9, 100, RGB(0, 0, 0)},
                                           {4, 79, RGB(30, 60, 90)},
                                           {4, 80, RGB(40, 80, 120)},
                                           {4, 119, RGB(40, 80, 120)},
                                           {4, 120, RGB(30, 60, 90)},
                                           {2, 39, RGB(10, 20, 30)}}),
              "");
}

// 100 x 100, 10 steps: ring 9 (box 45..55) is the innermost one drawn; the corners keep the start.
TEST(JvGradientRings, EllipseAndMountShrinkTowardsTheCentre) {
    for (TJvGradientStyle style : {grEllipse, grMount}) {
        SCOPED_TRACE(style);
        auto g = Gradient(style, 100, 100, 10, RGB(0, 0, 0), RGB(100, 150, 200));
        TPainted p(*g, 100, 100);
        EXPECT_EQ(FirstWrongPixel(*p.Surface, {{0, 0, RGB(0, 0, 0)},
                                               {99, 99, RGB(0, 0, 0)},
                                               {50, 50, RGB(90, 135, 180)},
                                               {50, 6, RGB(10, 15, 20)},
                                               {50, 0, RGB(0, 0, 0)}}),
                  "");
    }
}

TEST(JvGradientStyles, EqualColoursGiveAUniformFill) {
    for (TJvGradientStyle style : {grFilled, grEllipse, grHorizontal, grVertical, grPyramid, grMount}) {
        SCOPED_TRACE(style);
        auto g = Gradient(style, 31, 17, 7, RGB(12, 34, 56), RGB(12, 34, 56));
        TPainted p(*g, 31, 17);
        std::vector<TPixelCheck> rows;
        for (int y = 0; y < 17; ++y)
            for (int x = 0; x < 31; ++x)
                rows.push_back({x, y, RGB(12, 34, 56)});
        EXPECT_EQ(FirstWrongPixel(*p.Surface, rows), "");
    }
}

TEST(JvGradientStyles, SystemColoursAreResolvedWhenRendering) {
    auto g = Gradient(grFilled, 4, 4, 1, clBtnFace, clBlack);
    TPainted p(*g, 4, 4);
    EXPECT_EQ(p.Canvas.Pixel(2, 2), ColorToRGB(clBtnFace));
}

TEST(JvGradientSizes, ZeroWidthOrHeightDrawsNothing) {
    for (auto [w, h] : {std::pair{0, 10}, std::pair{10, 0}, std::pair{0, 0}}) {
        auto g = Gradient(grVertical, w, h, 100, clWhite, clRed);
        auto surface = CreateSurface(10, 10);
        TCanvas canvas(surface.get());
        EXPECT_NO_THROW(g->PaintOn(canvas));
        EXPECT_NO_THROW(g->PaintOn(canvas));
        EXPECT_EQ(surface->Row(5)[5], 0u) << w << "x" << h;
    }
}

TEST(JvGradientSizes, PaintsAtTheCanvasOriginInsideItsClip) {
    auto g = Gradient(grFilled, 4, 4, 1, clRed, clRed);
    auto surface = CreateSurface(10, 10);
    TCanvas canvas(surface.get());
    canvas.SetOrigin(TPoint{3, 2});
    canvas.SetClipRect(Rect(3, 2, 6, 6));
    g->PaintOn(canvas);
    EXPECT_EQ(surface->Row(2)[3], 0xFFFF0000u);
    EXPECT_EQ(surface->Row(5)[5], 0xFFFF0000u);
    EXPECT_EQ(surface->Row(5)[6], 0u) << "outside the clip";
    EXPECT_EQ(surface->Row(1)[3], 0u);
}

// The rendered surface is a cache: a mark put on it survives until a size or setting change.
TEST(JvGradientCache, RendersAgainOnlyAfterAChange) {
    auto g = Gradient(grVertical, 20, 20, 10, clWhite, clBlack);
    TPainted p(*g, 20, 20);
    int invalidations = 0;
    g->InvalidateSink = [&](TControl*) { ++invalidations; };
    auto mark = [&] { g->Buffer().Row(0)[0] = 0xFF123456u; };
    auto marked = [&] {
        p.Paint(*g);
        return p.Canvas.Pixel(0, 0) == 0x563412u;
    };
    mark();
    EXPECT_TRUE(marked()) << "a plain repaint rendered again";
    g->SetStyle(grVertical);
    g->SetStartColor(clWhite);
    g->SetEndColor(clBlack);
    g->SetSteps(10);
    EXPECT_TRUE(marked()) << "an equal value rendered again";
    EXPECT_EQ(invalidations, 0);
    const std::vector<std::function<void()>> changes = {
        [&] { g->SetSteps(11); }, [&] { g->SetStyle(grHorizontal); }, [&] { g->SetStartColor(clRed); },
        [&] { g->SetEndColor(clBlue); }, [&] { g->SetBounds(0, 0, 19, 20); }};
    for (size_t i = 0; i < changes.size(); ++i) {
        mark();
        changes[i]();
        EXPECT_FALSE(marked()) << "change " << i << " did not render again";
    }
    EXPECT_EQ(invalidations, 5);
}

// The published initial values are checked in PublishedProperties_test.
TEST(JvGradientDefaults, OpaqueWithTheDefaultHintColour) {
    TJvGradient g(nullptr);
    EXPECT_TRUE(g.Opaque());
    EXPECT_EQ(g.HintColor(), clDefault);
}

TEST(JvExGraphicControl, HintColourChoice) {
    struct TRow {
        TColor Own;
        TColor Expected;
    };
    const TRow rows[] = {{clNone, clInfoBk}, {clDefault, clInfoBk}, {clRed, clRed}};
    for (const auto& row : rows) {
        TJvGraphicControl c(nullptr);
        c.SetHintColor(row.Own);
        THintInfo info;
        c.HintShow(info);
        EXPECT_EQ(info.HintColor, row.Expected) << std::hex << row.Own;
    }
}

TEST(JvExGraphicControl, MouseOverFlagAndHandlers) {
    TJvGraphicControl c(nullptr);
    std::vector<std::string> seen;
    c.OnMouseEnter = [&](TObject*) { seen.push_back(c.MouseOver() ? "enter over" : "enter"); };
    c.OnMouseLeave = [&](TObject*) { seen.push_back(c.MouseOver() ? "leave over" : "leave"); };
    c.MouseEnter(nullptr);
    c.MouseLeave(nullptr);
    EXPECT_EQ(seen, (std::vector<std::string>{"enter over", "leave"}));
}
} // namespace
