// A picture holding arbitrary bytes measures itself through GDI+: any bytes give a size (0 x 0 when
// GDI+ cannot decode them) and no crash.
#include <cstddef>
#include <cstdint>

#include "graphics/AdvGDIP.h"

// libgdiplus' decoders, which the fuzzer does not instrument, keep memory for the life of the process
// on some broken files; only errors in our code should stop the run.
extern "C" const char* __asan_default_options() { return "detect_leaks=0"; }

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    InitializeGdiplus();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    TAdvGDIPPicture picture;
    TMemoryStream stream;
    if (Size) stream.WriteBuffer(Data, static_cast<int64_t>(Size));
    picture.LoadFromStream(stream);
    const bool measured = picture.UpdateImageSize();
    if (measured != (Size > 0) || picture.Width() < 0 || picture.Height() < 0) __builtin_trap();
    return 0;
}
