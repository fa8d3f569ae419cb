// Decoding (pixels against djpeg), progress notices, palettes and the compression path.
#include <gtest/gtest.h>

#include "framework/SysUtils.h"
#include "graphics/jpeg_support.h"
#include "platform/Surface.h"

namespace {
struct TDecodeRow {
    const char* Jpeg;
    const char* Reference; // djpeg's decoding of the same file
    TJPEGPixelFormat Depth;
    TPixelFormat Expected;
};

// 8-bit rows: djpeg -colors 236 runs the same two-pass (colour) or one-pass (gray) quantiser.
const TDecodeRow kDecodes[] = {
    {"banner.jpg", "banner.bmp", jf24Bit, pf24bit},
    {"photo.jpg", "photo.bmp", jf24Bit, pf24bit},
    {"progressive.jpg", "progressive.bmp", jf24Bit, pf24bit},
    {"photo.jpg", "photo-236.bmp", jf8Bit, pf8bit},
    {"gray.jpg", "gray-236.bmp", jf24Bit, pf8bit},
    {"gray.jpg", "gray-236.bmp", jf8Bit, pf8bit},
};

TEST(JPEGImageDecode, PixelsMatchDjpeg) {
    for (const auto& row : kDecodes) {
        SCOPED_TRACE(std::string(row.Jpeg) + " as " + row.Reference);
        TMemoryStream stream;
        stream.LoadFromFile(JpegPicturePath(row.Jpeg));
        TJPEGImage picture;
        picture.SetOutputDepth(row.Depth);
        picture.LoadFromStream(stream);
        picture.DIBNeeded();
        ASSERT_NE(picture.Bitmap(), nullptr);
        EXPECT_EQ(picture.Bitmap()->PixelFormat(), row.Expected);
        EXPECT_EQ(FirstPixelDifference(*picture.Bitmap(), *ReferenceBitmap(row.Reference)), "");
    }
}

TEST(JPEGImageDecode, GrayscaleGivesAGrayPaletteOfAtMost236) {
    auto picture = LoadJpeg(JpegPictureBytes("gray.jpg"));
    picture->DIBNeeded();
    const auto& palette = picture->Bitmap()->Palette();
    ASSERT_FALSE(palette.empty());
    EXPECT_LE(palette.size(), 236u);
    for (const auto& e : palette) EXPECT_TRUE(e.Red == e.Green && e.Green == e.Blue);
    EXPECT_TRUE(picture->PaletteModified());
}

TEST(JPEGImageDecode, DrawDecodesOnceAndStretches) {
    auto picture = LoadJpeg(JpegPictureBytes("banner.jpg"));
    auto surface = CreateSurface(1300, 55);
    TCanvas canvas(surface.get());
    picture->Draw(canvas, Rect(0, 0, 1300, 55));
    TBitmap* decoded = picture->Bitmap();
    ASSERT_NE(decoded, nullptr);
    EXPECT_EQ(picture->Width(), 2600);
    const auto reference = ReferenceBitmap("banner.bmp");
    for (int x : {0, 1, 650, 1299})
        for (int y : {0, 27, 54}) EXPECT_EQ(canvas.Pixel(x, y), reference->PixelColor(2 * x, y)) << x << "," << y;
    picture->Draw(canvas, Rect(0, 0, 10, 10));
    EXPECT_EQ(picture->Bitmap(), decoded) << "decoded again";
}

TEST(JPEGImageDecode, TruncatedDataDecodesWithoutAnError) {
    auto bytes = JpegPictureBytes("photo.jpg");
    bytes.resize(bytes.size() / 2);
    auto picture = LoadJpeg(bytes);
    ASSERT_NO_THROW(picture->DIBNeeded());
    EXPECT_EQ(picture->Bitmap()->Width(), 640);
    EXPECT_EQ(picture->Bitmap()->Height(), 480);
    // The rows the data covers are exact.
    EXPECT_EQ(FirstPixelDifference(*picture->Bitmap(), *ReferenceBitmap("photo.bmp"), 0, 64), "");
}

TEST(JPEGImageDecode, CopyIntoABitmap) {
    auto picture = LoadJpeg(JpegPictureBytes("photo.jpg"));
    TBitmap bitmap;
    bitmap.Assign(picture.get());
    EXPECT_EQ(FirstPixelDifference(bitmap, *ReferenceBitmap("photo.bmp")), "");
}

TEST(JPEGImageDecode, EmptyPictureDrawsNothing) {
    TJPEGImage picture;
    auto surface = CreateSurface(4, 4);
    TCanvas canvas(surface.get());
    EXPECT_NO_THROW(picture.Draw(canvas, Rect(0, 0, 4, 4)));
    EXPECT_TRUE(picture.Empty());
    EXPECT_EQ(canvas.Pixel(1, 1), 0u);
}

// A failing first decode reports once; the partial bitmap serves later draws.
TEST(JPEGImageDecode, FailureInsideTheLibraryReachesTheCallerOnce) {
    auto picture = LoadJpeg(JpegPictureBytes("photo.jpg"));
    picture->TickCount = [t = 1000u]() mutable { return t += 1000; };
    int running = 0;
    picture->OnProgress = [&](TObject*) {
        if (picture->Progress().Stage == psRunning && ++running == 2) throw EConvertError("stop");
    };
    EXPECT_THROW(picture->DIBNeeded(), EConvertError);
    ASSERT_NE(picture->Bitmap(), nullptr);
    EXPECT_EQ(picture->Progress().Stage, psEnding);
    EXPECT_EQ(picture->Progress().PercentDone, 0);
    EXPECT_NO_THROW(picture->DIBNeeded());
    EXPECT_EQ(FirstPixelDifference(*picture->Bitmap(), *ReferenceBitmap("photo.bmp"), 0, 2), "");
}

TEST(JPEGImageDecode, SilentAbortEndsQuietly) {
    auto picture = LoadJpeg(JpegPictureBytes("photo.jpg"));
    picture->TickCount = [t = 1000u]() mutable { return t += 1000; };
    picture->OnProgress = [&](TObject*) {
        if (picture->Progress().Stage == psRunning) throw EAbort("");
    };
    EXPECT_NO_THROW(picture->DIBNeeded());
    EXPECT_EQ(picture->Bitmap()->Height(), 480);
    EXPECT_EQ(picture->Progress().PercentDone, 0);
}

// One row a call of the library's progress hook, against expected notices.
struct TProgressRow {
    uint32_t Time;
    long Counter;
    int Scanline;
    int Percent; // -1: no notice
    TRect Area;
    bool Redraw;
};

TEST(JPEGImageProgress, ThrottledToChangedPercentagesEvery500Ms) {
    const TProgressRow rows[] = {
        {1000, 0, 0, -1, {}, false},              // first call only records the time
        {1200, 10, 10, -1, {}, false},            // under 500 ms
        {1500, 20, 20, 20, {0, 0, 100, 20}, true},
        {1999, 30, 30, -1, {}, false},            // 499 ms later
        {2000, 20, 20, -1, {}, false},            // same percentage: no notice, time recorded
        {2600, 22, 22, 22, {0, 20, 100, 22}, false}, // under 4 rows: no redraw
        {3100, 100, 5, 100, {0, 22, 100, 100}, true}, // scanline went back: area to the bottom
    };
    TJPEGImage picture;
    uint32_t now = 0;
    picture.TickCount = [&] { return now; };
    int notices = 0;
    picture.OnProgress = [&](TObject*) { ++notices; };
    TJPEGImage::TProgressState state;
    for (size_t i = 0; i < std::size(rows); ++i) {
        const auto& row = rows[i];
        SCOPED_TRACE("row " + std::to_string(i));
        now = row.Time;
        const int before = notices;
        picture.LibraryProgress(state, row.Counter, 100, 0, 1, row.Scanline, 100, 100);
        if (row.Percent < 0) {
            EXPECT_EQ(notices, before);
            continue;
        }
        ASSERT_EQ(notices, before + 1);
        EXPECT_EQ(picture.Progress().Stage, psRunning);
        EXPECT_EQ(picture.Progress().PercentDone, row.Percent);
        EXPECT_EQ(picture.Progress().Area, row.Area);
        EXPECT_EQ(picture.Progress().RedrawNow, row.Redraw);
    }
}

TEST(JPEGImageProgress, DecodeReportsStartRunningAndEnd) {
    auto picture = LoadJpeg(JpegPictureBytes("photo.jpg"));
    uint32_t now = 5000;
    picture->TickCount = [&] { return now += 100; };
    std::vector<TJPEGProgress> notices;
    std::vector<uint32_t> times;
    picture->OnProgress = [&](TObject*) {
        notices.push_back(picture->Progress());
        times.push_back(now);
    };
    picture->DIBNeeded();
    ASSERT_GE(notices.size(), 3u);
    EXPECT_EQ(notices.front().Stage, psStarting);
    EXPECT_EQ(notices.back().Stage, psEnding);
    EXPECT_EQ(notices.back().PercentDone, 100);
    int lastBottom = 0, lastPercent = 0;
    for (size_t i = 1; i + 1 < notices.size(); ++i) {
        EXPECT_EQ(notices[i].Stage, psRunning);
        EXPECT_GT(notices[i].PercentDone, lastPercent);
        EXPECT_EQ(notices[i].Area.Top, lastBottom) << "areas follow each other";
        if (i > 1) {
            EXPECT_GE(times[i] - times[i - 1], 500u);
        }
        lastPercent = notices[i].PercentDone;
        lastBottom = notices[i].Area.Bottom;
    }
}

TEST(JPEGImagePalette, HalftoneOnPaletteScreensOnly) {
    auto previous = JPEGScreenColorDepth;
    JPEGScreenColorDepth = [] { return 8; };
    auto picture = LoadJpeg(JpegPictureBytes("photo.jpg"));
    TPaletteHandle halftone = picture->Palette();
    ASSERT_NE(halftone, nullptr);
    EXPECT_EQ(*halftone, CreateHalftonePalette());
    EXPECT_EQ(picture->Palette(), halftone) << "kept as the temporary palette";
    picture->DIBNeeded(); // 24-bit output forgets it
    EXPECT_EQ(picture->Palette(), nullptr);
    JPEGScreenColorDepth = [] { return 24; };
    auto truecolour = LoadJpeg(JpegPictureBytes("photo.jpg"));
    EXPECT_EQ(truecolour->Palette(), nullptr);
    JPEGScreenColorDepth = previous;
}

TEST(JPEGImagePalette, EightBitDecodeMapsToTheGivenPalette) {
    auto picture = LoadJpeg(JpegPictureBytes("photo.jpg"));
    picture->SetOutputDepth(jf8Bit);
    auto palette = std::make_shared<const std::vector<TPaletteEntry>>(
        std::vector<TPaletteEntry>{{0, 0, 0}, {255, 255, 255}, {255, 128, 0}, {0, 0, 128}});
    picture->SetPalette(palette);
    picture->DIBNeeded();
    EXPECT_EQ(picture->Bitmap()->Palette(), *palette);
    for (int y = 0; y < 480; y += 37)
        for (int x = 0; x < 640; x += 41) EXPECT_LT(picture->Bitmap()->ScanLine(y)[x], 4);
    picture->SetPalette(palette); // the same handle: nothing happens
    EXPECT_NE(picture->Bitmap(), nullptr);
    picture->SetPalette(nullptr); // a different palette frees the bitmap
    EXPECT_EQ(picture->Bitmap(), nullptr);
}

TEST(JPEGImageCompress, RoundTripThroughABitmap) {
    auto original = LoadJpeg(JpegPictureBytes("photo.jpg"));
    original->DIBNeeded();
    TJPEGImage fresh;
    fresh.Assign(original->Bitmap());
    EXPECT_FALSE(fresh.SharedData()->HasBytes());
    TMemoryStream saved;
    fresh.SaveToStream(saved);
    ASSERT_GT(saved.Size(), 2);
    EXPECT_EQ(saved.Memory()[0], 0xFF);
    EXPECT_EQ(saved.Memory()[1], 0xD8);
    auto reloaded = LoadJpeg(saved.Bytes());
    EXPECT_EQ(reloaded->Width(), 640);
    EXPECT_FALSE(reloaded->IsGray());
    EXPECT_FALSE(reloaded->IsProgressive());
    reloaded->DIBNeeded();
    EXPECT_EQ(FirstPixelDifference(*reloaded->Bitmap(), *original->Bitmap(), 0, -1, 24), "");
}

TEST(JPEGImageCompress, GrayAndProgressiveSettingsReachTheData) {
    auto original = LoadJpeg(JpegPictureBytes("banner.jpg"));
    original->DIBNeeded();
    TJPEGImage fresh;
    fresh.Assign(original->Bitmap());
    fresh.SetGrayOutput(true);
    fresh.SetIsProgressive(true);
    TMemoryStream saved;
    fresh.SaveToStream(saved);
    auto reloaded = LoadJpeg(saved.Bytes());
    EXPECT_TRUE(reloaded->IsGray());
    EXPECT_TRUE(reloaded->IsProgressive());
    EXPECT_EQ(reloaded->Width(), 2600);
}

TEST(JPEGImageCompress, EightBitBitmapsAreWidenedFirst) {
    auto gray = LoadJpeg(JpegPictureBytes("gray.jpg"));
    gray->DIBNeeded();
    TJPEGImage fresh;
    fresh.Assign(gray->Bitmap());
    TMemoryStream saved;
    fresh.SaveToStream(saved);
    auto reloaded = LoadJpeg(saved.Bytes());
    reloaded->SetGrayOutput(true);
    reloaded->DIBNeeded();
    EXPECT_EQ(FirstPixelDifference(*reloaded->Bitmap(), *gray->Bitmap(), 0, -1, 24), "");
}
} // namespace
