#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "controls/GDIPFill.h"
#include "graphics/GdiplusCanvas_support.h"
#include "support/Pixels.h"

// ---- CreateRoundRectPath: the figure as GDI+ holds it ----

namespace {
// Points closer than this are the same point. A join between two segments that meet exactly adds no
// point; where float arithmetic leaves them a hair apart GDI+ keeps both, so the comparison drops a
// point that repeats its predecessor.
constexpr float kTolerance = 0.01f;

struct TPathRow {
    float X, Y;
    uint8_t Type; // 0 start, 1 line, 3 Bezier, | 0x80 closes the figure
};

std::vector<TPathRow> ReadBack(TGPGraphicsPath& Path) {
    const int n = Path.GetPointCount();
    std::vector<PointF> points(n);
    std::vector<uint8_t> types(n);
    Path.GetPathPoints(points.data(), n);
    Path.GetPathTypes(types.data(), n);
    std::vector<TPathRow> rows;
    for (int i = 0; i < n; ++i) {
        const bool repeat = !rows.empty() && std::fabs(rows.back().X - points[i].X) < kTolerance &&
                            std::fabs(rows.back().Y - points[i].Y) < kTolerance;
        if (repeat) rows.back().Type |= types[i] & 0x80;
        else rows.push_back({points[i].X, points[i].Y, types[i]});
    }
    return rows;
}

void ExpectOutline(TFillRoundingType Corners, const std::vector<TPathRow>& Expected) {
    std::unique_ptr<TGPGraphicsPath> path(CreateRoundRectPath(MakeRectF(0, 0, 100, 50), 10, Corners));
    ASSERT_EQ(path->LastStatus, Ok);
    const auto got = ReadBack(*path);
    const size_t n = std::min(got.size(), Expected.size());
    for (size_t i = 0; i < n; ++i) {
        const TPathRow &g = got[i], &e = Expected[i];
        ASSERT_TRUE(std::fabs(g.X - e.X) < kTolerance && std::fabs(g.Y - e.Y) < kTolerance && g.Type == e.Type)
            << "corners " << int(Corners) << ", row " << i << ": got (" << g.X << ", " << g.Y << ", " << int(g.Type)
            << "), expected (" << e.X << ", " << e.Y << ", " << int(e.Type) << ")";
    }
    ASSERT_EQ(got.size(), Expected.size()) << "corners " << int(Corners);
}

// The Bezier control points of a quarter circle of radius 10 lie 5.5228 from its ends.
constexpr float a = 4.4772f, b = 95.5228f, c = 45.5228f;
} // namespace

TEST(CreateRoundRectPath, NoneIsThePlainRectangleWhateverTheRadius) {
    ExpectOutline(rtNone, {{0, 0, 0}, {100, 0, 1}, {100, 50, 1}, {0, 50, 1}, {0, 0, 0x81}});
}

TEST(CreateRoundRectPath, TopRoundsTheUpperCorners) {
    ExpectOutline(rtTop, {{0, 10, 0}, {0, a, 3}, {a, 0, 3}, {10, 0, 3}, {90, 0, 1}, {b, 0, 3}, {100, a, 3},
                          {100, 10, 3}, {100, 50, 1}, {0, 50, 1}, {0, 10, 0x81}});
}

TEST(CreateRoundRectPath, BottomRoundsTheLowerCorners) {
    ExpectOutline(rtBottom, {{0, 0, 0}, {100, 0, 1}, {100, 40, 1}, {100, c, 3}, {b, 50, 3}, {90, 50, 3},
                             {10, 50, 1}, {a, 50, 3}, {0, c, 3}, {0, 40, 3}, {0, 0, 0x81}});
}

TEST(CreateRoundRectPath, BothRoundsAllFourCorners) {
    ExpectOutline(rtBoth, {{0, 10, 0}, {0, a, 3}, {a, 0, 3}, {10, 0, 3}, {90, 0, 1}, {b, 0, 3}, {100, a, 3},
                           {100, 10, 3}, {100, 40, 1}, {100, c, 3}, {b, 50, 3}, {90, 50, 3}, {10, 50, 1},
                           {a, 50, 3}, {0, c, 3}, {0, 40, 3}, {0, 10, 0x81}});
}

TEST(CreateRoundRectPath, LeftKeepsTheRightCornersSquare) {
    ExpectOutline(rtLeft, {{0, 10, 0}, {0, a, 3}, {a, 0, 3}, {10, 0, 3}, {90, 0, 1}, {100, 0, 1}, {100, 50, 1},
                           {90, 50, 1}, {10, 50, 1}, {a, 50, 3}, {0, c, 3}, {0, 40, 3}, {0, 10, 0x81}});
}

TEST(CreateRoundRectPath, RightKeepsTheLeftCornersSquare) {
    ExpectOutline(rtRight, {{0, 0, 0}, {90, 0, 1}, {b, 0, 3}, {100, a, 3}, {100, 10, 3}, {100, 40, 1},
                            {100, c, 3}, {b, 50, 3}, {90, 50, 3}, {0, 50, 1}, {0, 40, 1}, {0, 10, 0x81}});
}

TEST(CreateRoundRectPath, FilledOutlineLeavesTheRoundedCornersOut) {
    TTestCanvas t(40, 30);
    {
        TGPGraphics g(t.Canvas.Handle());
        std::unique_ptr<TGPGraphicsPath> path(CreateRoundRectPath(MakeRectF(0, 0, 40, 30), 10, rtLeft));
        TGPSolidBrush black(ColorToARGB(255, clBlack));
        g.FillPath(&black, path.get());
    }
    EXPECT_EQ(t.At(1, 1), 0xFFFFFFu);  // rounded top-left
    EXPECT_EQ(t.At(1, 28), 0xFFFFFFu); // rounded bottom-left
    EXPECT_EQ(t.At(38, 1), 0u);        // square right corners
    EXPECT_EQ(t.At(38, 28), 0u);
    EXPECT_EQ(t.At(20, 15), 0u);
}

// ---- FitPictureSize ----

TEST(FitPictureSize, KeepsTheAspect) {
    struct Row {
        double PW, PH, AW, AH;
        TPictureMode Mode;
        double W, H;
    };
    const Row rows[] = {
        {0, 10, 100, 50, pmStretch, 0, 0},     {10, 10, 100, -1, pmNormal, 0, 0},
        {10, 10, 100, 50, pmNormal, 10, 10},   {10, 10, 100, 50, pmStretch, 50, 50},
        {200, 100, 100, 100, pmNormal, 100, 50}, {20, 10, 40, 20, pmStretch, 40, 20},
        {10, 60, 100, 50, pmNormal, 50.0 / 6, 50},
    };
    for (const Row& r : rows) {
        const TPictureSize s = FitPictureSize(r.PW, r.PH, r.AW, r.AH, r.Mode);
        ASSERT_TRUE(std::fabs(s.Width - r.W) < 1e-9 && std::fabs(s.Height - r.H) < 1e-9)
            << r.PW << "x" << r.PH << " in " << r.AW << "x" << r.AH << ": got " << s.Width << "x" << s.Height;
    }
}

// ---- DrawPictureAt: where the picture lands ----

namespace {
// A BMP picture of one colour.
std::unique_ptr<TAdvGDIPPicture> Plain(int W, int H) {
    TBitmap b;
    FillBitmap24(b, W, H, [](int, int) { return 0x0000FFu; }); // red
    auto p = std::make_unique<TAdvGDIPPicture>();
    p->Assign(&b);
    return p;
}

// The box of the pixels more red than white (smoothing at the edges of a scaled picture tints pixels
// beyond them by a fading amount).
TRect Painted(const TTestCanvas& T) {
    return MatchingBox(T.Surface->Width, T.Surface->Height,
                       [&](int x, int y) { return (T.At(x, y) >> 8 & 0xFF) < 0x80; });
}

TRect Place(TAdvGDIPPicture& P, TFillPicturePosition Position, const TRect& Area, bool KeepAspect = false,
            TPictureMode Mode = pmStretch, int X = 0, int Y = 0) {
    TTestCanvas t(120, 60);
    {
        TGPGraphics g(t.Canvas.Handle());
        DrawPictureAt(g, KeepAspect, Mode, P, Position, P.Width(), P.Height(), Area, X, Y);
    }
    return Painted(t);
}
} // namespace

TEST(DrawPictureAt, PlacesThePictureAtEachPosition) {
    auto p = Plain(10, 10);
    const TRect area = Rect(20, 10, 45, 35);
    struct Row {
        TFillPicturePosition Position;
        TRect Expected;
    };
    const Row rows[] = {
        {ppTopLeft, Rect(20, 10, 30, 20)},      {ppTopCenter, Rect(27, 10, 37, 20)},
        {ppTopRight, Rect(35, 10, 45, 20)},     {ppBottomLeft, Rect(20, 25, 30, 35)},
        {ppBottomCenter, Rect(27, 25, 37, 35)}, {ppBottomRight, Rect(35, 25, 45, 35)},
        {ppTiled, Rect(20, 10, 45, 35)},        {ppCenterLeft, Rect(20, 17, 30, 27)},
        {ppCenterCenter, Rect(27, 17, 37, 27)}, {ppCenterRight, Rect(35, 17, 45, 27)},
        {ppCustom, Rect(3, 4, 13, 14)},
    };
    for (const Row& r : rows) {
        const TRect got = Place(*p, r.Position, area, false, pmStretch, 3, 4);
        ASSERT_EQ(got, r.Expected) << "position " << int(r.Position) << ": got (" << got.Left << ", " << got.Top
                                   << ", " << got.Right << ", " << got.Bottom << ")";
    }
}

namespace {
// A scaled picture's edges may land up to half a source pixel off: libgdiplus smooths across them,
// Wine's gdiplus samples half a source pixel toward the bottom-right (two pixels at five times).
void ExpectNear(const TRect& Got, const TRect& Expected, int Tolerance) {
    EXPECT_LE(std::abs(Got.Left - Expected.Left), Tolerance);
    EXPECT_LE(std::abs(Got.Top - Expected.Top), Tolerance);
    EXPECT_LE(std::abs(Got.Right - Expected.Right), Tolerance);
    EXPECT_LE(std::abs(Got.Bottom - Expected.Bottom), Tolerance);
}
} // namespace

TEST(DrawPictureAt, StretchedFillsTheAreaOrKeepsTheAspect) {
    auto p = Plain(10, 10);
    ExpectNear(Place(*p, ppStretched, Rect(20, 10, 45, 35)), Rect(20, 10, 45, 35), 1);
    EXPECT_EQ(Place(*p, ppStretched, Rect(0, 0, 100, 50), true, pmNormal), Rect(45, 20, 55, 30));
    ExpectNear(Place(*p, ppStretched, Rect(0, 0, 100, 50), true, pmStretch), Rect(25, 0, 75, 50), 2);
}

TEST(DrawPictureAt, CentringRoundsTowardZero) {
    auto p = Plain(30, 10);
    EXPECT_EQ(Place(*p, ppTopCenter, Rect(40, 10, 65, 35)), Rect(38, 10, 68, 20)); // -5 div 2 = -2
}

TEST(DrawPictureAt, AnEmptyPictureDrawsNothing) {
    TAdvGDIPPicture empty;
    EXPECT_EQ(Place(empty, ppTiled, Rect(0, 0, 50, 50)), TRect{});
}
