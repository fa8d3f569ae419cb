#include <gtest/gtest.h>

#include "framework/SysUtils.h"

TEST(SysUtils, TrimRemovesControlCharactersAndBlanksOnly) {
    EXPECT_EQ(Trim(std::string("\0\t \x01x y\x20\x1F", 9)), "x y");
    EXPECT_EQ(Trim("  \xA0umlaut\xFC  "), "\xA0umlaut\xFC");
    EXPECT_EQ(Trim(" \t\r\n"), "");
}

TEST(SysUtils, UpperCaseFoldsOnlyAsciiLetters) {
    EXPECT_EQ(UpperCaseAscii("velundo.lnk \xFC\xE4"), "VELUNDO.LNK \xFC\xE4");
}

TEST(SysUtils, Windows1252RoundTripsThroughUtf8AndUtf16) {
    std::string all;
    for (int c = 1; c < 256; ++c) all += static_cast<char>(c);
    EXPECT_EQ(Utf8ToAnsi(AnsiToUtf8(all)), all);
    EXPECT_EQ(Utf16ToAnsi(AnsiToUtf16(all)), all);
    EXPECT_EQ(AnsiToUtf8("f\xFCr \x80"), "f\xC3\xBCr \xE2\x82\xAC");
    EXPECT_EQ(Utf8ToAnsi("\xE2\x82\xAC \xE4\xB8\xAD"), "\x80 ?"); // a CJK character has no ANSI form
}

TEST(SysUtils, IntToHexPadsWithUpperCaseDigits) {
    EXPECT_EQ(IntToHex(0x407, 4), "0407");
    EXPECT_EQ(IntToHex(0xC07, 4), "0C07");
    EXPECT_EQ(IntToHex(0x12345, 4), "12345");
}
