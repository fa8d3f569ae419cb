#include <gtest/gtest.h>

#include "platform/ClipboardFormat.h"

// Runs against the POSIX table natively and against Windows' own table under Wine.
TEST(ClipboardFormat, OneIdentifierPerNameFromTheRegisteredRange) {
    const uint16_t a = RegisterClipboardFormatName("Velundo Test Format A");
    const uint16_t b = RegisterClipboardFormatName("Velundo Test Format B");
    EXPECT_GE(a, 0xC000);
    EXPECT_GE(b, 0xC000);
    EXPECT_NE(a, b);
    EXPECT_EQ(RegisterClipboardFormatName("Velundo Test Format A"), a);
    EXPECT_EQ(RegisterClipboardFormatName("VELUNDO TEST FORMAT a"), a); // case does not matter
    EXPECT_EQ(RegisterClipboardFormatName(""), 0);
}
