// Texts reach GDI+ in the code page the system is set to. Run twice: with Wine's default locale
// (Windows-1252) and with a Russian one (Windows-1251); the code points come from the two code pages'
// published tables.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/CodePage.h"
#include "platform/win32/WindowsApi.h"

TEST(SystemAnsiToUtf16, ReadsTheTextInTheSystemsAnsiCodePage) {
    struct Row {
        UINT CodePage;
        const char* Ansi;
        std::u16string Expected;
    };
    const Row rows[] = {
        {1252, "Gr\xFC\xDF" "e \x80", u"Gr\u00FC\u00DFe \u20AC"},
        {1252, "\xC0\xE0", u"\u00C0\u00E0"},
        {1251, "\xC0\xE0", u"\u0410\u0430"},        // CYRILLIC CAPITAL / SMALL LETTER A
        {1251, "\xCF\xF0\xE8\xE2\xE5\xF2 \x88", u"\u041F\u0440\u0438\u0432\u0435\u0442 \u20AC"},
    };
    const UINT system = GetACP();
    if (const char* wanted = std::getenv("VELUNDO_EXPECT_ACP")) {
        ASSERT_EQ(system, std::stoul(wanted));
    }
    int checked = 0;
    for (const Row& r : rows) {
        if (r.CodePage != system) continue;
        EXPECT_EQ(SystemAnsiToUtf16(r.Ansi), r.Expected) << "code page " << r.CodePage << ", text " << r.Ansi;
        ++checked;
    }
    EXPECT_GT(checked, 0) << "no rows for the system's code page " << system;
    EXPECT_TRUE(SystemAnsiToUtf16("").empty());
}
