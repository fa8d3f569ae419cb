// The administrator's settings files, read as the program reads /etc/velundo: trusted only as root
// keeps them, UTF-8 text, and every file left unread is reported with its reason. A named pipe or a
// folder in the file's place is no file, and blocks nothing.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "platform/NativePaths.h"
#include "platform/PlatformTest_support.h"
#include "platform/posix/PosixServices.h"

namespace fs = std::filesystem;

TEST(MachineSettings, AreReadOnlyAsRootKeepsThemAndOnlyExactly) {
    ASSERT_EQ(::geteuid(), 0u) << "the rows give files to other users: run as root";
    const std::string section = "[SETTINGS]\nServerpath=";
    struct Row {
        const char* What;
        std::string Bytes; // empty: no file
        mode_t Mode;
        uid_t Owner;
        mode_t FolderMode;
        std::string Value, Reported;
        char Kind{'f'}; // f a file of Bytes; p a named pipe, d a folder in its place
    } rows[] = {
        {"no file", "", 0644, 0, 0755, "", ""},
        {"a native path", section + "/srv/velundo/Velundo.exe\n", 0644, 0, 0755, "/srv/velundo/Velundo.exe", ""},
        {"a byte-order mark, CRLF, blanks", "\xEF\xBB\xBF[settings]\r\n serverpath = /srv/v.exe \r\n", 0644, 0, 0755,
         "/srv/v.exe", ""},
        {"an umlaut in UTF-8", section + "/srv/B\xC3\xBCro/V.exe\n", 0600, 0, 0755, "/srv/B\xFCro/V.exe", ""},
        {"no such key", "[SETTINGS]\nOther=1\n", 0644, 0, 0755, "", ""},
        {"Latin-1 bytes", section + "/srv/B\xFCro/V.exe\n", 0644, 0, 0755, "", "is not UTF-8 text"},
        {"a character Windows-1252 lacks", section + "/srv/\xE2\x98\x85/V.exe\n", 0644, 0, 0755, "",
         "has characters the program cannot keep"},
        {"a control character", section + "/srv/a\x1b[2J.exe\n", 0644, 0, 0755, "", "has characters the program cannot keep"},
        {"writable by its group", section + "/srv/v.exe\n", 0664, 0, 0755, "", "may be changed by others than root"},
        {"owned by a user", section + "/srv/v.exe\n", 0644, 65534, 0755, "", "may be changed by others than root"},
        {"in a folder others may change", section + "/srv/v.exe\n", 0644, 0, 0777, "", "may be changed by others than root"},
        {"far too large", section + std::string(70000, 'x') + "\n", 0644, 0, 0755, "", "no settings file of a few lines"},
        {"a named pipe", "", 0644, 0, 0755, "", "no settings file of a few lines", 'p'},
        {"a folder", "", 0755, 0, 0755, "", "no settings file of a few lines", 'd'},
    };
    for (const Row& row : rows) {
        TTempFolder folder;
        const std::string native = ToNativePath(folder.Path());
        ::chmod(native.c_str(), row.FolderMode);
        const std::string file = native + "/managed.ini";
        if (row.Kind == 'p') {
            ASSERT_EQ(::mkfifo(file.c_str(), row.Mode), 0);
        }
        if (row.Kind == 'd') fs::create_directory(file);
        if (!row.Bytes.empty()) {
            WriteBytes(folder["managed.ini"], row.Bytes);
            ASSERT_EQ(::chown(file.c_str(), row.Owner, 0), 0) << row.What;
            ::chmod(file.c_str(), row.Mode);
        }
        std::string reported;
        auto settings = MachineSettingsIn(native, [&](const std::string& Reason) { reported += Reason; });
        EXPECT_EQ(settings->ReadValue("managed.ini", "SETTINGS", "Serverpath"), row.Value) << row.What;
        EXPECT_TRUE(reported.find(row.Reported) != std::string::npos && reported.empty() == row.Reported.empty())
            << row.What << ": " << reported;
        if (!row.Reported.empty()) {
            EXPECT_NE(reported.find(native + "/managed.ini"), std::string::npos) << reported;
        }
        ::chmod(native.c_str(), 0755);
    }
}
