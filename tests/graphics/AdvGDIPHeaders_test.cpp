#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <vector>

#include "framework/Classes.h"
#include "graphics/AdvGDIPHeaders.h"
#include "graphics/AdvGDIPPicture.h"
#include "graphics/GdiplusCanvas_support.h"

namespace {
TMemoryStream StreamOf(const std::vector<uint8_t>& Bytes) {
    TMemoryStream s;
    if (!Bytes.empty()) s.WriteBuffer(Bytes.data(), static_cast<int64_t>(Bytes.size()));
    s.SetPosition(s.Size() / 2); // readers start from the beginning wherever the stream stands
    return s;
}

using TReaderFn = TImageSize (*)(TStream&);
struct TCase {
    const char* Name;
    TReaderFn Reader;
    std::vector<uint8_t> Bytes;
    TImageSize Expected;
};

void ExpectSizes(const std::vector<TCase>& Cases) {
    for (const TCase& c : Cases) {
        TMemoryStream s = StreamOf(c.Bytes);
        const TImageSize got = c.Reader(s);
        ASSERT_EQ(got, c.Expected) << c.Name << ": got " << got.Width << " x " << got.Height << ", expected "
                                   << c.Expected.Width << " x " << c.Expected.Height;
    }
}

// A JPEG start, one APP0 segment, then a frame header of the given marker for 0x1234 x 0x0567 (w x h).
std::vector<uint8_t> JpegWithFrame(uint8_t Marker) {
    return {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x04, 0xAA, 0xBB, 0xFF, 0xFF, Marker, 0x00, 0x11,
            0x08, 0x05, 0x67, 0x12, 0x34, 0x03};
}
} // namespace

// The files made by ImageMagick and cjpeg at build time, against what identify said of each.
TEST(ImageHeaders, AgreeWithIdentifyOnRealFiles) {
    std::ifstream list(TestImagePath("sizes.txt"));
    ASSERT_TRUE(list.good()) << TestImagePath("sizes.txt");
    std::string line;
    int files = 0;
    while (std::getline(list, line)) {
        std::istringstream row(line);
        std::string name;
        TImageSize expected;
        row >> name >> expected.Width >> expected.Height;
        TAdvGDIPPicture picture;
        picture.LoadFromFile(TestImagePath(name));
        ASSERT_FALSE(picture.Empty()) << name;
        ASSERT_EQ((TImageSize{picture.Width(), picture.Height()}), expected)
            << name << ": read " << picture.Width() << " x " << picture.Height();
        ++files;
    }
    EXPECT_GE(files, 14);
}

TEST(ImageHeaders, JpegEveryStartOfFrameMarkerGivesTheSize) {
    std::vector<TCase> cases;
    for (int m = 0xC0; m <= 0xCF; ++m) {
        const bool frame = m != 0xC4 && m != 0xC8 && m != 0xCC;
        cases.push_back({"marker", ReadJpegSize, JpegWithFrame(static_cast<uint8_t>(m)),
                         frame ? TImageSize{0x1234, 0x0567} : TImageSize{}});
    }
    ExpectSizes(cases);
}

TEST(ImageHeaders, JpegScanStopsWhereTheFormatDoes) {
    ExpectSizes({
        {"no start marker", ReadJpegSize, {0xFF, 0xD9, 0xFF, 0xC0, 0, 0x11, 8, 0, 1, 0, 1}, {}},
        {"markers without length, then a frame", ReadJpegSize,
         {0xFF, 0xD8, 0xFF, 0xD0, 0xFF, 0x01, 0xFF, 0xC0, 0, 0x11, 8, 0, 2, 0, 3}, {3, 2}},
        {"byte that is no marker", ReadJpegSize, {0xFF, 0xD8, 0xFF, 0xE0, 0, 2, 0x00, 0xC0, 0, 0x11, 8, 0, 1, 0, 1}, {}},
        {"truncated frame", ReadJpegSize, {0xFF, 0xD8, 0xFF, 0xC0, 0, 0x11, 8, 0}, {}},
        {"empty", ReadJpegSize, {}, {}},
    });
}

TEST(ImageHeaders, PngReadsTheFull32BitSize) {
    std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 13, 'I', 'H', 'D', 'R',
                                0x00, 0x01, 0x11, 0x70, 0x00, 0x00, 0x01, 0x02};
    std::vector<uint8_t> bad = png;
    bad[1] = 'Q';
    ExpectSizes({
        {"70000 x 258", ReadPngSize, png, {70000, 258}},
        {"wrong signature", ReadPngSize, bad, {}},
        {"truncated", ReadPngSize, {png.begin(), png.begin() + 20}, {}},
    });
}

TEST(ImageHeaders, BmpTopDownAndWideBitmaps) {
    auto bmp = [](int32_t w, int32_t h) {
        std::vector<uint8_t> b = {'B', 'M'};
        for (uint32_t v : {0u, 0u, 54u, 40u, static_cast<uint32_t>(w), static_cast<uint32_t>(h)})
            for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
        return b;
    };
    ExpectSizes({
        {"top-down", ReadBmpSize, bmp(37, -23), {37, 23}},
        {"bottom-up", ReadBmpSize, bmp(37, 23), {37, 23}},
        {"wider than 16 bits", ReadBmpSize, bmp(70000, 66000), {70000, 66000}},
        {"no signature", ReadBmpSize, {'B', 'A', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
         {}},
    });
    TMemoryStream shortFile = StreamOf({'B', 'M', 1, 2, 3});
    EXPECT_THROW(ReadBmpSize(shortFile), EReadError);
}

TEST(ImageHeaders, TiffHonoursByteOrderAndValueTypes) {
    // One directory at offset 8 with width then height entries of the given type.
    auto tiff = [](bool big, uint16_t type, uint32_t w, uint32_t h) {
        std::vector<uint8_t> b;
        auto put = [&](uint32_t v, int n) {
            for (int i = 0; i < n; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * (big ? n - 1 - i : i))));
        };
        b.push_back(big ? 'M' : 'I');
        b.push_back(big ? 'M' : 'I');
        put(42, 2);
        put(8, 4);
        put(2, 2);
        for (auto [tag, v] : {std::pair{256u, w}, std::pair{257u, h}}) {
            put(tag, 2);
            put(type, 2);
            put(1, 4);
            if (type == 3) {
                put(v, 2);
                put(0, 2);
            } else {
                put(v, 4);
            }
        }
        put(0, 4);
        return b;
    };
    std::vector<uint8_t> odd = tiff(false, 3, 5, 6);
    odd[0] = odd[1] = 'X';
    ExpectSizes({
        {"II SHORT", ReadTiffSize, tiff(false, 3, 300, 200), {300, 200}},
        {"MM SHORT", ReadTiffSize, tiff(true, 3, 300, 200), {300, 200}},
        {"II LONG", ReadTiffSize, tiff(false, 4, 70000, 200), {70000, 200}},
        {"MM LONG", ReadTiffSize, tiff(true, 4, 300, 70000), {300, 70000}},
        {"no byte-order mark", ReadTiffSize, odd, {}},
        {"directory beyond the end", ReadTiffSize, {'I', 'I', 42, 0, 0xFF, 0, 0, 0}, {}},
    });
}

TEST(ImageHeaders, GifGivesTheFirstImageNotTheScreen) {
    // Screen 100 x 80 without colour table, then the image descriptor of a 40 x 30 image.
    const std::vector<uint8_t> gif = {'G', 'I', 'F', '8', '9', 'a', 100, 0, 80, 0, 0x00, 0, 0,
                                      0x2C, 10, 0, 5, 0, 40, 0, 30, 0, 0, 2};
    std::vector<uint8_t> withTable = {'G', 'I', 'F', '8', '7', 'a', 9, 0, 9, 0, 0x80, 0, 0,
                                      0x2C, 0x2C, 0x2C, 0x2C, 0x2C, 0x2C, // two colours, both 0x2C bytes
                                      0x2C, 0, 0, 0, 0, 7, 0, 3, 0, 0, 2};
    ExpectSizes({
        {"descriptor right after the header", ReadGifSize, gif, {40, 30}},
        {"global colour table skipped", ReadGifSize, withTable, {7, 3}},
        {"descriptor cut short", ReadGifSize, {gif.begin(), gif.begin() + 20}, {}},
        {"wrong signature", ReadGifSize, {'G', 'I', 'X', '8', '9', 'a', 1, 0, 1, 0, 0, 0, 0, 0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0, 2}, {}},
    });
}

TEST(ImageHeaders, ExtensionPicksTheReaderWithoutRegardToCase) {
    const std::vector<uint8_t> gif = {'G', 'I', 'F', '8', '9', 'a', 100, 0, 80, 0, 0x00, 0, 0,
                                      0x2C, 10, 0, 5, 0, 40, 0, 30, 0, 0, 2};
    for (const char* ext : {".gif", ".GIF", ".Gif"}) {
        TMemoryStream s = StreamOf(gif);
        EXPECT_EQ(ReadSizeByExtension(s, ext), (TImageSize{40, 30})) << ext;
    }
    for (const char* ext : {".png", ".jpg", ".gifx", ""}) {
        TMemoryStream s = StreamOf(gif);
        EXPECT_EQ(ReadSizeByExtension(s, ext), TImageSize{}) << ext;
    }
}
