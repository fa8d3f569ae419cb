// Wildcards, locale names and XDG user folders: the pure rules behind the POSIX services.
#include <gtest/gtest.h>

#include "platform/LocaleLanguage.h"
#include "platform/WildcardMatch.h"
#include "platform/XdgUserDirs.h"

TEST(WildcardMatch, FollowsWindowsRules) {
    struct Row {
        const char* Mask;
        const char* Name;
        bool Match;
    } rows[] = {
        {"*.*", "noext", true},     {"*.*", ".hidden", true},      {"*.lnk", "A.LNK", true},
        {"*.lnk", "a.lnk.bak", false}, {"*lnk*", "a.lnk.bak", true}, {"?.txt", "ab.txt", false},
        {"??.txt", "ab.txt", true}, {"a*b*c", "axxbyyc", true},   {"a*b*c", "axxbyy", false},
        {"*.", "noext", true},      {"\xFC*", "\xDC" "ber", true}, {"x", "y", false},
    };
    for (const Row& row : rows)
        ASSERT_EQ(WildcardMatch(row.Mask, row.Name), row.Match) << row.Mask << " vs " << row.Name;
}

TEST(LocaleLanguage, MapsLocaleNamesToLanguageIdentifiers) {
    struct Row {
        const char* Locale;
        uint16_t Id;
    } rows[] = {
        {"de_DE.UTF-8", 0x0407}, {"de_DE", 0x0407},  {"de_AT.UTF-8", 0x0C07}, {"de_CH", 0x0807},
        {"de", 0x0407},          {"en_US", 0x0409},  {"en_GB.UTF-8", 0x0809}, {"fr_FR@euro", 0x040C},
        {"fr_CA", 0x0C0C},       {"C", 0x0409},      {"C.UTF-8", 0x0409},     {"POSIX", 0x0409},
        {"", 0x0409},            {"xx_YY", 0x0409},  {"de_XX", 0x0407},       {"zh_CN", 0x0804},
    };
    for (const Row& row : rows) ASSERT_EQ(LangIdFromLocale(row.Locale), row.Id) << row.Locale;
}

TEST(XdgUserDirs, ReadsTheFolderAsXdgUserDirDoes) {
    const std::string home = "/home/ann";
    const std::string file = "# written by xdg-user-dirs-update\n"
                             "XDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n"
                             "XDG_DOCUMENTS_DIR=\"/data/Dokumente mit \\\"Anf\xC3\xBChrung\\\"\"\n"
                             "XDG_MUSIC_DIR=\"$HOME\"\n"
                             "XDG_VIDEOS_DIR=relative\n"
                             "XDG_TEMPLATES_DIR=\"$HOMEless\"\n";
    EXPECT_EQ(XdgUserDirFromText(file, "DESKTOP", home), "/home/ann/Schreibtisch");
    EXPECT_EQ(XdgUserDirFromText(file, "DOCUMENTS", home), "/data/Dokumente mit \"Anf\xC3\xBChrung\"");
    EXPECT_EQ(XdgUserDirFromText(file, "MUSIC", home), "/home/ann");
    EXPECT_EQ(XdgUserDirFromText(file, "VIDEOS", home), std::nullopt);
    EXPECT_EQ(XdgUserDirFromText(file, "TEMPLATES", home), std::nullopt);
    EXPECT_EQ(XdgUserDirFromText(file, "PICTURES", home), std::nullopt);
    EXPECT_EQ(XdgUserDirFromText(file + "XDG_DESKTOP_DIR=\"$HOME/Desktop\"\n", "DESKTOP", home), "/home/ann/Desktop")
        << "the last assignment wins";
}
