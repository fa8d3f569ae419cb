// libFuzzer target for the one UTF-8 decoder and the exact-name rule on top of it. Any bytes: every
// code point decoded is a Unicode scalar value that re-encodes to exactly the bytes it came from (no
// second, overlong spelling of '.', '/' or '\' gets through), and a name with an exact Windows-1252
// form maps back to the very bytes it was made from.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/CodePage.h"
#include "platform/NativePaths.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    const std::string bytes(reinterpret_cast<const char*>(Data), Size);
    for (size_t at = 0; at < bytes.size();) {
        const size_t from = at;
        const char32_t cp = DecodeUtf8(bytes, at);
        if (cp == kNoCodePoint) {
            if (at != from + 1) std::abort();
            continue;
        }
        if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) std::abort();
        std::string again;
        AppendUtf8(again, cp);
        if (again != bytes.substr(from, at - from)) std::abort();
    }
    if (const auto name = ExactAnsiName(bytes)) {
        if (name->find('\\') != std::string::npos || AnsiToUtf8(*name) != bytes) std::abort();
        if (!bytes.empty() && bytes[0] == '/' && ToNativePath(FromNativePath(bytes)) != bytes) std::abort();
    }
    return 0;
}
