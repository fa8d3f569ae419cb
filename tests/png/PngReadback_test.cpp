// What the headless back end writes, read back with libpng: every pixel of a rendered client area
// comes back as painted.
#include <gtest/gtest.h>
#include <png.h>

#include <cstdio>
#include <filesystem>
#include <vector>

#include "framework/Classes.h"
#include "framework/ExtCtrls.h"
#include "framework/Forms.h"
#include "ui/headless/ClientAreaRender.h"
#include "graphics/AdvGDIPObjects.h"
#include "ui/headless/PngWriter.h"

namespace {
struct TDecoded {
    int Width{0}, Height{0};
    std::vector<uint8_t> Rgba;
};

TDecoded ReadPng(const std::string& FileName) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    TDecoded out;
    if (!png_image_begin_read_from_file(&image, FileName.c_str())) {
        ADD_FAILURE() << "libpng: " << image.message;
        return out;
    }
    image.format = PNG_FORMAT_RGBA;
    out.Width = static_cast<int>(image.width);
    out.Height = static_cast<int>(image.height);
    out.Rgba.resize(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, out.Rgba.data(), 0, nullptr)) ADD_FAILURE() << "libpng: " << image.message;
    return out;
}

std::string TempPng(const char* Name) { return (std::filesystem::temp_directory_path() / Name).string(); }

// GDI+ encodes the pictures: up for the whole program and shut down at its end, as in the programs
// that write them.
struct TGdiplus : ::testing::Environment {
    void SetUp() override { InitializeGdiplus(); }
    void TearDown() override { FinalizeGdiplus(); }
};
const auto* const kGdiplus = ::testing::AddGlobalTestEnvironment(new TGdiplus);
} // namespace

TEST(PngReadback, AnEmptySurfaceOrAnUnwritableFileIsAnErrorNotAFile) {
    const std::string file = TempPng("velundo-empty.png");
    std::remove(file.c_str());
    EXPECT_THROW(SavePng(*CreateSurface(0, 0), file), EStreamError);
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_THROW(SavePng(*CreateSurface(2, 2), "/nonexistent-folder/x/shot.png"), EStreamError);
}

TEST(PngReadback, ARenderedClientAreaComesBackPixelForPixel) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 120, 90);
    auto* panel = new TPanel(&form);
    panel->SetParent(&form);
    panel->SetBevelOuter(bvLowered);
    panel->SetBounds(0, 0, 120, 30);
    panel->SetColor(static_cast<TColor>(0x3366CC));
    const std::string file = TempPng("velundo-readback.png");
    SaveClientAreaPng(form, file);
    auto surface = RenderClientArea(form);
    const TDecoded png = ReadPng(file);
    std::remove(file.c_str());
    ASSERT_EQ(png.Width, 120);
    ASSERT_EQ(png.Height, 90);
    for (int y = 0; y < 90; ++y)
        for (int x = 0; x < 120; ++x) {
            const uint32_t p = surface->Row(y)[x];
            const uint8_t* q = &png.Rgba[(static_cast<size_t>(y) * 120 + x) * 4];
            const uint32_t back = (uint32_t{q[3]} << 24) | (uint32_t{q[0]} << 16) | (uint32_t{q[1]} << 8) | q[2];
            ASSERT_EQ(back, p) << "pixel " << x << ", " << y;
        }
    // The panel's own colour (0x00BBGGRR 0x3366CC is red 0xCC, green 0x66, blue 0x33) inside its bevel.
    const uint8_t* inside = &png.Rgba[(5 * 120 + 5) * 4];
    EXPECT_EQ(inside[0], 0xCC);
    EXPECT_EQ(inside[1], 0x66);
    EXPECT_EQ(inside[2], 0x33);
}

TEST(PngReadback, TranslucentPixelsAreWrittenWithStraightAlpha) {
    auto surface = CreateSurface(300, 250);
    for (int y = 0; y < 250; ++y)
        for (int x = 0; x < 300; ++x) {
            const uint32_t a = (x + y) % 256, c = a / 2; // premultiplied: half intensity of each channel
            surface->Row(y)[x] = (a << 24) | (c << 16) | (c << 8) | c;
        }
    const std::string file = TempPng("velundo-alpha.png");
    SavePng(*surface, file);
    const TDecoded png = ReadPng(file);
    std::remove(file.c_str());
    ASSERT_EQ(png.Width, 300);
    for (int y = 0; y < 250; ++y)
        for (int x = 0; x < 300; ++x) {
            const uint8_t* q = &png.Rgba[(static_cast<size_t>(y) * 300 + x) * 4];
            const int a = (x + y) % 256;
            ASSERT_EQ(q[3], a);
            if (a == 0) continue;
            // Un-premultiplied: 255 * (a / 2) / a, about 127; encoders round either way.
            const double expected = 255.0 * (a / 2) / a;
            ASSERT_NEAR(q[0], expected, 1.0) << "pixel " << x << ", " << y;
        }
}
