// The headless drawing lays a button out with the caption extent the framework measures; under
// Windows that is GDI's. Measured here independently in the button's real font, each caption must put
// the glyph exactly where the headless render places it (Wine measures 84 pixels for the bold start
// caption and 77 for the path caption; measured in regular, the start caption would put the glyph 5
// pixels off).
#include <gtest/gtest.h>

#include "framework/Buttons.h"

int ToolkitCaptionWidth(const char* Caption, bool Bold);

TEST(BitBtnCaption, TheHeadlessGlyphStandsWhereGdisCaptionWidthPutsIt) {
    struct Row {
        const char* Caption;
        bool Bold;
        TRect Client; // as the main window lays it out
    };
    const Row rows[] = {{"Velundo starten", true, Bounds(0, 0, 465, 89)},
                        {"Pfad ausw\xE4hlen", false, Bounds(0, 0, 145, 25)}};
    for (const Row& r : rows) {
        TFont font;
        font.SetStyle(r.Bold ? FontStyle(fsBold) : TFontStyles{0});
        const TPoint measured{ToolkitCaptionWidth(r.Caption, r.Bold), 13};
        ASSERT_GT(measured.X, 40) << r.Caption << ": GDI measured no font";
        const int headless = LayoutBitBtn(r.Client, {16, 16}, CaptionExtent(r.Caption, font)).Glyph.Left;
        const int gdi = LayoutBitBtn(r.Client, {16, 16}, measured).Glyph.Left;
        EXPECT_EQ(headless, gdi) << r.Caption << ": GDI width " << measured.X;
    }
}
