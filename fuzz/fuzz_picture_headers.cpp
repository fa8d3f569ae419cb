// The five header readers on arbitrary bytes: each gives a size or 0 x 0 (the BMP reader may raise a
// read error for a file too short), never reads out of bounds and never loops forever.
#include <cstddef>
#include <cstdint>

#include "framework/Classes.h"
#include "graphics/AdvGDIPHeaders.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    TMemoryStream stream;
    if (Size) stream.WriteBuffer(Data, static_cast<int64_t>(Size));
    for (auto reader : {ReadJpegSize, ReadPngSize, ReadTiffSize, ReadGifSize}) {
        const TImageSize size = reader(stream);
        if (size.Width < 0 || size.Height < 0) __builtin_trap();
    }
    try {
        const TImageSize size = ReadBmpSize(stream);
        if (size.Width < 0 || size.Height < 0) __builtin_trap();
    } catch (const EReadError&) {
    }
    return 0;
}
