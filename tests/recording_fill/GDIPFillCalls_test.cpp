// The fill's and the smooth label's GDI+ calls, recorded by the stand-in for the flat API. The stand-in
// measures every text as exactly its layout rectangle.
#include <gtest/gtest.h>

#include <memory>

#include "RecordingTest.h"
#include "controls/AdvSmoothLabel.h"
#include "framework/Forms.h"
#include "framework/Scaling.h"
#include "platform/Surface.h"

using Lines = std::vector<std::string>;

using recorder::ExpectCalls;

namespace {
class FillCalls : public ::testing::Test {
protected:
    void SetUp() override {
        recorder::Reset();
        Graphics = std::make_unique<TGPGraphics>(Canvas.Handle());
    }
    void TearDown() override { Graphics.reset(); }

    // The calls made since the graphics object was bound, without memory traffic.
    static Lines Painted() {
        Lines out;
        bool bound = false;
        for (const std::string& c : recorder::Calls()) {
            if (c.rfind("GdipTranslateWorldTransform", 0) == 0) {
                bound = true;
                continue;
            }
            if (bound && c.rfind("GdipAlloc", 0) != 0 && c.rfind("GdipFree", 0) != 0) out.push_back(c);
        }
        return out;
    }
    // Only the calls whose name starts with one of the prefixes.
    static Lines Only(std::initializer_list<const char*> Prefixes) {
        Lines out;
        for (const std::string& c : Painted())
            for (const char* p : Prefixes)
                if (c.rfind(p, 0) == 0) out.push_back(c);
        return out;
    }

    std::unique_ptr<TSurface> Surface = CreateSurface(300, 60);
    TCanvas Canvas{Surface.get()};
    std::unique_ptr<TGPGraphics> Graphics;
    TGDIPFill Fill;
};

// Only the lines that start with one of the prefixes.
Lines Filter(std::initializer_list<const char*> Prefixes, const Lines& From) {
    Lines out;
    for (const std::string& c : From)
        for (const char* p : Prefixes)
            if (c.rfind(p, 0) == 0) out.push_back(c);
    return out;
}

void ExpectRect(const RectF& Got, float X, float Y, float W, float H, const std::string& What) {
    EXPECT_EQ(Got.X, X) << What;
    EXPECT_EQ(Got.Y, Y) << What;
    EXPECT_EQ(Got.Width, W) << What;
    EXPECT_EQ(Got.Height, H) << What;
}
} // namespace

TEST_F(FillCalls, ANewFillPaintsOneVerticalGradientOverTheRectangleGrownByOne) {
    const RectF r = Fill.Fill(Graphics.get(), MakeRectF(0, 0, 279, 49));
    ExpectRect(r, 0, 0, 279, 49, "returned");
    ExpectCalls(Painted(), {
        "GdipGetSmoothingMode(#2)",
        "GdipCreateLineBrushFromRect(-1, -1, 281, 51, ffc0c0c0, ff808080, 1, 0) -> #3",
        "GdipSetLineGammaCorrection(#3, 1)",
        "GdipFillRectangle(#2, #3, 0, 0, 279, 49)",
        "GdipDeleteBrush(#3)",
    });
}

TEST_F(FillCalls, TheMirrorSplitsAtHalfTheHeightWithTwoRowsOfOverlap) {
    Fill.SetColorMirror(clWhite);
    Fill.SetColorMirrorTo(clBlack);
    Fill.SetGradientMirrorType(gtHorizontal);
    Fill.Fill(Graphics.get(), MakeRectF(10, 20, 100, 10));
    ExpectCalls(Only({"GdipCreate", "GdipFill"}), {
        "GdipCreateLineBrushFromRect(9, 19, 102, 8, ffc0c0c0, ff808080, 1, 0) -> #3",
        "GdipFillRectangle(#2, #3, 10, 20, 100, 6)",
        "GdipCreateLineBrushFromRect(9, 23, 102, 8, ffffffff, ff000000, 0, 0) -> #4",
        "GdipFillRectangle(#2, #4, 10, 24, 100, 6)",
        "GdipCreateSolidFill(ffffffff) -> #5", // the mirror part's first row
        "GdipFillRectangle(#2, #5, 10, 24, 100, 1)",
    });
}

TEST_F(FillCalls, ColourOverridesAndOpacityArguments) {
    struct Row {
        const char* What;
        std::function<void(TGDIPFill&)> Set;
        uint8_t Opacity;
        Lines Expected;
    };
    const Row rows[] = {
        {"Color clNone paints nothing", [](TGDIPFill& f) { f.SetColor(clNone); }, 255, {}},
        {"ColorTo clNone is solid", [](TGDIPFill& f) { f.SetColorTo(clNone); }, 255,
         {"GdipCreateSolidFill(ffc0c0c0) -> #3"}},
        {"an opacity argument replaces the property", [](TGDIPFill& f) { f.SetOpacity(100); }, 0,
         {"GdipCreateLineBrushFromRect(-1, -1, 12, 12, c0c0c0, ff808080, 1, 0) -> #3"}},
        {"255 takes the property", [](TGDIPFill& f) { f.SetOpacity(100); }, 255,
         {"GdipCreateLineBrushFromRect(-1, -1, 12, 12, 64c0c0c0, ff808080, 1, 0) -> #3"}},
        {"hatch", [](TGDIPFill& f) { f.SetGradientType(gtHatch); f.SetHatchStyle(HatchStyleWave); }, 255,
         {"GdipCreateHatchBrush(37, ffc0c0c0, ff808080) -> #3"}},
        {"angle", [](TGDIPFill& f) { f.SetGradientType(gtAngle); f.SetAngle(30); }, 255,
         {"GdipCreateLineBrushFromRectWithAngle(-1, -1, 12, 12, ffc0c0c0, ff808080, 30, 1, 0) -> #3"}},
        {"gtPath paints nothing", [](TGDIPFill& f) { f.SetGradientType(gtPath); }, 255, {}},
        {"texture without a tiled picture paints nothing", [](TGDIPFill& f) { f.SetGradientType(gtTexture); }, 255, {}},
    };
    for (const auto& row : rows) {
        recorder::Reset();
        Graphics = std::make_unique<TGPGraphics>(Canvas.Handle());
        TGDIPFill f;
        row.Set(f);
        f.Fill(Graphics.get(), MakeRectF(0, 0, 10, 10), 255, row.Opacity);
        EXPECT_EQ(Only({"GdipCreate"}), row.Expected) << row.What;
    }
}

TEST_F(FillCalls, ShadowsReturnWhatRemainsOfTheRectangle) {
    struct Row {
        TShadowType Type;
        int Offset;
        TColor Color;
        RectF Expected;
    };
    const Row rows[] = {
        {stRightBottom, 5, clGray, {10, 20, 95, 45}}, {stSurround, 5, clGray, {15, 25, 90, 40}},
        {stBottom, 5, clGray, {10, 20, 100, 45}},     {stRightBottom, 0, clGray, {10, 20, 100, 50}},
        {stSurround, 5, clNone, {10, 20, 100, 50}},
    };
    for (const auto& row : rows) {
        TGDIPFill f;
        f.SetShadowType(row.Type);
        f.SetShadowOffset(row.Offset);
        f.SetShadowColor(row.Color);
        const RectF r = f.Fill(Graphics.get(), MakeRectF(10, 20, 100, 50));
        ExpectRect(r, row.Expected.X, row.Expected.Y, row.Expected.Width, row.Expected.Height,
                   "type " + std::to_string(row.Type) + " offset " + std::to_string(row.Offset));
    }
}

TEST_F(FillCalls, TheRightBottomShadowFadesItsOuterTenth) {
    Fill.SetShadowOffset(3);
    Fill.SetColor(clNone); // nothing else painted
    Fill.Fill(Graphics.get(), MakeRectF(0, 0, 40, 20));
    ExpectCalls(Only({"GdipCreatePathGradient", "GdipSetPathGradient", "GdipFillPath", "GdipDeleteBrush"}), {
        "GdipCreatePathGradientFromPath(#3) -> #4",
        "GdipSetPathGradientWrapMode(#4, 4)",
        "GdipSetPathGradientPresetBlend(#4, ptr, ptr, 3)",
        "GdipFillPath(#2, #4, #3)",
        "GdipDeleteBrush(#4)",
    });
}

TEST_F(FillCalls, AOnePixelWideAreaIsOnlyItsBorderLine) {
    Fill.SetBorderColor(clBlack);
    Fill.SetBorderWidth(2);
    Fill.SetShadowOffset(4);
    Fill.Fill(Graphics.get(), MakeRectF(5, 6, 1, 30));
    ExpectCalls(Painted(), {
        "GdipCreatePen1(ff000000, 2, 0) -> #3",
        "GdipDrawLine(#2, #3, 5, 6, 6, 36)",
        "GdipDeletePen(#3)",
    });
    recorder::Reset();
    Graphics = std::make_unique<TGPGraphics>(Canvas.Handle());
    Fill.Fill(Graphics.get(), MakeRectF(5, 6, 1.5f, 30)); // 1.5 is no line
    EXPECT_TRUE(Only({"GdipDrawLine"}).empty());
    EXPECT_FALSE(Only({"GdipDrawPath"}).empty());
}

TEST_F(FillCalls, TheRadialGlowSitsBelowTheGlowRectangle) {
    Fill.SetGlow(gmRadial);
    Fill.SetColor(clNone);
    Fill.Fill(Graphics.get(), MakeRectF(0, 0, 100, 40));
    ExpectCalls(Painted(), {
        "GdipGetSmoothingMode(#2)", // the main part, which paints nothing without a colour
        "GdipCreateRegionRect(0, 0, 100, 40) -> #3",
        "GdipSetClipRegion(#2, #3, 0)",
        "GdipCreatePath(0) -> #4",
        "GdipAddPathEllipse(#4, 11, -18, 78, 114)",
        "GdipCreatePathGradientFromPath(#4) -> #5",
        "GdipSetPathGradientCenterPoint(#5, 50, 39)",
        "GdipSetPathGradientCenterColor(#5, 96ffffff)",
        "GdipGetPathGradientPointCount(#5)",
        "GdipSetPathGradientSurroundColorsWithCount(#5, ptr, 1)",
        "GdipFillPath(#2, #5, #4)",
        "GdipDeleteBrush(#5)",
        "GdipDeletePath(#4)",
        "GdipResetClip(#2)",
        "GdipDeleteRegion(#3)",
    });
}

TEST_F(FillCalls, TheGradientGlowHasAnOutlineAHighlightAndAShade) {
    Fill.SetGlow(gmGradient);
    Fill.SetColor(clNone);
    Fill.Fill(Graphics.get(), MakeRectF(0, 0, 100, 40));
    ExpectCalls(Only({"GdipCreatePen1", "GdipCreateLineBrush", "GdipFillRectangle", "GdipSetLineGamma"}), {
        "GdipCreatePen1(c8ffffff, 1, 0) -> #5", // #3 the clip region, #4 the outline
        "GdipCreateLineBrushFromRect(5, 0, 90, 6, afffffff, ffffff, 1, 0) -> #6",
        "GdipFillRectangle(#2, #6, 6, 1, 88, 4)",
        "GdipCreateLineBrushFromRect(5, 31, 90, 9, ffffff, dcffffff, 1, 0) -> #9",
        "GdipFillRectangle(#2, #9, 6, 32, 88, 7)",
    });
    EXPECT_EQ(Only({"GdipFillPath"}).size(), 4u); // four corner triangles
}

TEST_F(FillCalls, RoundedMirrorPartsRoundOnlyTheirOwnCorners) {
    Fill.SetColorMirror(clWhite);
    Fill.SetGradientType(gtHatch); // not split, but the mirror mapping still applies
    Fill.SetRounding(4);
    Fill.Fill(Graphics.get(), MakeRectF(0, 0, 40, 20));
    // rtBoth maps to rtTop for the main part: two arcs, anti-aliased and restored.
    EXPECT_EQ(Only({"GdipAddPathArc"}).size(), 2u);
    ExpectCalls(Only({"GdipGetSmoothingMode", "GdipSetSmoothingMode"}), {
        "GdipGetSmoothingMode(#2)",
        "GdipSetSmoothingMode(#2, 4)",
        "GdipSetSmoothingMode(#2, 3)", // back to what was read
    });
}

// ---- The smooth label ----------------------------------------------------------------------------

namespace {
class LabelCalls : public ::testing::Test {
protected:
    void SetUp() override { recorder::Reset(); }
    static Lines Text() { // the text calls of a paint
        Lines out;
        for (const std::string& c : recorder::Calls())
            for (const char* p : {"GdipCreateFontFamily", "GdipCreateStringFormat", "GdipSetStringFormatAlign",
                                  "GdipCreateFont(", "GdipMeasureString", "GdipSetTextRenderingHint",
                                  "GdipCreateLineBrush", "GdipCreateSolidFill", "GdipCreateHatchBrush",
                                  "GdipDrawString"})
                if (c.rfind(p, 0) == 0) out.push_back(c);
        return out;
    }
    std::unique_ptr<TSurface> Surface = CreateSurface(300, 60);
    TCanvas Canvas{Surface.get()};
    TAdvSmoothLabel Label{nullptr};
};
} // namespace

TEST_F(LabelCalls, TheMainWindowLabelDrawsTheGreyShadowThenTheWhiteCaption) {
    Label.SetTextRendering(tClearType);
    Label.SetCaptionShadowVisible(true);
    for (TAdvSmoothLabelCaption* c : {Label.Caption(), Label.CaptionShadow()}) {
        c->SetText("Client");
        c->SetLocation(plCenterLeft);
        c->Font()->SetName("Arial");
        c->Font()->SetHeight(-27);
    }
    Label.Caption()->SetColorStart(clWhite);
    Label.Caption()->SetColorEnd(16643823);
    Label.CaptionShadow()->SetColorStart(clGray);
    Label.CaptionShadow()->SetColorEnd(clGray);
    recorder::Reset();
    Label.DrawLabel(Canvas);
    // Measured h is 49 here, so (49 - h) / 2 is 0: the shadow at (1, 1), the caption at (0, 0).
    ExpectCalls(Text(), {
        "GdipCreateFontFamilyFromName(\"Arial\", null) -> #3",
        "GdipCreateStringFormat(4096, 0) -> #4",
        "GdipCreateFont(#3, 26.6667, 0, 2) -> #5", // 20 points at 96 dpi, in pixels
        "GdipMeasureString(#2, \"Client\", 6, #5, 0, 0, 279, 49, #4, null, null)",
        "GdipSetTextRenderingHint(#2, 5)",
        "GdipCreateLineBrush(1, 1, 1, 50, ff808080, ff808080, 0) -> #6",
        "GdipDrawString(#2, \"Client\", 6, #5, 1, 1, 279, 49, #4, #6)",
        "GdipCreateFontFamilyFromName(\"Arial\", null) -> #7",
        "GdipCreateStringFormat(4096, 0) -> #8",
        "GdipCreateFont(#7, 26.6667, 0, 2) -> #9",
        "GdipMeasureString(#2, \"Client\", 6, #9, 0, 0, 279, 49, #8, null, null)",
        "GdipSetTextRenderingHint(#2, 5)",
        "GdipCreateLineBrush(0, 0, 0, 49, ffffffff, ffeff6fd, 0) -> #10",
        "GdipDrawString(#2, \"Client\", 6, #9, 0, 0, 279, 49, #8, #10)",
    });
    // Every object of a caption is freed: brush, family, font, string format.
    const Lines& all = recorder::Calls();
    const auto at = [&](const std::string& s) { return std::find(all.begin(), all.end(), s) - all.begin(); };
    EXPECT_LT(at("GdipDeleteBrush(#10)"), at("GdipDeleteFontFamily(#7)"));
    EXPECT_LT(at("GdipDeleteFontFamily(#7)"), at("GdipDeleteFont(#9)"));
    EXPECT_LT(at("GdipDeleteFont(#9)"), at("GdipDeleteStringFormat(#8)"));
}

// Where the caption's family is missing, Arial; where that is missing too, GDI+'s generic sans-serif
// family; then an installed family, Arial's metric twins first. A family that was not found is freed
// before the next is made; any other status of the first is ignored.
TEST_F(LabelCalls, AMissingFamilyFallsBackToArialThenTheGenericSansSerifThenAnInstalledFamily) {
    const std::u16string twin = u"Liberation Sans", sans = u"DejaVu Sans", math = u"DejaVu Math TeX Gyre";
    struct Row {
        std::vector<GpStatus> Families; // what the calls for a family by name answer, in turn
        GpStatus Generic;
        std::vector<std::u16string> Installed;
        Lines Expected;
    };
    const std::string no = " = 14", freed = "GdipDeleteFontFamily(null)";
    const std::string first = "GdipCreateFontFamilyFromName(\"Liberation Sans\", null)";
    const std::string arial = "GdipCreateFontFamilyFromName(\"Arial\", null)";
    const std::string generic = "GdipGetGenericFontFamilySansSerif()";
    const std::string dejavu = "GdipCreateFontFamilyFromName(\"DejaVu Sans\", null)";
    const GpStatus missing = FontFamilyNotFound;
    const Row rows[] = {
        {{missing}, Ok, {}, {first + no, freed, arial}},
        {{FontStyleNotFound}, Ok, {}, {first + " = 15", freed, arial}},
        {{missing, missing}, Ok, {}, {first + no, freed, arial + no, freed, generic}},
        {{missing, missing}, missing, {math, sans, twin}, {first + no, freed, arial + no, freed, generic + no, freed, first}},
        {{missing, missing}, missing, {math, sans}, {first + no, freed, arial + no, freed, generic + no, freed, dejavu}},
        {{InvalidParameter}, Ok, {}, {first + " = 2", "GdipDeleteFontFamily(null)"}},
    };
    Label.Caption()->SetText("x");
    Label.Caption()->Font()->SetName("Liberation Sans");
    for (const Row& row : rows) {
        recorder::Reset();
        for (GpStatus status : row.Families) recorder::FailNext("GdipCreateFontFamilyFromName", status);
        if (row.Generic != Ok) recorder::FailNext("GdipGetGenericFontFamilySansSerif", row.Generic);
        recorder::Answers().InstalledFamilies = row.Installed;
        Label.DrawLabel(Canvas);
        const Lines calls =
            recorder::CallsNamed({"GdipCreateFontFamily", "GdipGetGenericFontFamily", "GdipDeleteFontFamily"});
        const Lines made(calls.begin(), calls.begin() + std::min(calls.size(), row.Expected.size()));
        EXPECT_EQ(made, row.Expected) << "row " << (&row - rows);
    }
}

// The caption's points become pixels at the resolution of the form the label is on: a point is
// 1/72 inch, so 20 points are 26.67 pixels at 96 dots per inch, 40 at 144 and 53.33 at 192.
TEST_F(LabelCalls, TheFontsPointsArePixelsAtTheFormsResolution) {
    const std::pair<int, const char*> rows[] = {{96, "26.6667"}, {144, "40"}, {192, "53.3333"}};
    for (const auto& [ppi, pixels] : rows) {
        TForm form(nullptr);
        auto* label = new TAdvSmoothLabel(&form);
        label->SetParent(&form);
        label->Caption()->SetText("x");
        ScaleFormTo(form, ppi);
        recorder::Reset();
        label->DrawLabel(Canvas);
        const Lines fonts = Filter({"GdipCreateFont("}, Text());
        ASSERT_EQ(fonts.size(), 1u) << ppi;
        EXPECT_EQ(fonts[0].substr(0, fonts[0].find(" ->")), std::string("GdipCreateFont(#3, ") + pixels + ", 0, 2)") << ppi;
    }
}

TEST_F(LabelCalls, BrushesByGradientType) {
    struct Row {
        TAdvGradientType Type;
        TColor End;
        const char* Brush; // empty: no brush, the draw gets none
    };
    const Row rows[] = {
        {gtSolid, clBlack, "GdipCreateSolidFill(ff9fe0ff)"},
        {gtHorizontal, clBlack, "GdipCreateLineBrush(0, 0, 279, 0, ff9fe0ff, ff000000, 0)"},
        {gtForwardDiagonal, clBlack, "GdipCreateLineBrush(0, 0, 279, 49, ff9fe0ff, ff000000, 0)"},
        {gtBackwardDiagonal, clBlack, "GdipCreateLineBrush(0, 49, 279, 0, ff000000, ff9fe0ff, 0)"},
        {gtVertical, clNone, "GdipCreateLineBrush(0, 0, 0, 49, ff9fe0ff, ff9fe0ff, 0)"},
        {gtHatch, clBlack, "GdipCreateHatchBrush(0, ff9fe0ff, ff000000)"},
        {gtRadial, clBlack, ""},
        {gtNone, clBlack, ""},
    };
    Label.Caption()->SetText("x");
    Label.Caption()->SetLocation(plTopLeft);
    for (const auto& row : rows) {
        Label.Caption()->SetGradientType(row.Type);
        Label.Caption()->SetColorEnd(row.End);
        recorder::Reset();
        Label.DrawLabel(Canvas);
        Lines brushes;
        for (const std::string& c : Filter({"GdipCreateLineBrush", "GdipCreateSolidFill", "GdipCreateHatchBrush"}, Text()))
            brushes.push_back(c.substr(0, c.find(" ->")));
        EXPECT_EQ(brushes, row.Brush[0] ? Lines{row.Brush} : Lines{}) << row.Type;
        const Lines draws = Filter({"GdipDrawString"}, Text());
        ASSERT_EQ(draws.size(), 1u) << row.Type;
        EXPECT_EQ(draws[0].find("null)") != std::string::npos, row.Brush[0] == 0) << draws[0];
    }
}

TEST_F(LabelCalls, AlignmentIsSetOnlyWithWordWrap) {
    Label.Caption()->SetText("x");
    Label.Caption()->SetLocation(plTopRight);
    Label.DrawLabel(Canvas);
    EXPECT_EQ(Filter({"GdipCreateStringFormat", "GdipSetStringFormatAlign"}, Text()),
              (Lines{"GdipCreateStringFormat(4096, 0) -> #4"}));
    Label.SetWordWrap(true);
    recorder::Reset();
    Label.DrawLabel(Canvas);
    EXPECT_EQ(Filter({"GdipCreateStringFormat", "GdipSetStringFormatAlign"}, Text()),
              (Lines{"GdipCreateStringFormat(0, 0) -> #4", "GdipSetStringFormatAlign(#4, 2)"}));
}

TEST_F(LabelCalls, TinyLabelsAndEmptyTexts) {
    Label.Caption()->SetText("x");
    Label.SetBounds(0, 0, 1, 40);
    Label.DrawLabel(Canvas);
    EXPECT_TRUE(recorder::Calls().empty()); // one pixel wide: nothing, not even graphics
    Label.SetBounds(0, 0, 2, 2);
    recorder::Reset();
    Label.DrawLabel(Canvas);
    EXPECT_EQ(Filter({"GdipMeasureString"}, Text()), (Lines{"GdipMeasureString(#2, \"x\", 1, #5, 0, 0, 1, 1, #4, null, null)"}));
    Label.Caption()->SetText("");
    Label.SetTransparent(false);
    Label.SetBounds(0, 0, 20, 20);
    recorder::Reset();
    Label.DrawLabel(Canvas);
    EXPECT_TRUE(Filter({"GdipCreateFontFamily", "GdipDrawString"}, Text()).empty());
    EXPECT_FALSE(Filter({"GdipFillRectangle"}, recorder::Calls()).empty()); // only the fill
}

// Freeing orders as the fill's steps word them; each row names the calls that must come in this order.
TEST_F(FillCalls, ObjectsAreFreedInTheOrderOfTheirSteps) {
    struct Row {
        const char* What;
        std::function<void(TGDIPFill&)> Set;
        Lines Order; // a subsequence of the recorded calls
    };
    const Row rows[] = {
        {"radial: background path, then its brush; then gradient brush, ellipse path, region, clip",
         [](TGDIPFill& f) { f.SetGradientType(gtRadial); },
         {"GdipCreateSolidFill(ffc0c0c0) -> #4", "GdipCreateRegionPath(#3) -> #5", "GdipSetClipRegion(#2, #5, 0)",
          "GdipDeletePath(#3)", "GdipDeleteBrush(#4)", "GdipFillRectangle(#2, #7, 0, 0, 40, 20)",
          "GdipDeleteBrush(#7)", "GdipDeletePath(#6)", "GdipDeleteRegion(#5)", "GdipResetClip(#2)"}},
        {"mirror linear part: the gradient brush is freed before the first row's brush is made",
         [](TGDIPFill& f) {
             f.SetColorMirror(clWhite);
             f.SetColorMirrorTo(clBlack);
             f.SetGradientMirrorType(gtVertical);
         },
         {"GdipDeleteBrush(#4)", "GdipCreateSolidFill(ffffffff) -> #5", "GdipDeleteBrush(#5)"}},
        {"glow: clip reset, then region", [](TGDIPFill& f) {
             f.SetGlow(gmRadial);
             f.SetColor(clNone);
         },
         {"GdipSetClipRegion(#2, #3, 0)", "GdipResetClip(#2)", "GdipDeleteRegion(#3)"}},
    };
    for (const auto& row : rows) {
        recorder::Reset();
        Graphics = std::make_unique<TGPGraphics>(Canvas.Handle());
        TGDIPFill f;
        row.Set(f);
        f.Fill(Graphics.get(), MakeRectF(0, 0, 40, 20));
        const Lines got = Painted();
        auto at = got.begin();
        for (const std::string& want : row.Order) {
            at = std::find(at, got.end(), want);
            ASSERT_NE(at, got.end()) << row.What << ": missing or out of order: " << want;
        }
    }
}
