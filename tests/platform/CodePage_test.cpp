// The one code-page unit: Windows-1252, UTF-8 and UTF-16, and ASCII case folding. Expectations come
// from the published Windows-1252 table and the UTF-8 definition (RFC 3629).
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "platform/CodePage.h"

TEST(CodePage, Windows1252RoundTripsThroughUtf8AndUtf16) {
    std::string all;
    for (int c = 1; c < 256; ++c) all += static_cast<char>(c);
    EXPECT_EQ(Utf8ToAnsi(AnsiToUtf8(all)), all);
    EXPECT_EQ(Utf16ToAnsi(AnsiToUtf16(all)), all);
    EXPECT_EQ(AnsiToUtf8("f\xFCr \x80"), "f\xC3\xBCr \xE2\x82\xAC");
    EXPECT_EQ(Utf8ToAnsi("\xE2\x82\xAC \xE4\xB8\xAD"), "\x80 ?"); // a CJK character has no ANSI form
    EXPECT_TRUE(Utf8FitsAnsi("f\xC3\xBCr \xE2\x82\xAC"));
    EXPECT_FALSE(Utf8FitsAnsi("\xE4\xB8\xAD"));
    EXPECT_FALSE(Utf8FitsAnsi("\xC3")); // cut short
}

TEST(CodePage, DecodesUtf8OneCodePointAtATimeAndStepsOverStrayBytes) {
    struct Row {
        std::string Text;
        std::vector<char32_t> Expected;
    };
    const Row rows[] = {
        {"a\xC3\xBC\xE2\x82\xAC\xF0\x9F\x98\x80", {U'a', 0xFC, 0x20AC, 0x1F600}},
        {"\x80x", {kNoCodePoint, U'x'}},                      // a lone continuation byte
        {"\xC3x", {kNoCodePoint, U'x'}},                      // a lead byte without its continuation
        {"\xE2\x82", {kNoCodePoint, kNoCodePoint}},           // cut short at the end
        {"\xFF\xFE", {kNoCodePoint, kNoCodePoint}},           // bytes that never occur
        // RFC 3629, section 7: its four examples.
        {"\x41\xE2\x89\xA2\xCE\x91\x2E", {0x41, 0x2262, 0x391, 0x2E}},
        {"\xED\x95\x9C\xEA\xB5\xAD\xEC\x96\xB4", {0xD55C, 0xAD6D, 0xC5B4}},
        {"\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E", {0x65E5, 0x672C, 0x8A9E}},
        {"\xEF\xBB\xBF\xF0\xA3\x8E\xB4", {0xFEFF, 0x233B4}},
        // Its table's edges: the last code point, and nothing above it, no surrogate, no second form.
        {"\xF4\x8F\xBF\xBF\xEE\x80\x80", {0x10FFFF, 0xE000}},
        {"\xF4\x90\x80\x80", {kNoCodePoint, kNoCodePoint, kNoCodePoint, kNoCodePoint}},
        {"\xED\xA0\x80", {kNoCodePoint, kNoCodePoint, kNoCodePoint}},
        {"\xC0\xAE\xC0\xAE\xC0\xAF", std::vector<char32_t>(6, kNoCodePoint)}, // "../" (section 10)
        {"\xE0\x80\xAF\xC1\x9C", std::vector<char32_t>(5, kNoCodePoint)},     // "/" and "\\" overlong
        {"\xF0\x80\x80\xAF", std::vector<char32_t>(4, kNoCodePoint)},
        {"\xF8\x88\x80\x80\x80", std::vector<char32_t>(5, kNoCodePoint)}, // five bytes never occur
    };
    for (const Row& r : rows) {
        std::vector<char32_t> got;
        for (size_t i = 0; i < r.Text.size();) got.push_back(DecodeUtf8(r.Text, i));
        EXPECT_EQ(got, r.Expected) << "text of " << r.Text.size() << " bytes";
        std::string encoded;
        for (char32_t cp : r.Expected)
            if (cp != kNoCodePoint) AppendUtf8(encoded, cp);
        if (std::find(r.Expected.begin(), r.Expected.end(), kNoCodePoint) == r.Expected.end()) {
            EXPECT_EQ(encoded, r.Text);
        }
    }
    size_t at = 0; // text made from UTF-16 keeps a lone surrogate; overlong forms stay refused
    EXPECT_EQ(DecodeWtf8("\xED\xA0\x80", at), char32_t(0xD800));
    at = 0;
    EXPECT_EQ(DecodeWtf8("\xC0\xAE", at), kNoCodePoint);
    EXPECT_FALSE(Utf8FitsAnsi("\xC0\xAE\xC0\xAE")); // not "..": no file name reaches the core as it
    EXPECT_EQ(Utf16ToUtf8(u"\u00FC\U0001F600"), "\xC3\xBC\xF0\x9F\x98\x80");
    EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t(0xDC00))), "\xED\xB0\x80"); // unpaired, kept
}

TEST(CodePage, CaseFoldingTouchesOnlyAsciiLetters) {
    EXPECT_EQ(UpperCaseAscii("velundo.lnk \xFC\xE4"), "VELUNDO.LNK \xFC\xE4");
    EXPECT_EQ(LowerCaseAscii("VELUNDO \xDC\xC4"), "velundo \xDC\xC4");
    EXPECT_EQ(AnsiLowerCase("\xC4\xD6\xDC\x8A\x9F\xD7"), "\xE4\xF6\xFC\x9A\xFF\xD7"); // x (0xD7) stays
}
