// Real pixels of the control painter: stacking, origins, clipping, the panel's bevel, the picture
// control and the bitmap button's glyph.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "framework/Buttons.h"
#include "framework/ControlPainter.h"
#include "framework/ExtCtrls.h"
#include "framework/Forms.h"
#include "framework/StdCtrls.h"
#include "support/Pixels.h"

namespace {
// A windowless control that fills its bounds grown by Overdraw pixels, and marks its own (0, 0).
class TSwatch : public TGraphicControl {
public:
    TSwatch(TWinControl* Parent, TRect R, TColor Fill, int Overdraw = 0)
        : TGraphicControl(Parent), FFill(Fill), FOverdraw(Overdraw) {
        SetParent(Parent);
        SetBounds(R.Left, R.Top, R.Width(), R.Height());
    }
    static constexpr uint32_t Mark = 0x010203;

protected:
    void Paint() override {
        Canvas().Brush.Color = FFill;
        Canvas().FillRect(TRect{-FOverdraw, -FOverdraw, Width() + FOverdraw, Height() + FOverdraw});
        Canvas().PutPixel(0, 0, Mark);
    }

private:
    TColor FFill;
    int FOverdraw;
};

// A windowless control that paints nothing at all, opaque or not: what shows through it is whatever
// its parent left there.
class TBlank : public TGraphicControl {
public:
    TBlank(TWinControl* Parent, TRect R, bool IsOpaque) : TGraphicControl(Parent) {
        SetParent(Parent);
        SetBounds(R.Left, R.Top, R.Width(), R.Height());
        SetOpaque(IsOpaque);
    }
};

uint32_t PixelAt(TSurface& S, int X, int Y) { return TCanvas(&S).Pixel(X, Y); }

std::unique_ptr<TSurface> Paint(TWinControl& Root, const TNativeControlTest& Native = {},
                                TNativeFace Face = TNativeFace::Background) {
    auto surface = CreateSurface(Root.Width(), Root.Height());
    PaintControlTree(Root, *surface, Native, Face);
    return surface;
}

std::unique_ptr<TForm> MakeForm(int W, int H, TColor Color = clBtnFace) {
    auto form = std::make_unique<TForm>(nullptr);
    form->SetBounds(0, 0, W, H);
    form->SetColor(Color);
    return form;
}

TPanel* MakePanel(TWinControl* Parent, TRect R, TColor Color, TPanelBevel Outer = bvNone) {
    auto* p = new TPanel(Parent);
    p->SetParent(Parent);
    p->SetBounds(R.Left, R.Top, R.Width(), R.Height());
    p->SetColor(Color);
    p->SetBevelOuter(Outer);
    return p;
}

const uint32_t kFace = ColorToRGB(clBtnFace);
const uint32_t kShadow = ColorToRGB(clBtnShadow);
const uint32_t kHighlight = ColorToRGB(clBtnHighlight);
constexpr uint32_t kRed = 0x0000FF, kGreen = 0x008000, kBlue = 0xFF0000, kWhite = 0xFFFFFF;
} // namespace

TEST(ControlPainter, TheFormColourFillsWhatNoControlCovers) {
    auto form = MakeForm(40, 30);
    auto s = Paint(*form);
    ExpectPixels(*s, {{0, 0, kFace, "top left"}, {39, 29, kFace, "bottom right"}, {20, 15, kFace, "middle"}});
}

TEST(ControlPainter, WindowedControlsLieAboveWindowlessOnesOfTheSameParent) {
    auto form = MakeForm(60, 40);
    new TSwatch(form.get(), Bounds(0, 0, 40, 30), clRed);            // first, windowless
    MakePanel(form.get(), Bounds(10, 10, 20, 20), clGreen);          // second, windowed
    new TSwatch(form.get(), Bounds(20, 20, 30, 15), clBlue);         // third, windowless
    auto s = Paint(*form);
    ExpectPixels(*s, {{5, 5, kRed, "first swatch alone"},
                      {0, 0, TSwatch::Mark, "first swatch's own origin"},
                      {15, 15, kGreen, "panel above the earlier swatch"},
                      {25, 25, kGreen, "panel above the later swatch"},
                      {35, 25, kBlue, "later swatch above the earlier one"},
                      {20, 20, kGreen, "panel hides the later swatch's origin"},
                      {55, 5, kFace, "uncovered form"}});
}

TEST(ControlPainter, ChildrenAreClippedToThemselvesAndTheirParent) {
    auto form = MakeForm(80, 30);
    auto* panel = MakePanel(form.get(), Bounds(0, 0, 50, 20), clGreen);
    new TSwatch(panel, Bounds(40, 5, 30, 10), clBlue, 3); // runs past the panel's right edge
    auto s = Paint(*form);
    ExpectPixels(*s, {{40, 5, TSwatch::Mark, "swatch origin in panel coordinates"},
                      {49, 10, kBlue, "last panel column"},
                      {50, 10, kFace, "past the panel: clipped"},
                      {69, 10, kFace, "swatch's right end: clipped"},
                      {39, 10, kGreen, "overdraw left of the swatch: clipped"},
                      {45, 4, kGreen, "overdraw above the swatch: clipped"},
                      {45, 15, kGreen, "overdraw below the swatch: clipped"}});
}

TEST(ControlPainter, NestedWindowedControlsPaintAtTheirParentsOrigin) {
    auto form = MakeForm(60, 40);
    auto* outer = MakePanel(form.get(), Bounds(10, 10, 40, 25), clGreen);
    MakePanel(outer, Bounds(5, 5, 50, 10), clRed); // wider than its parent
    auto s = Paint(*form);
    ExpectPixels(*s, {{15, 15, kRed, "inner panel's corner"},
                      {49, 20, kRed, "inner panel at the outer's edge"},
                      {50, 20, kFace, "inner panel past the outer's edge"},
                      {14, 15, kGreen, "outer panel left of the inner"}});
}

TEST(ControlPainter, InvisibleControlsAreNotPainted) {
    auto form = MakeForm(30, 30);
    auto* swatch = new TSwatch(form.get(), Bounds(0, 0, 10, 10), clRed);
    auto* panel = MakePanel(form.get(), Bounds(10, 10, 10, 10), clGreen);
    swatch->SetVisible(false);
    panel->SetVisible(false);
    auto s = Paint(*form);
    ExpectPixels(*s, {{5, 5, kFace, "hidden swatch"}, {15, 15, kFace, "hidden panel"}});
}

// Each parent paints its face everywhere but below its own visible opaque windowless children: the
// surface's earlier content (green) stays there and only there. Below the panel's opaque child the
// form's face shows, which the panel's child does not spare.
TEST(ControlPainter, NoFaceIsPaintedBelowVisibleOpaqueChildren) {
    constexpr uint32_t kRed = 0x0000FF, kBlue = 0xFF0000, kBefore = 0x00FF00;
    auto form = MakeForm(60, 40, clRed);
    new TBlank(form.get(), TRect{5, 5, 25, 20}, true);
    new TBlank(form.get(), TRect{30, 5, 50, 20}, false);
    (new TBlank(form.get(), TRect{5, 25, 25, 35}, true))->SetVisible(false);
    new TBlank(MakePanel(form.get(), TRect{30, 22, 58, 38}, clBlue), TRect{2, 2, 10, 10}, true);
    auto surface = CreateSurface(60, 40);
    TCanvas before(surface.get());
    before.Brush.Color = static_cast<TColor>(kBefore);
    before.FillRect(TRect{0, 0, 60, 40});
    PaintControlTree(*form, *surface);
    ExpectPixels(*surface, {{5, 5, kBefore, "opaque child, top left"},
                            {24, 19, kBefore, "opaque child, bottom right"},
                            {4, 5, kRed, "left of the opaque child"},
                            {25, 19, kRed, "right of it"},
                            {5, 4, kRed, "above it"},
                            {24, 20, kRed, "below it"},
                            {35, 10, kRed, "below a child that is not opaque"},
                            {10, 30, kRed, "below a hidden opaque child"},
                            {32, 24, kRed, "opaque child of the panel"},
                            {31, 23, kBlue, "the panel's face beside it"}});
    int kept = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 60; ++x) kept += PixelAt(*surface, x, y) == kBefore;
    EXPECT_EQ(kept, 20 * 15) << "pixels the faces left alone";
}

// Overlapping and protruding opaque children: the face's parts cover the clip without them exactly
// once (areas counted by hand: 30 x 20 = 600, less the union 10 x 10 + 10 x 10 - 5 x 5 = 175, less the
// 5 x 4 piece of the child that reaches over the bottom edge).
TEST(ControlPainter, FacePartsCoverTheClipOutsideOpaqueChildrenOnce) {
    auto form = MakeForm(30, 20);
    new TBlank(form.get(), TRect{2, 2, 12, 12}, true);
    new TBlank(form.get(), TRect{7, 7, 17, 17}, true);
    new TBlank(form.get(), TRect{20, 16, 25, 30}, true);
    const std::vector<TRect> parts = FaceParts(*form, TPoint{0, 0}, TRect{0, 0, 30, 20});
    int area = 0;
    for (size_t i = 0; i < parts.size(); ++i) {
        area += parts[i].Width() * parts[i].Height();
        for (size_t j = 0; j < i; ++j) EXPECT_TRUE(IntersectRect(parts[i], parts[j]).IsEmpty()) << i << " and " << j;
    }
    EXPECT_EQ(area, 600 - 175 - 20);
}

TEST(ControlPainter, NativeControlsGetOnlyTheirBackgroundColour) {
    auto form = MakeForm(40, 30, clWhite);
    auto* button = new TButton(form.get());
    button->SetParent(form.get());
    button->SetBounds(5, 5, 20, 10);
    auto plain = Paint(*form);
    const TNativeControlTest isButton = [](const TWinControl& c) { return dynamic_cast<const TButton*>(&c) != nullptr; };
    auto native = Paint(*form, isButton);
    // Without its face the button's widget stands on the form, and on what the form paints below it.
    new TSwatch(form.get(), Bounds(15, 5, 10, 10), clRed);
    auto faceless = Paint(*form, isButton, TNativeFace::None);
    ExpectPixels(*plain, {{5, 5, kHighlight, "plain button's raised edge"}, {10, 9, kFace, "plain face"}});
    ExpectPixels(*native, {{5, 5, kFace, "native button: no edge"}, {24, 14, kFace, "native: no dark edge"},
                           {4, 5, kWhite, "form beside it"}});
    ExpectPixels(*faceless, {{5, 5, kWhite, "faceless native: the form"}, {10, 9, kWhite, "faceless native: no face"},
                             {20, 9, kRed, "faceless native: the form's windowless child"}});
}

TEST(Panel, LoweredOuterBevelOfWidthOne) {
    auto form = MakeForm(10, 6);
    MakePanel(form.get(), Bounds(0, 0, 10, 6), clBtnFace, bvLowered);
    auto s = Paint(*form);
    ExpectPixels(*s, {{0, 0, kShadow, "top-left corner"},
                      {8, 0, kShadow, "top edge"},
                      {9, 0, kHighlight, "top-right corner belongs to the light edge"},
                      {0, 4, kShadow, "left edge"},
                      {0, 5, kHighlight, "bottom-left corner belongs to the light edge"},
                      {9, 3, kHighlight, "right edge"},
                      {5, 5, kHighlight, "bottom edge"},
                      {1, 1, kFace, "inside"},
                      {8, 4, kFace, "inside, last"}});
}

TEST(Panel, AlignedChildrenShareTheAreaInsideTheBevels) {
    struct Row {
        TPanelBevel Outer, Inner;
        int Width;
        TRect Expected;
    };
    const Row rows[] = {{bvLowered, bvNone, 1, Bounds(1, 1, 504, 55)},
                        {bvNone, bvNone, 1, Bounds(0, 0, 506, 57)},
                        {bvLowered, bvRaised, 1, Bounds(2, 2, 502, 53)},
                        {bvRaised, bvNone, 3, Bounds(3, 3, 500, 51)}};
    for (const auto& row : rows) {
        auto form = MakeForm(506, 294);
        auto* panel = MakePanel(form.get(), Bounds(0, 0, 185, 41), clBtnFace, row.Outer);
        panel->SetAlign(alTop);
        panel->SetHeight(57);
        auto* image = new TImage(form.get());
        image->SetParent(panel);
        image->SetAlign(alClient);
        panel->SetBevelInner(row.Inner);
        panel->SetBevelWidth(row.Width);
        EXPECT_EQ(panel->BoundsRect(), Bounds(0, 0, 506, 57));
        const TRect got = image->BoundsRect();
        EXPECT_EQ(got, row.Expected) << "outer " << row.Outer << " inner " << row.Inner << " width " << row.Width
                                     << ": got " << got.Left << "," << got.Top << "," << got.Width() << ","
                                     << got.Height();
    }
}

namespace {
uint32_t Tile(int x, int y) { return RGB(static_cast<uint8_t>(x * 8), static_cast<uint8_t>(y * 20), 100); }

TImage* MakeImage(TWinControl* Parent, TRect R) {
    auto* image = new TImage(Parent);
    image->SetParent(Parent);
    image->SetBounds(R.Left, R.Top, R.Width(), R.Height());
    auto bitmap = std::make_unique<TBitmap>();
    FillBitmap24(*bitmap, 30, 10, Tile);
    image->Picture().SetGraphic(std::move(bitmap));
    return image;
}
} // namespace

TEST(Image, DrawsThePictureUnscaledFromItsTopLeftCornerClippedToItsBounds) {
    auto form = MakeForm(40, 20);
    MakeImage(form.get(), Bounds(2, 3, 20, 8));
    auto s = Paint(*form);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 20; ++x)
            ASSERT_EQ(PixelAt(*s, 2 + x, 3 + y), Tile(x, y)) << "picture pixel " << x << ", " << y;
    ExpectPixels(*s, {{22, 3, kFace, "right of the image"}, {2, 11, kFace, "below the image"}});
}

TEST(Image, AutoSizeFollowsThePictureUnlessAligned) {
    auto form = MakeForm(100, 60);
    auto* free = MakeImage(form.get(), Bounds(5, 5, 10, 10));
    free->SetAutoSize(true);
    EXPECT_EQ(free->BoundsRect(), Bounds(5, 5, 30, 10));

    auto* panel = MakePanel(form.get(), Bounds(0, 20, 20, 12), clBtnFace, bvLowered);
    auto* aligned = MakeImage(panel, Bounds(0, 0, 5, 5));
    aligned->SetAlign(alClient);
    aligned->SetAutoSize(true);
    EXPECT_EQ(aligned->BoundsRect(), Bounds(1, 1, 18, 10));
    auto s = Paint(*form);
    ExpectPixels(*s, {{1, 21, Tile(0, 0), "aligned picture's corner"},
                      {18, 30, Tile(17, 9), "aligned picture's last visible pixel"},
                      {19, 30, kHighlight, "panel's right bevel"}});
}

TEST(BitBtn, GlyphLeftOfTheCaptionFourPixelsApartThePairCentred) {
    struct Row {
        TRect Client;
        TPoint Glyph, Caption;
        TRect ExpectedGlyph, ExpectedCaption;
    };
    const Row rows[] = {
        {Bounds(0, 0, 145, 25), {16, 16}, {70, 13}, Bounds(27, 4, 16, 16), Bounds(47, 6, 70, 13)},
        {Bounds(0, 0, 465, 89), {16, 16}, {90, 13}, Bounds(177, 36, 16, 16), Bounds(197, 38, 90, 13)},
        {Bounds(0, 0, 40, 20), {16, 16}, {0, 0}, Bounds(12, 2, 16, 16), Bounds(28, 10, 0, 0)},
        {Bounds(0, 0, 40, 20), {0, 0}, {20, 13}, Bounds(10, 10, 0, 0), Bounds(10, 3, 20, 13)},
    };
    for (const auto& row : rows) {
        const TBitBtnLayout got = LayoutBitBtn(row.Client, row.Glyph, row.Caption);
        if (!(got.Glyph == row.ExpectedGlyph) || !(got.Caption == row.ExpectedCaption)) {
            ADD_FAILURE() << "button " << row.Client.Width() << "x" << row.Client.Height() << ", caption "
                          << row.Caption.X << ": glyph at " << got.Glyph.Left << "," << got.Glyph.Top
                          << ", caption at " << got.Caption.Left << "," << got.Caption.Top;
            return;
        }
    }
}

namespace {
TBitBtn* MakeBitBtn(TWinControl* Parent, int NumGlyphs) {
    auto* button = new TBitBtn(Parent);
    button->SetParent(Parent);
    button->SetBounds(0, 0, 20, 20);
    // Two 4 x 4 images: magenta key in the bottom-left corner and down the left column; the rest red
    // in the first image and grey in the second.
    FillBitmap24(button->Glyph(), 4 * NumGlyphs, 4, [](int x, int y) -> uint32_t {
        if (x % 4 == 0 || (x % 4 == 1 && y == 3)) return 0xFF00FF;
        return x < 4 ? 0x0000FF : 0x808080;
    });
    button->SetNumGlyphs(NumGlyphs);
    return button;
}
} // namespace

TEST(BitBtn, TheGlyphsBottomLeftColourIsTransparent) {
    auto form = MakeForm(20, 20);
    MakeBitBtn(form.get(), 1);
    auto s = Paint(*form);
    // No caption: the 4 x 4 glyph is centred at (8, 8).
    ExpectPixels(*s, {{8, 8, kFace, "key colour in the left column"},
                      {9, 11, kFace, "key colour in the bottom row"},
                      {9, 8, kRed, "glyph pixel"},
                      {11, 11, kRed, "glyph's bottom-right pixel"},
                      {12, 11, kFace, "right of the glyph"}});
}

// On a form at 192 dots per inch each glyph pixel is a 2 x 2 square: the 8 x 8 glyph centred at (6, 6).
TEST(BitBtn, AtTwiceTheResolutionEachGlyphPixelIsASquareOfFour) {
    auto form = MakeForm(20, 20);
    form->SetPixelsPerInch(192);
    MakeBitBtn(form.get(), 1);
    auto s = Paint(*form);
    ExpectPixels(*s, {{7, 13, kFace, "key colour in the left column"},
                      {8, 12, kFace, "key colour in the bottom row"},
                      {8, 6, kRed, "the first glyph pixel's square"},
                      {9, 7, kRed, "the first glyph pixel's square, bottom right"},
                      {13, 13, kRed, "the glyph's bottom-right pixel"},
                      {14, 13, kFace, "right of the glyph"},
                      {13, 14, kFace, "below the glyph"}});
}

TEST(BitBtn, ADisabledButtonShowsTheSecondImageOfATwoImageGlyph) {
    auto form = MakeForm(20, 20);
    auto* button = MakeBitBtn(form.get(), 2);
    auto enabled = Paint(*form);
    button->SetEnabled(false);
    auto disabled = Paint(*form);
    ExpectPixels(*enabled, {{9, 8, kRed, "first image when enabled"}, {12, 8, kFace, "only one image wide"}});
    ExpectPixels(*disabled, {{9, 8, 0x808080, "second image when disabled"}, {8, 8, kFace, "key colour"}});
}

// A bitmap drawn at every kind of offset against the canvas's origin and clip: each surface pixel is
// the nearest source pixel where the clip and the destination overlap, and untouched elsewhere.
TEST(Bitmap, DrawWritesOnlyTheClippedPartOfTheDestination) {
    struct TRow {
        TPoint Origin;
        TRect Clip, Dest; // clip in surface pixels, destination in canvas pixels
        bool Keyed;
        const char* What;
    } rows[] = {
        {{0, 0}, {0, 0, 20, 12}, {2, 3, 10, 9}, false, "inside the clip"},
        {{0, 0}, {4, 5, 9, 8}, {2, 3, 10, 9}, false, "clipped on all four sides"},
        {{5, 4}, {0, 0, 20, 12}, {-7, -6, 1, 0}, false, "starting above and left of the surface"},
        {{3, 2}, {6, 4, 20, 12}, {10, 5, 18, 11}, false, "running past the right and bottom edges"},
        {{1, 1}, {3, 2, 15, 10}, {0, 0, 16, 9}, false, "stretched, clipped"},
        {{0, 0}, {3, 2, 15, 10}, {2, 3, 10, 9}, true, "transparent colour, clipped"},
    };
    constexpr uint32_t kUntouched = 0x123456;
    for (const auto& row : rows) {
        TBitmap bitmap;
        FillBitmap24(bitmap, 8, 6, Tile);
        if (row.Keyed) bitmap.SetTransparent(true); // the bottom-left colour, Tile(0, 5)
        auto surface = CreateSurface(20, 12);
        TCanvas canvas(surface.get());
        canvas.Brush.Color = static_cast<TColor>(kUntouched);
        canvas.FillRect(TRect{0, 0, 20, 12});
        canvas.SetOrigin(row.Origin);
        canvas.SetClipRect(row.Clip);
        canvas.StretchDraw(row.Dest, &bitmap);
        const TRect d = row.Dest;
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < 20; ++x) {
                const int cx = x - row.Origin.X, cy = y - row.Origin.Y; // canvas pixel
                const bool shown = x >= row.Clip.Left && x < row.Clip.Right && y >= row.Clip.Top &&
                                   y < row.Clip.Bottom && cx >= d.Left && cx < d.Right && cy >= d.Top &&
                                   cy < d.Bottom;
                uint32_t expected = kUntouched;
                if (shown) {
                    const uint32_t source = Tile((cx - d.Left) * 8 / d.Width(), (cy - d.Top) * 6 / d.Height());
                    if (!row.Keyed || source != Tile(0, 5)) expected = source;
                }
                const uint32_t got = TCanvas(surface.get()).Pixel(x, y);
                ASSERT_EQ(got, expected) << row.What << ": surface pixel " << x << ", " << y;
            }
    }
}

// The main window's two bitmap buttons (16 x 16 glyph, 4 pixels apart): the pair is centred, with
// the caption as wide as the desktop measures it in the button's font (Pango on Linux, GDI under
// Wine): the start button's bold caption, the path button's regular one.
int ToolkitCaptionWidth(const char* Caption, bool Bold);

TEST(BitBtn, TheGlyphStandsWhereTheToolkitsCaptionWidthPutsIt) {
    struct Row {
        const char* Caption;
        bool Bold;
        int Width, Height;
    };
    for (const Row& r : {Row{"Velundo starten", true, 465, 89}, Row{"Pfad ausw\xE4hlen", false, 145, 25}}) {
        auto form = MakeForm(r.Width, r.Height);
        auto* button = MakeBitBtn(form.get(), 1);
        button->SetBounds(0, 0, r.Width, r.Height);
        button->SetCaption(r.Caption);
        button->Font().SetStyle(r.Bold ? FontStyle(fsBold) : TFontStyles{0});
        FillBitmap24(button->Glyph(), 16, 16,
                   [](int x, int y) -> uint32_t { return x == 0 && y == 15 ? 0xFF00FF : 0x0000FF; });
        const int measured = ToolkitCaptionWidth(r.Caption, r.Bold);
        ASSERT_GT(measured, 40) << r.Caption << ": no font measured it";
        const int left = (r.Width - (16 + 4 + measured)) / 2, top = (r.Height - 16) / 2;
        SCOPED_TRACE(std::string(r.Caption) + " measures " + std::to_string(measured));
        auto s = Paint(*form);
        ExpectPixels(*s, {{left - 1, top, kFace, "left of the glyph"},
                          {left, top, kRed, "glyph's top-left pixel"},
                          {left + 15, top + 15, kRed, "glyph's bottom-right pixel"},
                          {left + 16, top + 15, kFace, "right of the glyph"}});
    }
}
