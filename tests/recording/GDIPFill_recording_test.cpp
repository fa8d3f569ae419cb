// The fill's outlines and picture placement, recorded: the segments and rectangles handed to GDI+.
#include <gtest/gtest.h>

#include <memory>

#include "RecordingTest.h"
#include "controls/GDIPFill.h"

using recorder::Calls;
using recorder::ExpectCalls;
using recorder::PictureOf;
using recorder::CallsNamed;

namespace {
class RecordingFill : public ::testing::Test {
protected:
    void SetUp() override { recorder::Reset(); }
};

} // namespace

TEST_F(RecordingFill, RoundRectPathAddsItsSegmentsInOrder) {
    std::unique_ptr<TGPGraphicsPath> path(CreateRoundRectPath(MakeRectF(0, 0, 100, 50), 10, rtBoth));
    ExpectCalls(Calls(), {
        "GdipAlloc()",
        "GdipCreatePath(0) -> #1",
        "GdipAddPathArc(#1, 0, 0, 20, 20, 180, 90)",
        "GdipAddPathLine(#1, 10, 0, 90, 0)",
        "GdipAddPathArc(#1, 80, 0, 20, 20, 270, 90)",
        "GdipAddPathLine(#1, 100, 10, 100, 40)",
        "GdipAddPathArc(#1, 80, 30, 20, 20, 0, 90)",
        "GdipAddPathLine(#1, 90, 50, 10, 50)",
        "GdipAddPathArc(#1, 0, 30, 20, 20, 90, 90)",
        "GdipAddPathLine(#1, 0, 40, 0, 10)",
        "GdipClosePathFigure(#1)",
    });
}

TEST_F(RecordingFill, StretchedPlacementRoundsHalvesToEven) {
    auto picture = PictureOf("PNGDATA");
    TSurface surface;
    TGPGraphics g(&surface);
    recorder::Calls().clear();
    // 10 x 10 in 100 x 50 fitted to 50 x 50 at 25; kept at 10 x 10 in 25 x 25 its corner is 7.5,
    // in 27 x 27 it is 8.5: both round to 8.
    DrawPictureAt(g, true, pmStretch, *picture, ppStretched, 10, 10, Rect(0, 0, 100, 50), 0, 0);
    DrawPictureAt(g, true, pmNormal, *picture, ppStretched, 10, 10, Rect(0, 0, 25, 25), 0, 0);
    DrawPictureAt(g, true, pmNormal, *picture, ppStretched, 10, 10, Rect(0, 0, 27, 27), 0, 0);
    DrawPictureAt(g, false, pmStretch, *picture, ppTiled, 10, 10, Rect(3, 4, 13, 24), 0, 0);
    ExpectCalls(CallsNamed({"GdipDrawImageRect", "GdipFillRectangle"}), {
        "GdipDrawImageRect(#2, #3, 25, 0, 50, 50)",
        "GdipDrawImageRect(#2, #4, 8, 8, 10, 10)",
        "GdipDrawImageRect(#2, #5, 8, 8, 10, 10)",
        "GdipFillRectangle(#2, #7, 3, 4, 10, 20)",
    });
}
