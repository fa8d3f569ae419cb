// The core's paths <-> native paths: the Wine view on POSIX, the identity on Windows.
#include <gtest/gtest.h>

#include <optional>

#include "PlatformTest_support.h"
#include "platform/NativePaths.h"

TEST(NativePaths, MapTheWineView) {
    struct Row {
        std::string Path, Posix;
    } rows[] = {
        {"Z:\\home\\ann\\Velundo.exe", "/home/ann/Velundo.exe"},
        {"z:\\tmp\\", "/tmp/"},
        {"Z:", "/"},
        {"Z:\\", "/"},
        {"C:\\Programme\\Velundo.exe", ""},
        {"C:\\Dokumente und Einstellungen\\All Users\\Desktop\\*.*", ""},
        {"\\\\server\\share\\Velundo.exe", ""},
        {"\\tmp\\a", "/tmp/a"},
        {"rel\\a.ini", "rel/a.ini"},
        {"Z:/mixed\\slashes", "/mixed/slashes"},
        {"Z:\\M\xFCller \x80", "/M\xC3\xBCller \xE2\x82\xAC"},
        {"", ""},
    };
    for (const Row& row : rows) {
        const std::string expected = OnWindows() ? row.Path : row.Posix;
        ASSERT_EQ(ToNativePath(row.Path), expected) << "path " << row.Path;
    }
}

TEST(NativePaths, MapBack) {
    struct Row {
        std::string Native, Posix;
    } rows[] = {
        {"/home/ann/Velundo.exe", "Z:\\home\\ann\\Velundo.exe"},
        {"/", "Z:\\"},
        {"rel/a.ini", "rel\\a.ini"},
        {"/M\xC3\xBCller \xE2\x82\xAC", "Z:\\M\xFCller \x80"},
        {"/bad\xFF\xFEname", ""},      // not UTF-8 on disk
        {"/\xE4\xB8\xAD", ""},          // no Windows-1252 form
        {"/a\\b/c", ""},             // a backslash would read back as a separator
        {"/a\nb", ""},                // no Windows name has a control character
        {"/\xC0\xAE\xC0\xAE/x", ""}, // overlong "..": not UTF-8 at all
    };
    for (const Row& row : rows) {
        if (OnWindows()) break; // the identity: nothing to map
        ASSERT_EQ(FromNativePath(row.Native), row.Posix) << "native " << row.Native;
    }
    EXPECT_EQ(FromNativePath(ToNativePath("Z:\\a\\M\xFCller.ini")), "Z:\\a\\M\xFCller.ini");
}

// A chosen file is kept as the native path the user saw, and the way back gives the same file.
TEST(NativePaths, ChosenFilesKeepTheirNativePathOrAreRefused) {
    if (OnWindows()) GTEST_SKIP() << "Windows' own dialog gives its own paths";
    struct Row {
        std::string Native;
        std::optional<std::string> Kept;
    } rows[] = {
        {"/home/ann/Server/Velundo.exe", "/home/ann/Server/Velundo.exe"},
        {"/srv/M\xC3\xBCller \xE2\x82\xAC/V.exe", "/srv/M\xFCller \x80/V.exe"},
        {"/srv/\xE4\xB8\xAD/V.exe", std::nullopt},       // CJK: no Windows-1252 byte
        {"/srv/V\xC5\x82odek.exe", std::nullopt},        // Polish l with stroke: not in Windows-1252
        {"/srv/bad\xFF.exe", std::nullopt},              // not UTF-8 on disk
        {"/srv/\xC5\xA0koda.exe", "/srv/\x8Akoda.exe"},  // S with caron: Windows-1252 has it
        {"/srv/a\\b.exe", std::nullopt},                // would be launched as /srv/a/b.exe
        {"/srv/\xC0\xAE\xC0\xAE/\xC0\xAFV.exe", std::nullopt}, // overlong "../" and "/"
        {"/srv/V.exe\n[SETTINGS]", std::nullopt},       // a line break would split the stored value
        {"/srv/V\t.exe", std::nullopt},
    };
    for (const Row& row : rows) {
        const std::optional<std::string> kept = ChosenFilePath(row.Native);
        ASSERT_EQ(kept, row.Kept) << "native " << row.Native;
        if (kept) {
            ASSERT_EQ(ToNativePath(*kept), row.Native) << "back from " << *kept;
        }
    }
}
