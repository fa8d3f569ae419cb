// Without Windows the ANSI code page is Windows-1252.
#include "platform/CodePage.h"

std::u16string SystemAnsiToUtf16(const std::string& Ansi) { return AnsiToUtf16(Ansi); }

std::u16string NativeFileNameToUtf16(const std::string& Name) {
    std::u16string out;
    for (size_t i = 0; i < Name.size();) {
        char32_t cp = DecodeUtf8(Name, i);
        if (cp == kNoCodePoint) cp = 0xFFFD;
        if (cp >= 0x10000) {
            out += static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
            out += static_cast<char16_t>(cp);
        }
    }
    return out;
}
