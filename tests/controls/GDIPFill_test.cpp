#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "controls/GDIPFill.h"
#include "controls/TinyPicture_support.h"
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

std::vector<std::string> Keys(const std::string& Text) {
    std::vector<std::string> keys;
    const auto j = nlohmann::ordered_json::parse(Text);
    for (const auto& [k, v] : j.items()) keys.push_back(k);
    return keys;
}
} // namespace

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

// That every setting is copied is checked for each published property in PublishedProperties_test.
TEST(GDIPFillSettings, AssignNotifiesAtTheEndAndKeepsItsOwnHandler) {
    TGDIPFill source;
    source.SetColor(1);
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
