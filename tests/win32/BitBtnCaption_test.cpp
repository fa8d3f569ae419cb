// The headless drawing has no font engine: it lays a button out with an estimated caption extent.
// GDI (Wine's, in CI) measures the main window's two captions in their real fonts; the glyph the
// headless render places must stand within Tolerance pixels of where that measurement puts it. (Wine
// measures 84 pixels for the bold start caption and 77 for the path caption, where the estimate gives
// 90 and 70; measured in regular, the start caption would put the glyph 5 pixels off.)
#include <gtest/gtest.h>

#include <cstdlib>

#include "framework/Buttons.h"

int GdiCaptionWidth(const char* Caption, bool Bold);

TEST(BitBtnCaption, TheHeadlessGlyphStandsWhereGdisCaptionWidthPutsIt) {
    constexpr int Tolerance = 3;
    struct Row {
        const char* Caption;
        bool Bold;
        TRect Client; // as the main window lays it out
    };
    const Row rows[] = {{"Velundo starten", true, Bounds(0, 0, 465, 89)},
                        {"Pfad ausw\xE4hlen", false, Bounds(0, 0, 145, 25)}};
    for (const Row& r : rows) {
        const TPoint measured{GdiCaptionWidth(r.Caption, r.Bold), 13};
        const int estimated = LayoutBitBtn(r.Client, {16, 16}, EstimatedCaptionExtent(r.Caption, r.Bold)).Glyph.Left;
        const int gdi = LayoutBitBtn(r.Client, {16, 16}, measured).Glyph.Left;
        EXPECT_LE(std::abs(estimated - gdi), Tolerance)
            << r.Caption << ": GDI width " << measured.X << ", glyph at " << estimated << " instead of " << gdi;
    }
}
