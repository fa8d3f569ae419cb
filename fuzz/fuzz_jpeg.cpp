// A picture's stored form from arbitrary bytes: class name, length, JPEG data; then load and decode.
// Codec failures are exceptions of the program's own; anything else (a crash, a leak, a foreign
// exception) is a finding.
#include <cstddef>
#include <cstdint>

#include "framework/Graphics.h"
#include "graphics/jpeg.h"

namespace {
// Big pictures decode correctly but slowly; the fuzzer looks for faults, not for patience.
constexpr int64_t kMaxDecodedPixels = int64_t{4} << 20;
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    InitializeJpegUnit();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    TMemoryStream stream;
    stream.WriteBuffer(Data, static_cast<int64_t>(Size));
    stream.SetPosition(0);
    TPicture picture;
    try {
        picture.ReadStoredData(stream);
    } catch (const Exception&) {
        return 0;
    }
    auto* jpeg = dynamic_cast<TJPEGImage*>(picture.Graphic());
    if (!jpeg || int64_t{jpeg->Width()} * jpeg->Height() > kMaxDecodedPixels) return 0;
    try {
        jpeg->DIBNeeded();
    } catch (const Exception&) {
    }
    TMemoryStream written;
    picture.WriteStoredData(written);
    return 0;
}
