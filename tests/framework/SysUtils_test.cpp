#include <gtest/gtest.h>

#include "framework/SysUtils.h"

TEST(SysUtils, TrimRemovesControlCharactersAndBlanksOnly) {
    EXPECT_EQ(Trim(std::string("\0\t \x01x y\x20\x1F", 9)), "x y");
    EXPECT_EQ(Trim("  \xA0umlaut\xFC  "), "\xA0umlaut\xFC");
    EXPECT_EQ(Trim(" \t\r\n"), "");
}

TEST(SysUtils, IntToHexPadsWithUpperCaseDigits) {
    EXPECT_EQ(IntToHex(0x407, 4), "0407");
    EXPECT_EQ(IntToHex(0xC07, 4), "0C07");
    EXPECT_EQ(IntToHex(0x12345, 4), "12345");
}
