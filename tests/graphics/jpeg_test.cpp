// Loading, the stored form, sharing, equality and registration of the JPEG picture.
#include <gtest/gtest.h>
#include <jerror.h>

#include "graphics/jpeg_support.h"

namespace {
struct THeaderRow {
    const char* File;
    int Width;
    int Height;
    bool Gray;
    bool Progressive;
};

const THeaderRow kHeaders[] = {
    {"banner.jpg", 2600, 55, false, false},
    {"photo.jpg", 640, 480, false, false},
    {"gray.jpg", 640, 480, true, false},
    {"progressive.jpg", 640, 480, false, true},
};

TEST(JPEGImageHeader, FactsAreKnownBeforeAnyDecode) {
    for (const auto& row : kHeaders) {
        SCOPED_TRACE(row.File);
        auto picture = LoadJpeg(JpegPictureBytes(row.File));
        EXPECT_EQ(picture->Width(), row.Width);
        EXPECT_EQ(picture->Height(), row.Height);
        EXPECT_EQ(picture->IsGray(), row.Gray);
        EXPECT_EQ(picture->IsProgressive(), row.Progressive);
        EXPECT_FALSE(picture->Empty());
        EXPECT_EQ(picture->Bitmap(), nullptr) << "decoded at load";
    }
}

TEST(JPEGImageStoredForm, BannerLoadsThroughTheRegisteredClassName) {
    const auto jpeg = JpegPictureBytes("banner.jpg");
    TMemoryStream stored = StoredForm(jpeg, "TJPEGImage", static_cast<int32_t>(jpeg.size()));
    TPicture picture;
    picture.ReadStoredData(stored);
    ASSERT_NE(picture.Graphic(), nullptr);
    EXPECT_EQ(picture.Graphic()->ClassName(), "TJPEGImage");
    EXPECT_EQ(picture.Width(), 2600);
    EXPECT_EQ(picture.Height(), 55);
    EXPECT_EQ(stored.Position(), stored.Size());
}

TEST(JPEGImageStoredForm, ClassNameIsMatchedWithItsCase) {
    const auto jpeg = JpegPictureBytes("banner.jpg");
    for (const char* name : {"TJpegImage", "tjpegimage", "TJPEGIMAGE"}) {
        TMemoryStream stored = StoredForm(jpeg, name, static_cast<int32_t>(jpeg.size()));
        TPicture picture;
        picture.ReadStoredData(stored);
        EXPECT_EQ(picture.Graphic(), nullptr) << name;
    }
}

TEST(JPEGImageStoredForm, WritesLengthThenBytes) {
    const auto jpeg = JpegPictureBytes("banner.jpg");
    TMemoryStream stored = StoredForm(jpeg, "TJPEGImage", static_cast<int32_t>(jpeg.size()));
    TPicture picture;
    picture.ReadStoredData(stored);
    TMemoryStream written;
    picture.WriteStoredData(written);
    EXPECT_EQ(written.Bytes(), stored.Bytes());
}

TEST(JPEGImageStoredForm, LengthZeroGivesAnEmptyPicture) {
    TMemoryStream stored = StoredForm({}, "TJPEGImage", 0);
    TPicture picture;
    picture.ReadStoredData(stored);
    ASSERT_NE(picture.Graphic(), nullptr);
    EXPECT_TRUE(picture.Graphic()->Empty());
    EXPECT_EQ(picture.Width(), 0);
    TMemoryStream written;
    picture.Graphic()->WriteData(written);
    EXPECT_EQ(written.Bytes(), std::vector<uint8_t>(4, 0));
}

// A corrupt length is refused before anything is replaced: the picture keeps what it had.
TEST(JPEGImageStoredForm, BadLengthsAreRefusedAndLoseNothing) {
    const auto jpeg = JpegPictureBytes("banner.jpg");
    auto picture = LoadJpeg(jpeg);
    TMemoryStream negative = StoredForm(jpeg, "", -5);
    negative.SetPosition(1);
    try {
        picture->ReadData(negative);
        FAIL() << "negative length accepted";
    } catch (const EJPEG& e) {
        EXPECT_EQ(e.MessageCode(), JERR_BAD_LENGTH);
    }
    TMemoryStream tooLong = StoredForm(jpeg, "", static_cast<int32_t>(jpeg.size()) + 1);
    tooLong.SetPosition(1);
    EXPECT_THROW(picture->ReadData(tooLong), EReadError);
    TMemoryStream huge = StoredForm({}, "", 0x7FFFFFFF);
    huge.SetPosition(1);
    EXPECT_THROW(picture->ReadData(huge), EReadError);
    EXPECT_EQ(picture->Width(), 2600);
    EXPECT_EQ(picture->SharedData()->JpegBytes->Bytes(), jpeg);
}

struct TBadDataRow {
    const char* Name;
    std::vector<uint8_t> Bytes;
    int Code;
};

TEST(JPEGImageLoad, DataThatIsNotJpegFailsAtLoadWithTheLibraryCode) {
    const std::vector<TBadDataRow> rows = {
        {"gif", {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0}, JERR_NO_SOI},
        {"one byte", {0xFF}, JERR_NO_SOI},
        {"start marker only", {0xFF, 0xD8}, JERR_NO_IMAGE},
        {"bogus marker length", {0xFF, 0xD8, 0xFF, 0xDB, 0x00, 0x01}, JERR_BAD_LENGTH},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        try {
            LoadJpeg(row.Bytes);
            ADD_FAILURE() << "no error";
        } catch (const EJPEG& e) {
            EXPECT_EQ(e.MessageCode(), row.Code);
            EXPECT_EQ(e.Message(), "JPEG-Fehler #" + std::to_string(row.Code));
        }
    }
}

TEST(JPEGImageLoad, SizeCannotBeChanged) {
    auto picture = LoadJpeg(JpegPictureBytes("banner.jpg"));
    const std::string text = "Die Gr\xF6\xDF" "e einer JPEG-Grafik kann nicht ver\xE4ndert werden";
    for (int which = 0; which < 2; ++which) {
        try {
            which ? picture->SetHeight(10) : picture->SetWidth(10);
            ADD_FAILURE() << "size changed";
        } catch (const EInvalidGraphicOperation& e) {
            EXPECT_EQ(e.Message(), text);
        }
    }
    EXPECT_EQ(picture->Width(), 2600);
}

TEST(JPEGImageSharing, AssignedPicturesShareDataAndSurviveEachOther) {
    const auto jpeg = JpegPictureBytes("banner.jpg");
    auto first = LoadJpeg(jpeg);
    TJPEGImage second;
    second.Assign(first.get());
    EXPECT_EQ(second.SharedData(), first->SharedData());
    EXPECT_EQ(second.SharedData().use_count(), 2);
    first.reset();
    EXPECT_EQ(second.SharedData().use_count(), 1);
    EXPECT_EQ(second.SharedData()->JpegBytes->Bytes(), jpeg);
    second.DIBNeeded();
    EXPECT_EQ(FirstPixelDifference(*second.Bitmap(), *ReferenceBitmap("banner.bmp")), "");
}

TEST(JPEGImageSharing, AssignCopiesTheDecodedBitmap) {
    auto first = LoadJpeg(JpegPictureBytes("banner.jpg"));
    first->DIBNeeded();
    TJPEGImage second;
    second.Assign(first.get());
    ASSERT_NE(second.Bitmap(), nullptr);
    EXPECT_NE(second.Bitmap(), first->Bitmap());
    EXPECT_EQ(FirstPixelDifference(*second.Bitmap(), *first->Bitmap()), "");
}

TEST(JPEGImageEquality, ComparesDataOrSharing) {
    const auto banner = JpegPictureBytes("banner.jpg");
    auto a = LoadJpeg(banner);
    auto sameBytes = LoadJpeg(banner);
    auto other = LoadJpeg(JpegPictureBytes("photo.jpg"));
    TJPEGImage shared, emptyA, emptyB;
    shared.Assign(a.get());
    TBitmap bitmap;
    EXPECT_TRUE(a->Equals(sameBytes.get()));
    EXPECT_TRUE(a->Equals(&shared));
    EXPECT_FALSE(a->Equals(other.get()));
    EXPECT_FALSE(a->Equals(&emptyA));
    EXPECT_FALSE(emptyA.Equals(&emptyB)) << "empty pictures with their own data";
    EXPECT_FALSE(a->Equals(&bitmap));
}

TEST(JPEGImageRegistry, BothExtensionsNameTheClass) {
    for (const char* extension : {"jpg", "jpeg", "JPG"}) {
        auto graphic = TPictureRegistry::CreateForExtension(extension);
        ASSERT_NE(graphic, nullptr) << extension;
        EXPECT_EQ(graphic->ClassName(), "TJPEGImage");
        EXPECT_EQ(TPictureRegistry::DescriptionOf(extension), "JPEG-Grafikdatei");
    }
    TPicture picture;
    picture.LoadFromFile(JpegPicturePath("photo.jpg"));
    EXPECT_EQ(picture.Width(), 640);
}
} // namespace
