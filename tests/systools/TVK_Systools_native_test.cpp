// The settings file and the Windows information record on this platform's real services: the
// private-profile calls of Wine's kernel under Wine, our POSIX layer natively.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/NativePaths.h"
#include "systools/TVK_SystemInfo.h"
#include "systools/TVK_Systools.h"

namespace fs = std::filesystem;

namespace {
// A fresh folder below the temporary folder, removed again at the end.
class NativeFolder : public ::testing::Test {
protected:
    void SetUp() override {
        char buffer[1024] = {};
        NativePlatform().Temp->TempPath(sizeof buffer, buffer);
        const std::string name = std::string("velundo-ini-") + ::testing::UnitTest::GetInstance()->current_test_info()->name();
        Folder = std::string(buffer) + name + "\\";
        Native = ToNativePath(Folder);
        fs::remove_all(Native);
        fs::create_directories(Native);
    }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(Native, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(Native, ec);
    }
    std::string Read(const std::string& name) {
        std::ifstream in(ToNativePath(Folder + name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    std::string Folder; // Windows-style, with its trailing backslash
    std::string Native;
};
} // namespace

TEST_F(NativeFolder, IniFileWritesASectionAndKeyAndReadsThemBack) {
    {
        TIniFile ini(Folder + "Velundo_Client.ini");
        ini.WriteString("SETTINGS", "Serverpath", "\\\\srv\\velundo\\Velundo.exe");
    }
    const std::string text = Read("Velundo_Client.ini");
    EXPECT_NE(text.find("[SETTINGS]"), std::string::npos) << text;
    EXPECT_NE(text.find("Serverpath=\\\\srv\\velundo\\Velundo.exe"), std::string::npos) << text;
    TIniFile ini(Folder + "Velundo_Client.ini");
    EXPECT_EQ(ini.ReadString("settings", "SERVERPATH", ""), "\\\\srv\\velundo\\Velundo.exe");
    EXPECT_EQ(ini.ReadString("SETTINGS", "Other", "x"), "x");
    EXPECT_EQ(TIniFile(Folder + "missing.ini").ReadString("SETTINGS", "Serverpath", ""), "");
}

TEST_F(NativeFolder, IniFileCutsLongValuesAt2047Characters) {
    const std::string value(3000, 'v');
    { TIniFile(Folder + "long.ini").WriteString("SETTINGS", "Serverpath", value); }
    EXPECT_EQ(TIniFile(Folder + "long.ini").ReadString("SETTINGS", "Serverpath", ""), value.substr(0, 2047));
}

TEST_F(NativeFolder, IniFileWriteIntoAMissingFolderRaisesAndCreatesNothing) {
    const std::string file = Folder + "fehlt\\Velundo_Client.ini";
    TIniFile ini(file);
    try {
        ini.WriteString("SETTINGS", "Serverpath", "x");
        FAIL() << "no exception";
    } catch (const EIniFileException& e) {
        EXPECT_EQ(e.Message(), "In " + ToNativePath(file) + " kann nicht geschrieben werden") << "the path as this system writes it";
    }
    EXPECT_FALSE(fs::exists(ToNativePath(Folder + "fehlt")));
}

TEST_F(NativeFolder, IniFileKeepsTheOtherContentOfTheFile) {
    {
        std::ofstream out(Native + "/Velundo_Client.ini", std::ios::binary);
        out << "; Kommentar\r\n[Andere]\r\nA=1\r\n[SETTINGS]\r\nServerpath=alt\r\nZweiter=2\r\n";
    }
    { TIniFile(Folder + "Velundo_Client.ini").WriteString("SETTINGS", "Serverpath", "neu"); }
    EXPECT_EQ(Read("Velundo_Client.ini"), "; Kommentar\r\n[Andere]\r\nA=1\r\n[SETTINGS]\r\nServerpath=neu\r\nZweiter=2\r\n");
}

TEST(WindowsInfoNative, TempDirEndsInABackslashAndFoldersDoNot) {
    TWindowsInfo info;
    ASSERT_FALSE(info.TempDir.empty());
    EXPECT_EQ(info.TempDir.back(), '\\');
    for (const std::string* dir : {&info.DesktopDir, &info.PersonalDir, &info.AppDataDir}) {
        if (!dir->empty()) {
            EXPECT_NE(dir->back(), '\\') << *dir;
        }
    }
}
