#pragma once
// Width and height of an image read from its file header, without decoding it. Each reader starts at
// the stream's beginning and gives 0 x 0 for a wrong signature or what it does not find.
#include <cstdint>
#include <string>

class TStream;

struct TImageSize {
    int32_t Width{0};
    int32_t Height{0};
    bool operator==(const TImageSize&) const = default;
};

// Every start-of-frame marker gives the frame's size.
TImageSize ReadJpegSize(TStream& Stream);
// The full 32-bit size of the header chunk.
TImageSize ReadPngSize(TStream& Stream);
// A top-down bitmap (negative height) reads as its absolute height. A file too short for the header
// raises EReadError.
TImageSize ReadBmpSize(TStream& Stream);
// Little-endian ("II") and big-endian ("MM") files, SHORT and LONG values.
TImageSize ReadTiffSize(TStream& Stream);
// The size of the first image, not of the logical screen.
TImageSize ReadGifSize(TStream& Stream);

// The reader for an extension (".JPG", ".png", ...; compared without regard to case), or 0 x 0 for
// one that has none.
TImageSize ReadSizeByExtension(TStream& Stream, const std::string& Extension);
