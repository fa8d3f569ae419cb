#include "graphics/AdvGDIPHeaders.h"

#include <cstdlib>
#include <limits>

#include "framework/Classes.h"

namespace {
// Reads from a stream byte by byte, remembering whether every read succeeded.
class TReader {
public:
    explicit TReader(TStream& Stream) : FStream(Stream) { FStream.SetPosition(0); }
    bool Good() const { return FGood; }
    uint8_t Byte() {
        uint8_t b = 0;
        if (FGood && FStream.Read(&b, 1) != 1) FGood = false;
        return FGood ? b : 0;
    }
    bool Bytes(uint8_t* Buffer, int Count) {
        if (FGood && FStream.Read(Buffer, Count) != Count) FGood = false;
        return FGood;
    }
    uint32_t Unsigned(int Count, bool BigEndian) {
        uint8_t b[4]{};
        if (!Bytes(b, Count)) return 0;
        uint32_t v = 0;
        for (int i = 0; i < Count; ++i) v |= static_cast<uint32_t>(b[BigEndian ? Count - 1 - i : i]) << (8 * i);
        return v;
    }
    void Skip(int64_t Count) {
        if (FGood) FStream.Seek(Count, TSeekOrigin::soCurrent);
    }
    void MoveTo(int64_t Position) {
        if (FGood) FStream.SetPosition(Position);
    }

private:
    TStream& FStream;
    bool FGood{true};
};

// A size that does not fit a signed 32-bit number is not a size.
int32_t Fit(uint64_t Value) {
    return Value > static_cast<uint64_t>(std::numeric_limits<int32_t>::max()) ? 0 : static_cast<int32_t>(Value);
}

bool IsStartOfFrame(uint8_t M) { return M >= 0xC0 && M <= 0xCF && M != 0xC4 && M != 0xC8 && M != 0xCC; }
bool HasNoLength(uint8_t M) { return M == 0x01 || (M >= 0xD0 && M <= 0xD7); }
} // namespace

TImageSize ReadJpegSize(TStream& Stream) {
    TReader in(Stream);
    if (in.Byte() != 0xFF || in.Byte() != 0xD8 || !in.Good()) return {};
    uint8_t b = in.Byte();
    while (b == 0xFF && in.Good()) {
        const uint8_t m = in.Byte();
        if (!in.Good()) break;
        if (m == 0xFF || HasNoLength(m)) continue; // fill byte, or a marker without a segment
        if (IsStartOfFrame(m)) {
            in.Skip(3); // segment length and precision
            const uint32_t height = in.Unsigned(2, true);
            const uint32_t width = in.Unsigned(2, true);
            if (!in.Good()) return {};
            return {Fit(width), Fit(height)};
        }
        const uint32_t length = in.Unsigned(2, true);
        if (length < 2) break;
        in.Skip(length - 2);
        b = in.Byte();
    }
    return {};
}

TImageSize ReadPngSize(TStream& Stream) {
    static constexpr uint8_t kSignature[8] = {0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A};
    TReader in(Stream);
    uint8_t head[24]{};
    if (!in.Bytes(head, 8)) return {};
    for (int i = 0; i < 8; ++i)
        if (head[i] != kSignature[i]) return {};
    if (!in.Bytes(head + 8, 16)) return {};
    auto be32 = [&](int at) {
        return (uint32_t{head[at]} << 24) | (uint32_t{head[at + 1]} << 16) | (uint32_t{head[at + 2]} << 8) | head[at + 3];
    };
    return {Fit(be32(16)), Fit(be32(20))};
}

TImageSize ReadBmpSize(TStream& Stream) {
    Stream.SetPosition(0);
    uint8_t magic[2]{};
    if (Stream.Read(magic, 2) != 2 || magic[0] != 'B' || magic[1] != 'M') return {};
    uint8_t fields[24];
    Stream.ReadBuffer(fields, sizeof fields); // file size, reserved, data offset, header size, width, height
    auto le32 = [&](int at) {
        return static_cast<int32_t>(fields[at] | (fields[at + 1] << 8) | (fields[at + 2] << 16) |
                                    (static_cast<uint32_t>(fields[at + 3]) << 24));
    };
    const int64_t width = le32(16), height = le32(20);
    return {width < 0 ? 0 : Fit(width), Fit(static_cast<uint64_t>(std::llabs(height)))};
}

TImageSize ReadTiffSize(TStream& Stream) {
    TReader in(Stream);
    uint8_t head[8]{};
    if (!in.Bytes(head, 8)) return {};
    bool big;
    if (head[0] == 'I' && head[1] == 'I') big = false;
    else if (head[0] == 'M' && head[1] == 'M') big = true;
    else return {};
    auto word = [&](int at, int count) {
        uint32_t v = 0;
        for (int i = 0; i < count; ++i) v |= static_cast<uint32_t>(head[at + (big ? count - 1 - i : i)]) << (8 * i);
        return v;
    };
    in.MoveTo(word(4, 4));
    const uint32_t entries = in.Unsigned(2, big);
    int64_t width = -1, height = -1;
    for (uint32_t i = 0; i < entries && in.Good(); ++i) {
        const uint32_t tag = in.Unsigned(2, big);
        const uint32_t type = in.Unsigned(2, big);
        in.Skip(4); // value count
        const uint32_t value = type == 3 ? in.Unsigned(2, big) : in.Unsigned(4, big);
        if (type == 3) in.Skip(2);
        if (!in.Good()) break;
        if (tag == 256) width = value;
        if (tag == 257) height = value;
        if (width >= 0 && height >= 0) return {Fit(width), Fit(height)};
    }
    return {};
}

TImageSize ReadGifSize(TStream& Stream) {
    TReader in(Stream);
    uint8_t head[13]{};
    if (!in.Bytes(head, 13) || head[0] != 'G' || head[1] != 'I' || head[2] != 'F') return {};
    if (head[10] & 0x80) in.Skip(3 * (int64_t{1} << ((head[10] & 7) + 1)));
    for (uint8_t b = in.Byte(); in.Good(); b = in.Byte()) {
        if (b != 0x2C) continue;
        uint8_t d[10]{};
        if (!in.Bytes(d, 10)) return {};
        return {d[4] | (d[5] << 8), d[6] | (d[7] << 8)};
    }
    return {};
}

TImageSize ReadSizeByExtension(TStream& Stream, const std::string& Extension) {
    const std::string ext = UpperCaseAscii(Extension);
    if (ext == ".JPG" || ext == ".JPEG") return ReadJpegSize(Stream);
    if (ext == ".PNG") return ReadPngSize(Stream);
    if (ext == ".BMP") return ReadBmpSize(Stream);
    if (ext == ".TIFF" || ext == ".TIF") return ReadTiffSize(Stream);
    if (ext == ".GIF") return ReadGifSize(Stream);
    return {};
}
