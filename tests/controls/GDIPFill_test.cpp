#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "controls/GDIPFill.h"
#include "framework/Streaming.h"
#include "framework/TypInfo.h"
#include "platform/ClipboardFormat.h"

namespace {
// Counts the fill's notifications.
struct TWatchedFill {
    TWatchedFill() {
        Fill.OnChange = [this](TObject* Sender) {
            EXPECT_EQ(Sender, &Fill);
            ++Changes;
        };
    }
    TGDIPFill Fill;
    int Changes{0};
};

// A one-pixel PNG, for pictures that hold something.
const std::vector<uint8_t> TinyPng = {
    0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00, 0x00, 0x0D, 0x49, 0x48, 0x44, 0x52, 0x00, 0x00,
    0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x08, 0x02, 0x00, 0x00, 0x00, 0x90, 0x77, 0x53, 0xDE, 0x00, 0x00, 0x00,
    0x0C, 0x49, 0x44, 0x41, 0x54, 0x08, 0xD7, 0x63, 0xF8, 0xCF, 0xC0, 0x00, 0x00, 0x03, 0x01, 0x01, 0x00, 0x18,
    0xDD, 0x8D, 0xB0, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4E, 0x44, 0xAE, 0x42, 0x60, 0x82};

void LoadTiny(TAdvGDIPPicture& Picture) {
    TMemoryStream s;
    s.WriteBuffer(TinyPng.data(), static_cast<int64_t>(TinyPng.size()));
    Picture.LoadFromStream(s);
}

std::vector<std::string> Keys(const std::string& Text) {
    std::vector<std::string> keys;
    const auto j = nlohmann::ordered_json::parse(Text);
    for (const auto& [k, v] : j.items()) keys.push_back(k);
    return keys;
}
} // namespace

TEST(GDIPFillSettings, ANewFillHoldsTheInitialValues) {
    TGDIPFill f;
    EXPECT_EQ(f.Color(), 0xC0C0C0);
    EXPECT_EQ(f.ColorTo(), 0x808080);
    EXPECT_EQ(f.ColorMirror(), clNone);
    EXPECT_EQ(f.ColorMirrorTo(), clNone);
    EXPECT_EQ(f.GradientType(), gtVertical);
    EXPECT_EQ(f.GradientMirrorType(), gtSolid);
    EXPECT_EQ(f.BackGroundPictureMode(), pmOutsideFill);
    EXPECT_TRUE(f.BackGroundPicture()->Empty());
    EXPECT_TRUE(f.Picture()->Empty());
    EXPECT_EQ(f.PictureWidth(), 50);
    EXPECT_EQ(f.PictureHeight(), 50);
    EXPECT_EQ(f.BorderColor(), clNone);
    EXPECT_EQ(f.BorderWidth(), 1);
    EXPECT_EQ(f.RoundingType(), rtBoth);
    EXPECT_EQ(f.ShadowColor(), 0x808080);
    EXPECT_EQ(f.ShadowType(), stRightBottom);
    EXPECT_EQ(f.Glow(), gmNone);
    EXPECT_EQ(f.GlowGradientColor(), 0xFFFFFF);
    EXPECT_EQ(f.GlowRadialColor(), 0xFFFFFF);
    EXPECT_EQ(f.Opacity() + f.OpacityTo() + f.OpacityMirror() + f.OpacityMirrorTo() + f.BorderOpacity(), 5 * 255);
}

TEST(GDIPFillSettings, EnumerationOrdinalsAndNames) {
    EXPECT_EQ(gtNone, 10);
    EXPECT_EQ(gtTexture, 9);
    EXPECT_EQ(ppCustom, 11);
    EXPECT_EQ(rtRight, 5);
    EXPECT_EQ(gmRadialGradient, 3);
    EXPECT_EQ(HatchStyleInfo().Names.size(), 54u);
    EXPECT_EQ(HatchStyleInfo().ValueOf("HatchStyleSolidDiamond"), 52);
    EXPECT_EQ(AdvGradientTypeInfo().Names[gtBackwardDiagonal], "gtBackwardDiagonal");
}

TEST(GDIPFillSettings, ANewFillStoresOnlyThePropertiesWithoutDeclaredDefault) {
    TGDIPFill f;
    EXPECT_EQ(Keys(WriteObjectText(f)), (std::vector<std::string>{"ColorMirror", "ColorMirrorTo", "GradientType",
                                                                   "GradientMirrorType", "BorderColor", "Rounding",
                                                                   "ShadowOffset", "Glow"}));
    const auto j = nlohmann::ordered_json::parse(WriteObjectText(f));
    EXPECT_EQ(j["ColorMirror"], "clNone");
    EXPECT_EQ(j["GradientMirrorType"], "gtSolid");
    EXPECT_EQ(j["Rounding"], 0);
    EXPECT_EQ(j["Glow"], "gmNone");
}

TEST(GDIPFillSettings, ReadingWhatWasWrittenGivesAnEqualFill) {
    TGDIPFill f;
    f.SetColor(clWhite);
    f.SetColorMirror(clBtnFace);
    f.SetGradientType(gtAngle);
    f.SetHatchStyleMirror(HatchStyleWave);
    f.SetBackGroundPicturePosition(ppTiled);
    f.SetPictureLeft(-4);
    f.SetOpacityMirrorTo(0);
    f.SetRounding(6);
    f.SetRoundingType(rtLeft);
    f.SetShadowType(stSurround);
    f.SetAngle(-45);
    f.SetGlow(gmRadialGradient);
    f.SetGlowRadialColor(clNone);
    LoadTiny(*f.Picture());
    const std::string text = WriteObjectText(f);

    TWatchedFill g;
    ReadObjectText(g.Fill, text);
    EXPECT_EQ(WriteObjectText(g.Fill), text);
    EXPECT_EQ(g.Fill.Picture()->Bytes().Bytes(), TinyPng);
    EXPECT_EQ(g.Fill.Angle(), -45);
    EXPECT_EQ(g.Fill.HatchStyleMirror(), HatchStyleWave);
    // One notification per stored value that differs from the new fill's (the picture's data
    // raises none of its own when read).
    EXPECT_EQ(g.Changes, 13);
}

TEST(GDIPFillSettings, SettersNotifyOnlyOnEffectiveChanges) {
    TWatchedFill w;
    w.Fill.SetColor(0xC0C0C0);
    w.Fill.SetRounding(0);
    w.Fill.SetGlow(gmNone);
    EXPECT_EQ(w.Changes, 0);
    w.Fill.SetColor(clRed);
    w.Fill.SetColor(clRed);
    w.Fill.SetOpacity(10);
    w.Fill.SetHatchStyle(HatchStyleCross);
    EXPECT_EQ(w.Changes, 3);
}

TEST(GDIPFillSettings, PicturesAreCopiedIntoTheHeldObjectsAndTheirChangesNotify) {
    TWatchedFill w;
    TAdvGDIPPicture* held = w.Fill.Picture();
    w.Fill.SetPicture(held); // its own picture: nothing
    EXPECT_EQ(w.Changes, 0);
    LoadTiny(*held); // the picture's change reaches the owner
    EXPECT_EQ(w.Changes, 1);
    TAdvGDIPPicture other;
    LoadTiny(other);
    TAdvGDIPPicture* background = w.Fill.BackGroundPicture();
    w.Changes = 0;
    w.Fill.SetBackGroundPicture(&other);
    EXPECT_EQ(w.Fill.BackGroundPicture(), background); // never replaced, only copied into
    EXPECT_EQ(background->Bytes().Bytes(), TinyPng);
    EXPECT_EQ(w.Changes, 2); // the picture's own change, then the setter's
}

TEST(GDIPFillSettings, AssignCopiesEverySettingAndNotifiesAtTheEnd) {
    TGDIPFill source;
    source.SetColor(1);
    source.SetColorTo(2);
    source.SetColorMirror(3);
    source.SetColorMirrorTo(4);
    source.SetGradientType(gtHatch);
    source.SetGradientMirrorType(gtRadial);
    source.SetHatchStyle(HatchStyleWeave);
    source.SetBackGroundPictureAspectRatio(true);
    source.SetBackGroundPictureMode(pmInsideFill);
    source.SetBackGroundPicturePosition(ppStretched);
    source.SetBackGroundPictureLeft(5);
    source.SetBackGroundPictureTop(6);
    source.SetBackGroundPictureAspectMode(pmNormal);
    source.SetPicturePosition(ppCenterRight);
    source.SetPictureSize(psCustom);
    source.SetPictureWidth(7);
    source.SetPictureAspectRatio(true);
    source.SetOpacity(8);
    source.SetBorderColor(clBlue);
    source.SetBorderWidth(3);
    source.SetBorderOpacity(9);
    source.SetRounding(10);
    source.SetShadowOffset(11);
    source.SetShadowType(stBottom);
    source.SetGlow(gmGradient);
    source.SetGlowGradientColor(clRed);
    bool sourceHandlerCalled = false;
    source.OnChange = [&](TObject*) { sourceHandlerCalled = true; };

    TWatchedFill w;
    w.Fill.Assign(&source);
    EXPECT_EQ(w.Changes, 3); // each picture's copy notifies, then the fill once
    EXPECT_EQ(WriteObjectText(w.Fill), WriteObjectText(source));
    w.Fill.OnChange(&w.Fill);
    EXPECT_FALSE(sourceHandlerCalled); // the handler is not copied

    w.Changes = 0;
    TAdvGDIPPicture unrelated;
    w.Fill.Assign(&unrelated);
    EXPECT_EQ(w.Changes, 0);
    EXPECT_EQ(w.Fill.Color(), 1);
}

TEST(GDIPFillSettings, FillWithoutGraphicsReturnsTheRectangleUnchanged) {
    TGDIPFill f;
    f.SetShadowOffset(5);
    const RectF r = f.Fill(nullptr, MakeRectF(1, 2, 30, 40));
    EXPECT_EQ(r.X, 1);
    EXPECT_EQ(r.Height, 40);
}

TEST(GDIPFillClipboard, TheFillFormatIsRegisteredAtStart) {
    EXPECT_GE(FillClipboardFormat, 0xC000);
    EXPECT_EQ(RegisterClipboardFormatName("gdi+ fill"), FillClipboardFormat);
}
