#include "platform/CodePage.h"

#include <algorithm>
#include <array>

namespace {
// Code points of Windows-1252 bytes 0x80..0x9F; 0 marks the five undefined bytes, which map to the
// C1 control of the same value as Windows' MultiByteToWideChar does.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char16_t AnsiCharToUnit(unsigned char c) {
    if (c >= 0x80 && c <= 0x9F && kHigh[c - 0x80] != 0) return kHigh[c - 0x80];
    return c;
}

// The Windows-1252 byte of a code point; 0 with Found false when there is none.
char UnitToAnsiChar(char32_t cp, bool& Found) {
    Found = true;
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
    for (size_t i = 0; i < kHigh.size(); ++i)
        if (kHigh[i] == cp) return static_cast<char>(0x80 + i);
    if (cp >= 0x80 && cp <= 0x9F && kHigh[cp - 0x80] == 0) return static_cast<char>(cp);
    Found = false;
    return '?';
}

char UnitToAnsiChar(char32_t cp) {
    bool found = false;
    return UnitToAnsiChar(cp, found);
}
} // namespace

namespace {
// The range a continuation byte may take after a lead byte (RFC 3629's table): the second byte of
// E0, ED, F0 and F4 is narrowed, so that no code point has two forms, none lies above U+10FFFF and,
// where surrogates are refused, none is one.
bool SecondByteFits(unsigned char Lead, unsigned char Second, bool AllowSurrogates) {
    switch (Lead) {
    case 0xE0: return Second >= 0xA0;
    case 0xED: return AllowSurrogates || Second <= 0x9F;
    case 0xF0: return Second >= 0x90;
    case 0xF4: return Second <= 0x8F;
    default: return true;
    }
}

char32_t Decode(std::string_view Text, std::size_t& Pos, bool AllowSurrogates) {
    const auto c = static_cast<unsigned char>(Text[Pos]);
    const int len = c < 0x80 ? 1 : c >= 0xC2 && c <= 0xDF ? 2 : (c >> 4) == 14 ? 3 : c >= 0xF0 && c <= 0xF4 ? 4 : 0;
    if (len == 0 || Pos + len > Text.size() ||
        (len > 1 && !SecondByteFits(c, static_cast<unsigned char>(Text[Pos + 1]), AllowSurrogates))) {
        ++Pos;
        return kNoCodePoint;
    }
    char32_t cp = len == 1 ? c : c & (0x7F >> len);
    for (int k = 1; k < len; ++k) {
        const auto t = static_cast<unsigned char>(Text[Pos + k]);
        if ((t & 0xC0) != 0x80) {
            ++Pos;
            return kNoCodePoint;
        }
        cp = (cp << 6) | (t & 0x3F);
    }
    Pos += len;
    return cp;
}
} // namespace

char32_t DecodeUtf8(std::string_view Text, std::size_t& Pos) { return Decode(Text, Pos, false); }
char32_t DecodeWtf8(std::string_view Text, std::size_t& Pos) { return Decode(Text, Pos, true); }

void AppendUtf8(std::string& Out, char32_t cp) {
    if (cp < 0x80) {
        Out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        Out += static_cast<char>(0xC0 | (cp >> 6));
        Out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        Out += static_cast<char>(0xE0 | (cp >> 12));
        Out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        Out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        Out += static_cast<char>(0xF0 | (cp >> 18));
        Out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        Out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        Out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::string Utf16ToUtf8(std::u16string_view Wide) {
    std::string out;
    out.reserve(Wide.size());
    for (size_t i = 0; i < Wide.size(); ++i) {
        char32_t cp = Wide[i];
        if (cp >= 0xD800 && cp < 0xDC00 && i + 1 < Wide.size() && Wide[i + 1] >= 0xDC00 && Wide[i + 1] < 0xE000)
            cp = 0x10000 + ((cp - 0xD800) << 10) + (Wide[++i] - 0xDC00);
        AppendUtf8(out, cp);
    }
    return out;
}

std::string AnsiToUtf8(const std::string& Ansi) {
    std::string out;
    out.reserve(Ansi.size());
    for (unsigned char c : Ansi) AppendUtf8(out, AnsiCharToUnit(c));
    return out;
}

std::string Utf8ToAnsi(const std::string& Utf8) {
    // Plain ASCII (most file names) is the same in both.
    if (std::all_of(Utf8.begin(), Utf8.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return Utf8;
    std::string out;
    out.reserve(Utf8.size());
    for (size_t i = 0; i < Utf8.size();) {
        const char32_t cp = DecodeUtf8(Utf8, i);
        out += cp == kNoCodePoint ? '?' : UnitToAnsiChar(cp); // one '?' per stray byte
    }
    return out;
}

bool Utf8FitsAnsi(const std::string& Utf8) {
    for (size_t i = 0; i < Utf8.size();) {
        const char32_t cp = DecodeUtf8(Utf8, i);
        bool found = false;
        if (cp != kNoCodePoint) UnitToAnsiChar(cp, found);
        if (!found) return false;
    }
    return true;
}

std::u16string AnsiToUtf16(const std::string& Ansi) {
    std::u16string out;
    out.reserve(Ansi.size());
    for (unsigned char c : Ansi) out += AnsiCharToUnit(c);
    return out;
}

std::string Utf16ToAnsi(const std::u16string& Wide) {
    std::string out;
    for (size_t i = 0; i < Wide.size(); ++i) {
        char32_t cp = Wide[i];
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < Wide.size()) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (Wide[i + 1] - 0xDC00);
            ++i;
        }
        out += UnitToAnsiChar(cp);
    }
    return out;
}

char UpperAscii(char C) { return C >= 'a' && C <= 'z' ? static_cast<char>(C - 'a' + 'A') : C; }
char LowerAscii(char C) { return C >= 'A' && C <= 'Z' ? static_cast<char>(C - 'A' + 'a') : C; }

std::string UpperCaseAscii(const std::string& S) {
    std::string r = S;
    for (char& c : r) c = UpperAscii(c);
    return r;
}

std::string LowerCaseAscii(const std::string& S) {
    std::string r = S;
    for (char& c : r) c = LowerAscii(c);
    return r;
}

std::string AnsiLowerCase(const std::string& S) {
    std::string r = S;
    for (char& ch : r) {
        const unsigned char c = static_cast<unsigned char>(ch);
        if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) ch = static_cast<char>(c + 0x20);
        else if (c == 0x8A || c == 0x8C || c == 0x8E) ch = static_cast<char>(c + 0x10);
        else if (c == 0x9F) ch = static_cast<char>(0xFF);
    }
    return r;
}
