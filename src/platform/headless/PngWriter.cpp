#include "platform/headless/PngWriter.h"

#include <algorithm>
#include <array>

#include "framework/Classes.h"

namespace {
const std::array<uint32_t, 256>& CrcTable() {
    static const auto table = [] {
        std::array<uint32_t, 256> t{};
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    return table;
}

void PutBe32(std::vector<uint8_t>& Out, uint32_t V) {
    for (int shift = 24; shift >= 0; shift -= 8) Out.push_back(static_cast<uint8_t>(V >> shift));
}

void PutChunk(std::vector<uint8_t>& Out, const char Type[5], const std::vector<uint8_t>& Data) {
    PutBe32(Out, static_cast<uint32_t>(Data.size()));
    const size_t typeAt = Out.size();
    Out.insert(Out.end(), Type, Type + 4);
    Out.insert(Out.end(), Data.begin(), Data.end());
    PutBe32(Out, PngCrc32(Out.data() + typeAt, Out.size() - typeAt));
}

// Filter type 0 and straight RGBA for every row.
std::vector<uint8_t> RawRows(const TSurface& Surface) {
    std::vector<uint8_t> raw;
    raw.reserve(static_cast<size_t>(Surface.Height) * (1 + 4 * static_cast<size_t>(Surface.Width)));
    for (int y = 0; y < Surface.Height; ++y) {
        raw.push_back(0);
        const auto* row = reinterpret_cast<const uint32_t*>(reinterpret_cast<const uint8_t*>(Surface.Bits) +
                                                             static_cast<size_t>(y) * Surface.Stride);
        for (int x = 0; x < Surface.Width; ++x) {
            const uint32_t p = row[x];
            const uint32_t a = p >> 24;
            auto straight = [a](uint32_t c) {
                return static_cast<uint8_t>(a == 0 ? 0 : std::min<uint32_t>(255, (c * 255 + a / 2) / a));
            };
            raw.push_back(straight((p >> 16) & 0xFF));
            raw.push_back(straight((p >> 8) & 0xFF));
            raw.push_back(straight(p & 0xFF));
            raw.push_back(static_cast<uint8_t>(a));
        }
    }
    return raw;
}

// A zlib stream of stored deflate blocks (at most 65535 bytes each).
std::vector<uint8_t> StoredZlib(const std::vector<uint8_t>& Raw) {
    std::vector<uint8_t> z{0x78, 0x01};
    size_t at = 0;
    do {
        const size_t n = std::min<size_t>(65535, Raw.size() - at);
        const bool last = at + n == Raw.size();
        z.push_back(last ? 1 : 0);
        z.push_back(static_cast<uint8_t>(n));
        z.push_back(static_cast<uint8_t>(n >> 8));
        z.push_back(static_cast<uint8_t>(~n));
        z.push_back(static_cast<uint8_t>(~n >> 8));
        z.insert(z.end(), Raw.begin() + static_cast<ptrdiff_t>(at), Raw.begin() + static_cast<ptrdiff_t>(at + n));
        at += n;
    } while (at < Raw.size());
    PutBe32(z, Adler32(Raw.data(), Raw.size()));
    return z;
}
} // namespace

uint32_t PngCrc32(const uint8_t* Data, size_t Length, uint32_t Crc) {
    uint32_t c = ~Crc;
    for (size_t i = 0; i < Length; ++i) c = CrcTable()[(c ^ Data[i]) & 0xFF] ^ (c >> 8);
    return ~c;
}

uint32_t Adler32(const uint8_t* Data, size_t Length, uint32_t Adler) {
    uint32_t a = Adler & 0xFFFF, b = Adler >> 16;
    for (size_t i = 0; i < Length; ++i) {
        a = (a + Data[i]) % 65521;
        b = (b + a) % 65521;
    }
    return (b << 16) | a;
}

std::vector<uint8_t> EncodePng(const TSurface& Surface) {
    if (Surface.Width <= 0 || Surface.Height <= 0) throw EStreamError("Ein leeres Bild kann nicht als PNG gespeichert werden");
    std::vector<uint8_t> png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<uint8_t> header;
    PutBe32(header, static_cast<uint32_t>(Surface.Width));
    PutBe32(header, static_cast<uint32_t>(Surface.Height));
    header.insert(header.end(), {8, 6, 0, 0, 0}); // 8 bits, RGBA, deflate, filter 0, no interlace
    PutChunk(png, "IHDR", header);
    PutChunk(png, "IDAT", StoredZlib(RawRows(Surface)));
    PutChunk(png, "IEND", {});
    return png;
}

void SavePng(const TSurface& Surface, const std::string& FileName) {
    const std::vector<uint8_t> png = EncodePng(Surface);
    TFileStream stream(FileName, fmCreate);
    stream.WriteBuffer(png.data(), static_cast<int64_t>(png.size()));
}
