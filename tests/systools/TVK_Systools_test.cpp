#include <gtest/gtest.h>

#include "support/FakePlatform.h"
#include "systools/TVK_Systools.h"

namespace {
struct PathRow {
    std::string Input, Expected;
};

template <typename Fn>
void CheckTable(const std::vector<PathRow>& rows, Fn fn, const char* name) {
    for (const auto& row : rows) {
        const std::string got = fn(row.Input);
        if (got != row.Expected) {
            ADD_FAILURE() << name << "(\"" << row.Input << "\") gave \"" << got << "\", expected \"" << row.Expected
                          << "\"";
            return;
        }
    }
}
} // namespace

TEST(AppendBackslash, FollowsTheDriveAndShortPathRules) {
    CheckTable({{"", ""},
                {"C:", "C:\\"},
                {"C", "C"},
                {"ab", "ab"},
                {"\\", "\\"},
                {"C:\\", "C:\\"},
                {"C:\\Programme", "C:\\Programme\\"},
                {"C:\\Programme\\", "C:\\Programme\\"},
                {"\\\\server\\share", "\\\\server\\share\\"},
                {"abc", "abc\\"}},
               AppendBackslash, "AppendBackslash");
}

TEST(ExtractFolder, CutsAtTheLastBackslashColonOrNul) {
    CheckTable({{"", ""},
                {"Velundo.exe", ""},
                {"C:\\Velundo.exe", "C:\\"},
                {"C:\\Programme\\Velundo\\Velundo_Client.exe", "C:\\Programme\\Velundo"},
                {"C:\\Programme\\Velundo\\", "C:\\Programme\\Velundo"},
                {"C:Velundo.exe", "C:"},
                {"\\Velundo.exe", "\\"},
                {"\\\\server\\share\\Velundo.exe", "\\\\server\\share"},
                {std::string("ab\0cd", 5), std::string("ab\0", 3)},
                // A double-byte character whose trailing byte is 0x5C still counts as a backslash.
                {"C:\\dir\x83\x5Cname.exe", "C:\\dir\x83"}},
               ExtractFolder, "ExtractFolder");
}

TEST(ExtractFolder, GivesTheProgramFolderWithAppendBackslash) {
    EXPECT_EQ(AppendBackslash(ExtractFolder("C:\\Programme\\Velundo\\Velundo_Client.exe")), "C:\\Programme\\Velundo\\");
    EXPECT_EQ(AppendBackslash(ExtractFolder("C:\\Velundo_Client.exe")), "C:\\");
    EXPECT_EQ(AppendBackslash(ExtractFolder("Z:\\Velundo_Client.exe")), "Z:\\");
}

TEST(IniFile, ReadsThroughA2048CharacterBuffer) {
    FakeProfile profile;
    profile.Values[FakeProfile::Id("C:\\v.ini", "SETTINGS", "Serverpath")] = std::string(3000, 'x');
    TIniFile ini("C:\\v.ini", &profile);
    EXPECT_EQ(ini.ReadString("SETTINGS", "Serverpath", ""), std::string(2047, 'x'));
    EXPECT_EQ(ini.ReadString("SETTINGS", "Missing", "dflt"), "dflt");
    ASSERT_GE(profile.Calls.size(), 1u);
    EXPECT_EQ(profile.Calls[0].Size, 2048u);
    EXPECT_EQ(profile.Calls[0].File, "C:\\v.ini");
}

TEST(IniFile, FailedWriteRaisesWithTheFileNameAndFreeStillFlushes) {
    FakeProfile profile;
    profile.FailWrites = true;
    {
        TIniFile ini("C:\\nur lesen\\Velundo_Client.ini", &profile);
        try {
            ini.WriteString("SETTINGS", "Serverpath", "x");
            FAIL() << "no exception";
        } catch (const EIniFileException& e) {
            EXPECT_EQ(e.Message(), "In C:\\nur lesen\\Velundo_Client.ini kann nicht geschrieben werden");
        }
    }
    ASSERT_EQ(profile.Calls.size(), 2u);
    const auto& flush = profile.Calls.back();
    EXPECT_TRUE(flush.Write && flush.NullSection && flush.NullKey && flush.NullValue);
    EXPECT_EQ(flush.File, "C:\\nur lesen\\Velundo_Client.ini");
}

TEST(IniFile, CreationTouchesNothingAndFreeOnlyFlushes) {
    FakeProfile profile;
    { TIniFile ini("C:\\v.ini", &profile); }
    ASSERT_EQ(profile.Calls.size(), 1u);
    EXPECT_TRUE(profile.Calls[0].NullSection);
}
