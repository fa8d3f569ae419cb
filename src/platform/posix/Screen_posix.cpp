#include "platform/Screen.h"

// Linux screens are true colour; the halftone palette is the 6x6x6 colour cube below a gray ramp.
int ScreenBitsPerPixel() { return 24; }

std::vector<uint32_t> ScreenHalftonePalette() {
    std::vector<uint32_t> palette;
    for (uint32_t b = 0; b < 6; ++b)
        for (uint32_t g = 0; g < 6; ++g)
            for (uint32_t r = 0; r < 6; ++r) palette.push_back(r * 51 | (g * 51) << 8 | (b * 51) << 16);
    for (uint32_t i = 1; i <= 40; ++i) {
        const uint32_t v = i * 255 / 41;
        palette.push_back(v | v << 8 | v << 16);
    }
    return palette;
}
