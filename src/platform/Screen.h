#pragma once
// Facts about the screen that pictures adapt to.
#include <cstdint>
#include <vector>

// Bits per pixel times colour planes of the screen device (GetDeviceCaps BITSPIXEL and PLANES).
int ScreenBitsPerPixel();
// The screen's halftone palette as 0x00BBGGRR colours.
std::vector<uint32_t> ScreenHalftonePalette();
