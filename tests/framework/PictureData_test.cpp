#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "framework/Graphics.h"
#include "framework/Streaming.h"
#include "support/Pixels.h"

// Pictures and graphics store their bytes as "Data"; a picture's start with its graphic's class name.
namespace {
class TFramed : public TPersistent {
public:
    TPicture* Picture() const { return FPicture.get(); }
    TBitmap* Glyph() const { return FGlyph.get(); }
    const TPublishedClass* Published() const override {
        static const TPublishedClass cls("TFramed", nullptr,
                                         {published::Object("Picture", &TFramed::Picture),
                                          published::Object("Glyph", &TFramed::Glyph)});
        return &cls;
    }

private:
    std::unique_ptr<TPicture> FPicture = std::make_unique<TPicture>();
    std::unique_ptr<TBitmap> FGlyph = std::make_unique<TBitmap>();
};

std::unique_ptr<TBitmap> Checkers() {
    auto b = std::make_unique<TBitmap>();
    FillBitmap24(*b, 3, 2, [](int x, int y) { return (x + y) % 2 ? 0x00FF00u : 0x002000u; });
    return b;
}
} // namespace

TEST(PictureData, EmptyPicturesAndGraphicsStoreNothing) {
    TFramed f;
    EXPECT_EQ(WriteObjectText(f), "{}\n");
}

TEST(PictureData, APictureStoresItsClassNameThenItsGraphicsData) {
    TFramed f;
    f.Picture()->SetGraphic(Checkers());
    f.Glyph()->Assign(Checkers().get());
    const std::string text = WriteObjectText(f);
    const auto j = nlohmann::ordered_json::parse(text);
    // Base64 of the length byte 7 and "TBitmap".
    EXPECT_EQ(j["Picture"]["Data"][0].get<std::string>().substr(0, 10), "B1RCaXRtYX");
    // A bare graphic stores only its own data: a BMP file ("BM").
    const std::string glyph = j["Glyph"]["Data"][0].get<std::string>();
    EXPECT_EQ(glyph.substr(0, 2), "Qk");
    EXPECT_NE(std::string("0123").find(glyph[2]), std::string::npos);

    TFramed g;
    ReadObjectText(g, text);
    auto* bitmap = dynamic_cast<TBitmap*>(g.Picture()->Graphic());
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(bitmap->Width(), 3);
    EXPECT_EQ(bitmap->PixelColor(1, 0), 0x00FF00u);
    EXPECT_EQ(g.Glyph()->PixelColor(2, 1), 0x00FF00u);
    EXPECT_EQ(WriteObjectText(g), text);
}

TEST(PictureData, AClassNameThatDiffersInCaseLeavesThePictureEmpty) {
    TFramed f;
    // Length 7, "tbitmap", then two bytes of nothing.
    ReadObjectText(f, R"({"Picture": {"Data": "B3RiaXRtYXAAAA=="}})");
    EXPECT_EQ(f.Picture()->Graphic(), nullptr);
}

// Two registrations under one class name: a stored picture names the class, and the one registered
// last answers. Unregistering the name removes both.
TEST(PictureRegistry, AClassNameFindsTheMostRecentlyRegisteredClassFirst) {
    const std::string name = "TRegistryProbe";
    TPictureRegistry::RegisterFileFormat("probe1", "first", name, [] {
        auto b = std::make_unique<TBitmap>();
        b->SetSize(1, 1);
        return b;
    });
    auto widthOfNew = [&] {
        auto g = TPictureRegistry::CreateForClassName(name);
        return g ? g->Width() : -1;
    };
    EXPECT_EQ(widthOfNew(), 1);
    TPictureRegistry::RegisterFileFormat("probe2", "second", name, [] {
        auto b = std::make_unique<TBitmap>();
        b->SetSize(2, 1);
        return b;
    });
    EXPECT_EQ(widthOfNew(), 2);
    TPictureRegistry::UnregisterClass(name);
    EXPECT_EQ(widthOfNew(), -1);
}
