#pragma once
// Writes a surface as a PNG picture: 8-bit RGBA, straight (not premultiplied) alpha, no interlace.
// The image data goes into stored deflate blocks, so no compression library is needed on any
// platform; a client-area screenshot is a few hundred kilobytes.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Surface.h"

std::vector<uint8_t> EncodePng(const TSurface& Surface);
// Raises EStreamError (with the file name) when the file cannot be written.
void SavePng(const TSurface& Surface, const std::string& FileName);

// The checksums PNG and its zlib stream use, for the writer and its tests.
uint32_t PngCrc32(const uint8_t* Data, size_t Length, uint32_t Crc = 0);
uint32_t Adler32(const uint8_t* Data, size_t Length, uint32_t Adler = 1);
