// The main window as read from its stored description, rendered headlessly with the real GDI+ and
// libjpeg: what is visible where.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "app/fArbeitsplatz.h"
#include "controls/AdvSmoothLabel.h"
#include "controls/JvGradient.h"
#include "framework/Scaling.h"
#include "framework/Streaming.h"
#include "graphics/jpeg.h"
#include "ui/headless/ClientAreaRender.h"
#include "support/FakePlatform.h"
#include "support/Pixels.h"

namespace {
uint32_t Rgb(int R, int G, int B) { return static_cast<uint32_t>(R << 16 | G << 8 | B); }

class MainWindow : public ::testing::Test {
protected:
    void SetUp() override {
        app = std::make_unique<TApplication>(ui, "C:\\Programme\\Velundo\\Velundo_Client.exe");
        Application = app.get();
        form = new TMainForm(app.get(), p.Services);
        surface = RenderClientArea(*form);
    }
    void TearDown() override {
        app.reset();
        Application = nullptr;
    }
    // The pixel as 0x00RRGGBB.
    uint32_t At(int X, int Y) const { return SurfaceRgb(*surface, X, Y); }

    FakePlatform p;
    FakeUi ui;
    std::unique_ptr<TApplication> app;
    TMainForm* form{nullptr};
    std::unique_ptr<TSurface> surface;
};
} // namespace

TEST_F(MainWindow, EveryControlIsReadWithItsPlaceAndStackingOrder) {
    ASSERT_EQ(surface->Width, 506);
    ASSERT_EQ(surface->Height, 294);
    // The gradient is created first, so it lies below everything; aligned to the bottom it starts 16
    // rows above the client area.
    EXPECT_EQ(form->Controls(0), form->JvGradient2);
    EXPECT_EQ(form->JvGradient2->BoundsRect(), Bounds(0, -16, 506, 310));
    EXPECT_EQ(form->Panel1->BoundsRect(), Bounds(0, 0, 506, 57));
    EXPECT_EQ(form->Image1->BoundsRect(), Bounds(1, 1, 504, 55)) << "inside the panel's bevel";
    EXPECT_EQ(form->Image1->Parent(), form->Panel1);
    EXPECT_EQ(form->AdvSmoothLabel1->Parent(), form->Panel1);
    EXPECT_EQ(form->Panel1->Controls(1), form->AdvSmoothLabel1) << "the label lies above the picture";
    EXPECT_EQ(form->ServerEdit->Parent(), form->GroupBox1);
    EXPECT_EQ(form->PfadBitBtn->Parent(), form->GroupBox1);
    EXPECT_EQ(form->Caption(), "Velundo Client");
    EXPECT_EQ(form->BorderStyle(), bsSingle);
    EXPECT_EQ(form->BorderIcons(), BorderIcon(biSystemMenu));
    EXPECT_EQ(form->Position(), poScreenCenter);
    EXPECT_TRUE(form->BitBtn1->Font().HasStyle(fsBold));
    EXPECT_FALSE(form->PfadBitBtn->Font().HasStyle(fsBold));
    EXPECT_EQ(form->BitBtn1->NumGlyphs(), 2);
    EXPECT_EQ(form->BitBtn1->Glyph().Width(), 32);
    EXPECT_EQ(form->PfadBitBtn->Glyph().Width(), 16);
    auto* banner = dynamic_cast<TJPEGImage*>(form->Image1->Picture().Graphic());
    ASSERT_NE(banner, nullptr) << "the banner is stored as a TJPEGImage";
    EXPECT_EQ(banner->Width(), 2600);
    EXPECT_EQ(banner->Height(), 55);
    EXPECT_FALSE(form->CloseTimer->Enabled());
    EXPECT_EQ(form->CloseTimer->Interval(), 2000u);
    EXPECT_EQ(form->OpenDialog1->Filter(), "*.exe|*.exe");
}

TEST_F(MainWindow, TheFirstVisibleBackgroundRowIsGradientBand23) {
    // Row 57 outside the start button and the group box: the margins left and right of them.
    for (int x : {0, 8, 15, 482, 490, 505}) EXPECT_EQ(At(x, 57), Rgb(230, 240, 250)) << "column " << x;
    // 310 rows in 100 bands: band 23 covers gradient rows 71 to 73, so client row 57 is its last
    // visible row; band 24 covers client rows 58 to 60.
    EXPECT_NE(At(0, 58), At(0, 57));
    for (int x = 0; x < 506; x += 50) EXPECT_EQ(At(x, 60), At(x, 58)) << "one band, column " << x;
    // The bottom row is the end colour's band.
    EXPECT_EQ(At(0, 293), Rgb(199, 218, 240));
}

TEST_F(MainWindow, TheBannerShowsItsLeftmost504ColumnsInsideThePanelBevel) {
    auto* banner = dynamic_cast<TJPEGImage*>(form->Image1->Picture().Graphic());
    ASSERT_NE(banner, nullptr);
    ASSERT_NE(banner->Bitmap(), nullptr) << "decoded on its first draw";
    // The decoded banner's column c appears at client column 1 + c, row r at 1 + r (left of the label).
    const TBitmap& bits = *banner->Bitmap();
    for (int c : {0, 100, 300, 420})
        for (int r : {0, 27, 54}) {
            const uint32_t bgr = bits.PixelColor(c, r);
            EXPECT_EQ(At(1 + c, 1 + r), Rgb(GetRValue(bgr), GetGValue(bgr), GetBValue(bgr))) << c << "," << r;
        }
    // The lowered bevel around it: the system's shadow colour above and left, highlight below and right.
    auto system = [](TColor Color) {
        const uint32_t bgr = ColorToRGB(Color);
        return Rgb(GetRValue(bgr), GetGValue(bgr), GetBValue(bgr));
    };
    EXPECT_EQ(At(0, 30), system(clBtnShadow));
    EXPECT_EQ(At(30, 0), system(clBtnShadow));
    EXPECT_EQ(At(30, 56), system(clBtnHighlight));
    EXPECT_EQ(At(505, 30), system(clBtnHighlight));
}

TEST_F(MainWindow, TheCaptionLabelPaintsClientOverTheBannerClippedAtThePanelEdge) {
    form->AdvSmoothLabel1->SetVisible(false);
    const auto without = RenderClientArea(*form);
    auto before = [&](int X, int Y) { return SurfaceRgb(*without, X, Y); };
    auto changes = [&](int x, int y) { return At(x, y) != before(x, y); };
    const TRect changed = MatchingBox(506, 294, changes);
    const TRect light =
        MatchingBox(506, 294, [&](int x, int y) { return changes(x, y) && IsLightPixel(At(x, y)); });
    ASSERT_GT(light.Right, 0) << "no light letters";
    // Only inside the panel, from the label's left edge on: the panel clips it at its right edge.
    EXPECT_GE(changed.Left, 424);
    EXPECT_LE(changed.Right, 506);
    EXPECT_GE(changed.Top, 7);
    EXPECT_LE(changed.Bottom, 57);
    // "Client" starts at the label's left edge and is centred in its 50 rows (7 to 56).
    EXPECT_LE(light.Left, 424 + 8);
    EXPECT_NEAR((light.Top + light.Bottom) / 2.0, 7 + 25, 4);
    // The grey shadow reaches one pixel further right and down than the light letters.
    EXPECT_EQ(changed.Right, light.Right + 1);
    EXPECT_EQ(changed.Bottom, light.Bottom + 1);
}

TEST_F(MainWindow, At120DotsPerInchEveryPlaceSizeAndOwnFontGrowsByAQuarter) {
    ScaleFormTo(*form, 120);
    EXPECT_EQ(form->PixelsPerInch(), 120);
    EXPECT_EQ(form->ClientWidth(), 633);
    EXPECT_EQ(form->ClientHeight(), 368);
    EXPECT_EQ(form->Font().Height(), -14);
    EXPECT_EQ(form->BitBtn1->BoundsRect(), Bounds(20, 90, 581, 111));
    EXPECT_EQ(form->BitBtn1->Font().Height(), -14);
    EXPECT_TRUE(form->BitBtn1->Font().HasStyle(fsBold));
    EXPECT_EQ(form->ServerEdit->Font().Height(), -14) << "follows the form's font";
    EXPECT_EQ(form->ServerEdit->BoundsRect(), Bounds(20, 40, 511, 26));
    // The aligned controls follow the grown client area: the gradient still ends at its bottom edge.
    EXPECT_EQ(form->Panel1->BoundsRect(), Bounds(0, 0, 633, 71));
    EXPECT_EQ(form->JvGradient2->BoundsRect(), Bounds(0, 368 - 388, 633, 388));
    EXPECT_EQ(form->Image1->BoundsRect(), Bounds(1, 1, 631, 69)) << "inside the panel's bevel";
    ScaleFormTo(*form, 120);
    EXPECT_EQ(form->ClientWidth(), 633) << "already at that resolution";
}

// Taken through 120, 144, 192 and back to 96 dots per inch, the form is at each step what the
// description scaled once to that resolution is: every control's place, size and font, and the
// banner's shown resolution.
TEST_F(MainWindow, ATourOfResolutionsMatchesADirectScalingAtEachStep) {
    for (int ppi : {120, 144, 192, 96}) {
        SCOPED_TRACE(std::to_string(ppi) + " dpi");
        ScaleFormTo(*form, ppi);
        auto direct = std::make_unique<TMainForm>(nullptr, p.Services);
        ScaleFormTo(*direct, ppi);
        EXPECT_EQ(form->TextHeight(), direct->TextHeight());
        ASSERT_EQ(form->ComponentCount(), direct->ComponentCount());
        for (int i = -1; i < form->ComponentCount(); ++i) {
            auto* toured = i < 0 ? form : dynamic_cast<TControl*>(form->Components(i));
            auto* built = i < 0 ? direct.get() : dynamic_cast<TControl*>(direct->Components(i));
            if (!toured) continue;
            ASSERT_NE(built, nullptr);
            EXPECT_EQ(toured->BoundsRect(), built->BoundsRect()) << toured->Name();
            EXPECT_EQ(toured->Font().Height(), built->Font().Height()) << toured->Name();
        }
        EXPECT_EQ(form->Image1->PicturePixelsPerInch(), direct->Image1->PicturePixelsPerInch());
    }
    // A place the program set meanwhile is scaled from what it set.
    form->BitBtn1->SetLeft(30);
    ScaleFormTo(*form, 120);
    EXPECT_EQ(form->BitBtn1->Left(), 38);
}

TEST_F(MainWindow, At192DotsPerInchTheBannerIsShownAtTwiceItsSizeAndStillFillsThePanel) {
    auto* banner = dynamic_cast<TJPEGImage*>(form->Image1->Picture().Graphic());
    ASSERT_NE(banner, nullptr);
    ASSERT_NE(banner->Bitmap(), nullptr);
    const TBitmap& bits = *banner->Bitmap();
    ScaleFormTo(*form, 192);
    surface = RenderClientArea(*form);
    ASSERT_EQ(form->Image1->BoundsRect(), Bounds(1, 1, 1010, 112)) << "inside the panel's bevel";
    // Banner pixel (c, r) covers client pixels 1 + 2c .. 2 + 2c across and down; smoothing may blend it
    // with its neighbours, so each channel lies within theirs (tolerance 8).
    const int tolerance = 8;
    for (int c : {1, 100, 300, 420})
        for (int r : {1, 27, 53}) {
            const uint32_t shown = At(2 + 2 * c, 2 + 2 * r);
            for (int shift : {16, 8, 0}) {
                int low = 255, high = 0;
                for (int dc = -1; dc <= 1; ++dc)
                    for (int dr = -1; dr <= 1; ++dr) {
                        const uint32_t bgr = bits.PixelColor(c + dc, r + dr);
                        const uint32_t rgb = Rgb(GetRValue(bgr), GetGValue(bgr), GetBValue(bgr));
                        low = std::min(low, int(rgb >> shift & 0xFF));
                        high = std::max(high, int(rgb >> shift & 0xFF));
                    }
                const int value = shown >> shift & 0xFF;
                EXPECT_TRUE(value >= low - tolerance && value <= high + tolerance)
                    << "banner " << c << "," << r << " channel " << shift << ": " << value << " not in " << low << ".." << high;
            }
        }
}

TEST_F(MainWindow, TheStoredDescriptionRoundTrips) {
    EXPECT_EQ(WriteComponentText(*form), std::string(MainFormDescription()));
}
