// TBitmap: rows in memory, BMP file reading and writing, drawing onto a canvas.
#include <algorithm>
#include <cstring>

#include "framework/Graphics.h"
#include "platform/Surface.h"

namespace {
int BitsOf(TPixelFormat f) {
    switch (f) {
    case pf1bit: return 1;
    case pf4bit: return 4;
    case pf8bit: return 8;
    case pf32bit: return 32;
    default: return 24;
    }
}

// A fresh zeroed block (never a reused one, which would keep old pixels).
TBitmapBits ZeroedBits(size_t size) {
    TBitmapBits bits;
    bits.resize(size);
    return bits;
}

int StrideFor(int width, int bits) { return ((width * bits + 31) / 32) * 4; }

uint32_t Le32(const uint8_t* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24); }
uint16_t Le16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
void Put32(std::vector<uint8_t>& v, uint32_t x) {
    for (int i = 0; i < 4; ++i) v.push_back(static_cast<uint8_t>(x >> (8 * i)));
}
void Put16(std::vector<uint8_t>& v, uint16_t x) {
    v.push_back(static_cast<uint8_t>(x));
    v.push_back(static_cast<uint8_t>(x >> 8));
}
} // namespace

void TBitmap::SetSize(int AWidth, int AHeight) {
    AWidth = std::max(0, AWidth);
    AHeight = std::max(0, AHeight);
    if (AWidth == FWidth && AHeight == FHeight) return;
    FWidth = AWidth;
    FHeight = AHeight;
    FStride = StrideFor(FWidth, BitsOf(FPixelFormat));
    FBits = ZeroedBits(static_cast<size_t>(FStride) * FHeight);
    Changed(this);
}

void TBitmap::SetPixelFormat(TPixelFormat Value) {
    if (Value == pfDevice) Value = pf24bit;
    if (Value == FPixelFormat) return;
    FPixelFormat = Value;
    FStride = StrideFor(FWidth, BitsOf(FPixelFormat));
    FBits = ZeroedBits(static_cast<size_t>(FStride) * FHeight);
    Changed(this);
}

void TBitmap::SetPalette(std::vector<TPaletteEntry> Value) {
    FPalette = std::move(Value);
    Changed(this);
}

uint32_t TBitmap::PixelColor(int X, int Y) const {
    if (X < 0 || Y < 0 || X >= FWidth || Y >= FHeight) return 0;
    const uint8_t* row = ScanLine(Y);
    const int bits = BitsOf(FPixelFormat);
    if (bits >= 24) {
        const uint8_t* p = row + X * (bits / 8);
        return RGB(p[2], p[1], p[0]);
    }
    const int perByte = 8 / bits;
    const int shift = (perByte - 1 - X % perByte) * bits;
    const int index = (row[X / perByte] >> shift) & ((1 << bits) - 1);
    if (index >= static_cast<int>(FPalette.size())) return 0;
    const auto& e = FPalette[index];
    return RGB(e.Red, e.Green, e.Blue);
}

TColor TBitmap::TransparentColor() const {
    if (FTransparentColor != clDefault) return FTransparentColor;
    return FHeight > 0 ? static_cast<TColor>(PixelColor(0, FHeight - 1)) : clDefault;
}

void TBitmap::Assign(const TPersistent* Source) {
    const auto* src = dynamic_cast<const TBitmap*>(Source);
    if (!src) return TGraphic::Assign(Source);
    FWidth = src->FWidth;
    FHeight = src->FHeight;
    FStride = src->FStride;
    FPixelFormat = src->FPixelFormat;
    FBits = src->FBits;
    FPalette = src->FPalette;
    FTransparentColor = src->FTransparentColor;
    SetTransparent(src->Transparent());
    Changed(this);
}

void TBitmap::Draw(TCanvas& ACanvas, const TRect& R) { DrawPart(ACanvas, R, TRect{0, 0, FWidth, FHeight}); }

void TBitmap::DrawPart(TCanvas& ACanvas, const TRect& R, const TRect& Source) {
    if (Empty() || R.IsEmpty() || Source.IsEmpty()) return;
    const bool keyed = Transparent();
    const uint32_t key = keyed ? ColorToRGB(TransparentColor()) : 0;
    const int w = R.Width(), h = R.Height(), sw = Source.Width(), sh = Source.Height();
    // Only the destination pixels inside the canvas's clip are looked up (a wide banner shows a tenth).
    const TRect clip = ACanvas.ClipRect();
    const TPoint at{R.Left + ACanvas.Origin().X, R.Top + ACanvas.Origin().Y};
    const int x0 = std::max(0, clip.Left - at.X), x1 = std::min(w, clip.Right - at.X);
    const int y0 = std::max(0, clip.Top - at.Y), y1 = std::min(h, clip.Bottom - at.Y);
    const int bits = BitsOf(FPixelFormat);
    const bool inside = Source.Left >= 0 && Source.Top >= 0 && Source.Right <= FWidth && Source.Bottom <= FHeight;
    if (!keyed && w == sw && h == sh && bits >= 24 && inside && ACanvas.Surface()) {
        // An unscaled copy of true-colour rows (the banner, the gradient's bands): row to row.
        const int bytes = bits / 8;
        for (int y = y0; y < y1; ++y) {
            const uint8_t* p = ScanLine(Source.Top + y) + static_cast<size_t>(Source.Left + x0) * bytes;
            uint32_t* d = ACanvas.Surface()->Row(at.Y + y) + at.X;
            for (int x = x0; x < x1; ++x, p += bytes) d[x] = 0xFF000000u | p[2] << 16 | p[1] << 8 | p[0];
        }
        return;
    }
    // Nearest source pixel for each destination pixel, as a stretching blit in colour-on-colour mode.
    for (int y = y0; y < y1; ++y) {
        const int sy = Source.Top + static_cast<int>(static_cast<int64_t>(y) * sh / h);
        for (int x = x0; x < x1; ++x) {
            const int sx = Source.Left + static_cast<int>(static_cast<int64_t>(x) * sw / w);
            const uint32_t c = PixelColor(sx, sy);
            if (keyed && c == key) continue;
            ACanvas.PutPixel(R.Left + x, R.Top + y, c);
        }
    }
}

void TBitmap::LoadFromStream(TStream& Stream) {
    const int64_t start = Stream.Position();
    uint8_t file[14];
    Stream.ReadBuffer(file, sizeof file);
    if (file[0] != 'B' || file[1] != 'M') throw EInvalidGraphic("Bitmap ist ung\xFCltig");
    const uint32_t dataOffset = Le32(file + 10);
    uint8_t info[40];
    Stream.ReadBuffer(info, 4);
    const uint32_t infoSize = Le32(info);
    if (infoSize < 40 || infoSize > 1024) throw EInvalidGraphic("Bitmap ist ung\xFCltig");
    Stream.ReadBuffer(info + 4, 36);
    std::vector<uint8_t> rest(infoSize - 40);
    Stream.ReadBuffer(rest.data(), static_cast<int64_t>(rest.size()));
    const int32_t width = static_cast<int32_t>(Le32(info + 4));
    const int32_t rawHeight = static_cast<int32_t>(Le32(info + 8));
    const int bits = Le16(info + 14);
    const uint32_t compression = Le32(info + 16);
    uint32_t colours = Le32(info + 32);
    const bool topDown = rawHeight < 0;
    const int64_t height = topDown ? -static_cast<int64_t>(rawHeight) : rawHeight;
    if (width <= 0 || height <= 0 || width > 65535 || height > 65535 || (compression != 0 && compression != 3))
        throw EInvalidGraphic("Bitmap ist ung\xFCltig");
    TPixelFormat format;
    switch (bits) {
    case 1: format = pf1bit; break;
    case 4: format = pf4bit; break;
    case 8: format = pf8bit; break;
    case 24: format = pf24bit; break;
    case 32: format = pf32bit; break;
    default: throw EInvalidGraphic("Bitmap ist ung\xFCltig");
    }
    std::vector<TPaletteEntry> palette;
    if (bits <= 8) {
        if (colours == 0 || colours > (1u << bits)) colours = 1u << bits;
        std::vector<uint8_t> quads(colours * 4);
        Stream.ReadBuffer(quads.data(), static_cast<int64_t>(quads.size()));
        for (uint32_t i = 0; i < colours; ++i) palette.push_back({quads[i * 4 + 2], quads[i * 4 + 1], quads[i * 4]});
    }
    Stream.SetPosition(start + dataOffset);
    FPixelFormat = format;
    FWidth = width;
    FHeight = static_cast<int>(height);
    FStride = StrideFor(FWidth, bits);
    FBits = ZeroedBits(static_cast<size_t>(FStride) * FHeight);
    for (int row = 0; row < FHeight; ++row) {
        const int target = topDown ? row : FHeight - 1 - row;
        Stream.ReadBuffer(ScanLine(target), FStride);
    }
    FPalette = std::move(palette);
    Changed(this);
}

void TBitmap::SaveToStream(TStream& Stream) {
    const bool paletted = FPixelFormat == pf8bit || FPixelFormat == pf4bit || FPixelFormat == pf1bit;
    const int bits = BitsOf(FPixelFormat);
    const uint32_t paletteBytes = paletted ? (1u << bits) * 4 : 0;
    const uint32_t offset = 14 + 40 + paletteBytes;
    std::vector<uint8_t> head;
    head.push_back('B');
    head.push_back('M');
    Put32(head, offset + static_cast<uint32_t>(FBits.size()));
    Put32(head, 0);
    Put32(head, offset);
    Put32(head, 40);
    Put32(head, static_cast<uint32_t>(FWidth));
    Put32(head, static_cast<uint32_t>(FHeight));
    Put16(head, 1);
    Put16(head, static_cast<uint16_t>(bits));
    Put32(head, 0);
    Put32(head, static_cast<uint32_t>(FBits.size()));
    Put32(head, 3780);
    Put32(head, 3780);
    Put32(head, paletted ? (1u << bits) : 0);
    Put32(head, 0);
    for (uint32_t i = 0; paletted && i < (1u << bits); ++i) {
        const TPaletteEntry e = i < FPalette.size() ? FPalette[i] : TPaletteEntry{};
        head.insert(head.end(), {e.Blue, e.Green, e.Red, 0});
    }
    Stream.WriteBuffer(head.data(), static_cast<int64_t>(head.size()));
    for (int row = FHeight - 1; row >= 0; --row) Stream.WriteBuffer(ScanLine(row), FStride);
}
