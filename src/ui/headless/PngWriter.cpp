#include "ui/headless/PngWriter.h"

#include <algorithm>
#include <vector>

#include "framework/Classes.h"
#include "graphics/AdvGDIPObjects.h"

namespace {
constexpr GpPixelFormat kArgb = 0x26200A; // PixelFormat32bppARGB: straight alpha

// The surface's premultiplied pixels with straight alpha. libgdiplus writes a premultiplied bitmap's
// values as they are, so the encoder is handed what the file must hold.
std::vector<uint32_t> StraightAlpha(const TSurface& Surface) {
    std::vector<uint32_t> out;
    out.reserve(static_cast<size_t>(Surface.Width) * Surface.Height);
    for (int y = 0; y < Surface.Height; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(reinterpret_cast<const uint8_t*>(Surface.Bits) +
                                                            static_cast<ptrdiff_t>(y) * Surface.Stride);
        for (int x = 0; x < Surface.Width; ++x) {
            const uint32_t p = row[x], a = p >> 24;
            if (a == 0 || a == 255) {
                out.push_back(a == 0 ? 0 : p);
                continue;
            }
            auto channel = [&](int shift) { return std::min<uint32_t>(255, (((p >> shift) & 0xFF) * 255 + a / 2) / a) << shift; };
            out.push_back((a << 24) | channel(16) | channel(8) | channel(0));
        }
    }
    return out;
}
} // namespace

void SavePng(const TSurface& Surface, const std::string& FileName) {
    if (Surface.Width <= 0 || Surface.Height <= 0)
        throw EStreamError("Ein leeres Bild kann nicht als PNG gespeichert werden");
    std::vector<uint32_t> pixels = StraightAlpha(Surface);
    TGPBitmap bitmap(Surface.Width, Surface.Height, Surface.Width * 4, kArgb,
                     reinterpret_cast<uint8_t*>(pixels.data()));
    if (bitmap.LastStatus != Ok || bitmap.Save(FileName, PngEncoderClsid) != Ok)
        throw EStreamError("Kann Datei " + FileName + " nicht erstellen");
}
