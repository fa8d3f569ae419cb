// The canvas's ellipse covers the pixels GDI's Ellipse covers for the same box, pen and brush, as
// Wine's GDI drew them (EllipseWinePixels.h), every row of the box and of the margin around it:
// the small boxes, and the long, narrow rings of the gradient's ring styles, whose tips Wine leaves
// out (a 3 x 300 box starts at row 43; a 1 x 1 box draws nothing).
#include <gtest/gtest.h>

#include "EllipseWinePixels.h"
#include "framework/Graphics.h"

namespace {
constexpr int kMargin = 2; // the box sits this far inside the surface, so pixels outside it show

// The canvas's pixels for the box, as rows of [left, right) relative to the box.
std::map<int, std::pair<int, int>> CanvasRows(int W, int H) {
    auto surface = CreateSurface(W + 2 * kMargin, H + 2 * kMargin);
    TCanvas c(surface.get());
    c.Brush.Color = clWhite;
    c.FillRect(Rect(0, 0, surface->Width, surface->Height));
    c.Pen.Color = c.Brush.Color = clBlack;
    c.Ellipse(Bounds(kMargin, kMargin, W, H));
    std::map<int, std::pair<int, int>> rows;
    for (int y = 0; y < surface->Height; ++y) {
        int l = -1, r = -1, count = 0;
        for (int x = 0; x < surface->Width; ++x)
            if (c.Pixel(x, y) == 0) {
                if (l < 0) l = x;
                r = x + 1;
                ++count;
            }
        if (l < 0) continue;
        EXPECT_EQ(count, r - l) << W << " x " << H << ": row " << y - kMargin << " has a gap";
        rows[y - kMargin] = {l - kMargin, r - kMargin};
    }
    return rows;
}

std::string Span(const std::map<int, std::pair<int, int>>& Rows, int Y) {
    auto it = Rows.find(Y);
    return it == Rows.end() ? "nothing" : std::to_string(it->second.first) + "-" + std::to_string(it->second.second);
}
} // namespace

TEST(CanvasEllipse, CoversThePixelsWinesGdiCovers) {
    for (const TWineEllipse& e : WineEllipses) {
        const auto wine = WineEllipseRows(e);
        const auto ours = CanvasRows(e.Width, e.Height);
        for (int y = -kMargin; y < e.Height + kMargin; ++y)
            EXPECT_EQ(Span(ours, y), Span(wine, y)) << e.Width << " x " << e.Height << ", row " << y;
    }
}

TEST(CanvasEllipse, PenAndBrushShareThePixelsAndAClearBrushLeavesTheInside) {
    auto surface = CreateSurface(20, 12);
    TCanvas c(surface.get());
    c.Brush.Color = clWhite;
    c.FillRect(Rect(0, 0, 20, 12));
    c.Pen.Color = clRed;
    c.Brush.Style = bsClear;
    c.Ellipse(Rect(0, 0, 20, 11));
    const auto spans = EllipseSpans(20, 11);
    for (int y = 0; y < 11; ++y) {
        EXPECT_EQ(c.Pixel(spans[y].first, y), 0x0000FFu) << y; // the outline's ends are pen
        if (spans[y].first > 0) {
            EXPECT_EQ(c.Pixel(spans[y].first - 1, y), 0xFFFFFFu) << y;
        }
    }
    EXPECT_EQ(c.Pixel(10, 5), 0xFFFFFFu); // the centre is untouched
}
