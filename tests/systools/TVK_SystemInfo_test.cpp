#include <gtest/gtest.h>

#include "support/FakePlatform.h"
#include "systools/TVK_SystemInfo.h"

namespace {
constexpr uint32_t HKCU = HKEY_CURRENT_USER_ID, HKLM = HKEY_LOCAL_MACHINE_ID;
const std::string kExplorer = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\";
const std::string kWab = "Software\\Microsoft\\Wab\\Wab4\\Wab File Name\\";
const std::string kCurrent = "Software\\Microsoft\\Windows\\CurrentVersion";
const std::string kCurrentNT = "Software\\Microsoft\\Windows NT\\CurrentVersion";

void FillRegistry(FakeRegistry& r) {
    r.Keys[FakeRegistry::Id(HKCU, kExplorer)]["Logon User Name"] = {REG_SZ_TYPE, std::string("Ann\0", 4)};
    r.Keys[FakeRegistry::Id(HKCU, kWab)][""] = {REG_EXPAND_SZ_TYPE, "C:\\ann.wab"};
    r.Keys[FakeRegistry::Id(HKLM, kCurrentNT)]["SystemRoot"] = {REG_SZ_TYPE, "C:\\WINNT"};
    r.Keys[FakeRegistry::Id(HKLM, kCurrent)]["SystemRoot"] = {REG_SZ_TYPE, "C:\\WINDOWS"};
    r.Keys[FakeRegistry::Id(HKLM, kCurrent)]["ProgramFilesDir"] = {REG_SZ_TYPE, "C:\\Programme"};
    r.Keys[FakeRegistry::Id(HKLM, kCurrent)]["CommonFilesDir"] = {REG_SZ_TYPE, "C:\\Programme\\Gemeinsame Dateien"};
    r.Keys[FakeRegistry::Id(HKLM, kCurrent)]["MediaPath"] = {4 /* REG_DWORD */, "\x01\x00\x00\x00"};
    r.Keys[FakeRegistry::Id(HKLM, "")]; // the hive's root opens, and has no SystemRoot
}
} // namespace

TEST(WindowsInfo, AsksTheSpecialFoldersInOrderAndDropsOneTrailingBackslash) {
    FakePlatform p;
    p.Folders.Paths = {{16, "C:\\Dokumente und Einstellungen\\Benutzer\\Desktop\\"},
                       {5, "C:\\Eigene Dateien"},
                       {26, "D:\\"},
                       {20, "C:\\WINDOWS\\Fonts\\\\"}};
    TWindowsInfo info(p.Services);
    EXPECT_EQ(p.Folders.Asked, (std::vector<int>{16, 6, 20, 19, 5, 38, 8, 9, 11, 7, 21, 32, 26}));
    EXPECT_EQ(info.DesktopDir, "C:\\Dokumente und Einstellungen\\Benutzer\\Desktop");
    EXPECT_EQ(info.PersonalDir, "C:\\Eigene Dateien");
    EXPECT_EQ(info.AppDataDir, "D:");
    EXPECT_EQ(info.FontsDir, "C:\\WINDOWS\\Fonts\\");
    EXPECT_EQ(info.ProgramFilesDir, ""); // unknown on this system
}

TEST(WindowsInfo, ReadsTheRegistryReadOnlyByFamily) {
    FakePlatform p;
    FillRegistry(p.Registry);
    TWindowsInfo info(p.Services);
    EXPECT_EQ(info.OSFamilyName, "Windows NT/2000/XP");
    EXPECT_EQ(info.LogonUserName, "Ann");
    EXPECT_EQ(info.WabFileName, "C:\\ann.wab");
    EXPECT_EQ(info.SystemRootDir, "C:\\WINNT");
    EXPECT_EQ(info.RegProgramFilesDir, "C:\\Programme");
    EXPECT_EQ(info.RegCommonFilesDir, "C:\\Programme\\Gemeinsame Dateien");
    EXPECT_EQ(info.RegMediaPath, ""); // a number, not text
    EXPECT_EQ(p.Registry.Opened, (std::vector<std::string>{FakeRegistry::Id(HKCU, kExplorer),
                                                           FakeRegistry::Id(HKCU, kWab),
                                                           FakeRegistry::Id(HKLM, kCurrentNT),
                                                           FakeRegistry::Id(HKLM, kCurrent)}));
    for (uint32_t access : p.Registry.Access) EXPECT_EQ(access, 0x20019u);
    EXPECT_EQ(p.Registry.OpenCount, 0) << "every key opened is closed again";
}

TEST(WindowsInfo, FamilyDecidesTheSystemRootKey) {
    struct Row {
        uint32_t Id;
        const char* Family;
        const char* Root;
    };
    for (const Row& row : {Row{1, "Windows 95/98", "C:\\WINDOWS"}, Row{2, "Windows NT/2000/XP", "C:\\WINNT"},
                           Row{0, "", ""}, Row{3, "", ""}}) {
        FakePlatform p;
        FillRegistry(p.Registry);
        p.Version.Id = row.Id;
        TWindowsInfo info(p.Services);
        EXPECT_EQ(info.OSFamilyName, row.Family) << "platform " << row.Id;
        EXPECT_EQ(info.SystemRootDir, row.Root) << "platform " << row.Id;
        EXPECT_EQ(info.RegProgramFilesDir, "C:\\Programme") << "platform " << row.Id;
    }
}

TEST(WindowsInfo, MissingKeysLeaveFieldsEmpty) {
    FakePlatform p;
    TWindowsInfo info(p.Services);
    EXPECT_EQ(info.LogonUserName, "");
    EXPECT_EQ(info.WabFileName, "");
    EXPECT_EQ(info.SystemRootDir, "");
    EXPECT_EQ(info.RegProgramFilesDir, "");
}

TEST(WindowsInfo, TempDirKeepsItsBackslashAndEndsAtTheFirstNul) {
    FakePlatform p;
    TWindowsInfo info(p.Services);
    EXPECT_EQ(info.TempDir, "C:\\WINDOWS\\TEMP\\");
    p.Temp.Path = std::string("C:\\T\\\0junk", 9);
    EXPECT_EQ(TWindowsInfo(p.Services).TempDir, "C:\\T\\");
}

TEST(WindowsInfo, OnlyGermanGermanyCountsAsGerman) {
    struct Row {
        uint16_t Lang;
        bool German;
    };
    for (const Row& row : {Row{0x0407, true}, Row{0x0409, false}, Row{0x0C07, false}, Row{0x0807, false},
                           Row{0x1407, false}}) {
        FakePlatform p;
        p.Language.Id = row.Lang;
        EXPECT_EQ(TWindowsInfo(p.Services).IsGermanSystem, row.German) << std::hex << row.Lang;
    }
}

TEST(WindowsInfo, TheGlobalRecordLivesBetweenInitialisationAndFinalisation) {
    FakePlatform p;
    p.Folders.Paths[16] = "C:\\Desk";
    FinalizeSystemInfo();
    InitializeSystemInfo(p.Services);
    ASSERT_NE(WindowsInfo, nullptr);
    EXPECT_EQ(WindowsInfo->DesktopDir, "C:\\Desk");
    FinalizeSystemInfo();
    EXPECT_EQ(WindowsInfo, nullptr);
}
