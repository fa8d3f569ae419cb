// The PNG writer's checksums and byte layout; tests/png reads its output back with libpng.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "framework/Classes.h"
#include "platform/headless/PngWriter.h"

namespace {
uint32_t Be32(const std::vector<uint8_t>& B, size_t At) {
    return (uint32_t{B[At]} << 24) | (uint32_t{B[At + 1]} << 16) | (uint32_t{B[At + 2]} << 8) | B[At + 3];
}

const uint8_t* Bytes(const char* S) { return reinterpret_cast<const uint8_t*>(S); }
} // namespace

TEST(PngWriter, ChecksumsMatchTheirPublishedCheckValues) {
    struct Row {
        const char* Text;
        uint32_t Crc, Adler;
    };
    // CRC-32 of "123456789" is the standard check value; Adler-32 of "Wikipedia" the RFC 1950 example.
    const Row rows[] = {{"123456789", 0xCBF43926u, 0x091E01DEu},
                        {"Wikipedia", 0xADAAC02Eu, 0x11E60398u},
                        {"IEND", 0xAE426082u, 0x02D70121u},
                        {"", 0x00000000u, 0x00000001u}};
    for (const auto& r : rows) {
        const size_t n = std::strlen(r.Text);
        EXPECT_EQ(PngCrc32(Bytes(r.Text), n), r.Crc) << "CRC of \"" << r.Text << "\"";
        EXPECT_EQ(Adler32(Bytes(r.Text), n), r.Adler) << "Adler of \"" << r.Text << "\"";
    }
}

TEST(PngWriter, ChunksCarryTheirLengthsAndValidCrcs) {
    auto surface = CreateSurface(300, 70); // 84 070 bytes of rows: two stored blocks
    const std::vector<uint8_t> png = EncodePng(*surface);
    ASSERT_GT(png.size(), 8u);
    EXPECT_EQ(0, std::memcmp(png.data(), "\x89PNG\r\n\x1A\n", 8));
    std::vector<std::string> types;
    size_t at = 8;
    while (at + 12 <= png.size()) {
        const uint32_t length = Be32(png, at);
        ASSERT_LE(at + 12 + length, png.size()) << "chunk at " << at;
        types.emplace_back(reinterpret_cast<const char*>(&png[at + 4]), 4);
        EXPECT_EQ(Be32(png, at + 8 + length), PngCrc32(&png[at + 4], length + 4)) << types.back();
        if (types.back() == "IHDR") {
            EXPECT_EQ(Be32(png, at + 8), 300u);
            EXPECT_EQ(Be32(png, at + 12), 70u);
            EXPECT_EQ(png[at + 16], 8);  // bits per sample
            EXPECT_EQ(png[at + 17], 6);  // RGBA
        }
        at += 12 + length;
    }
    EXPECT_EQ(at, png.size());
    EXPECT_EQ(types, (std::vector<std::string>{"IHDR", "IDAT", "IEND"}));
}

TEST(PngWriter, AnEmptySurfaceIsAnErrorNotAFile) {
    auto surface = CreateSurface(0, 0);
    EXPECT_THROW(EncodePng(*surface), EStreamError);
}

TEST(PngWriter, AnUnwritableFileNameIsAnError) {
    auto surface = CreateSurface(2, 2);
    EXPECT_THROW(SavePng(*surface, "/nonexistent-folder/x/shot.png"), EStreamError);
}
