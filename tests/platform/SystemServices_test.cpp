// Contract of the small system queries and of shell open, natively against platform/posix and under
// Wine against the Win32 calls.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>
#include <vector>

#include "PlatformTest_support.h"
#include "platform/LocaleLanguage.h"
#include "platform/NativePaths.h"

TEST(ProgramPath, NamesTheRunningTestProgram) {
    const std::string path = NativePlatform().Program->ProgramPath();
    EXPECT_NE(path.find("velundo_tests"), std::string::npos) << path;
    EXPECT_EQ(path[1], ':') << "a path with a drive: " << path;
    EXPECT_TRUE(NativePlatform().Files->FileExists(path)) << path;
}

TEST(TempPath, FollowsTheSizeContractOfGetTempPath) {
    ITempPath& temp = *NativePlatform().Temp;
    const uint32_t needed = temp.TempPath(0, nullptr);
    ASSERT_GT(needed, 1u);
    std::vector<char> buffer(needed, '\x7F');
    EXPECT_EQ(temp.TempPath(needed - 1, buffer.data()), needed) << "too small: the size needed again";
    ASSERT_EQ(temp.TempPath(needed, buffer.data()), needed - 1);
    const std::string path(buffer.data());
    EXPECT_EQ(path.size(), needed - 1);
    EXPECT_EQ(path.back(), '\\');
    EXPECT_EQ(path[1], ':');
    TSearchEntry entry;
    IFolderSearch::Handle h = NativePlatform().Search->FindFirst(path + "*", faDirectory | faHidden, entry);
    EXPECT_NE(h, nullptr) << "the folder can be searched: " << path;
    if (h) NativePlatform().Search->FindClose(h);
}

// The configuration folder may be one still to make (a new account has no ~/.config): its parent is there.
TEST(SpecialFolders, GiveExistingFoldersOrNothing) {
    for (int csidl : {sfDesktopDirectory, sfPersonal, sfAppData, sfFavorites, sfFonts, sfNetHood, sfProgramFiles,
                      sfRecent, sfSendTo, sfStartMenu, sfStartup, sfTemplates, sfInternetCache}) {
        std::string path = "stale";
        if (!NativePlatform().Folders->SpecialFolderPath(csidl, path)) {
            EXPECT_EQ(path, "") << "folder " << csidl;
            continue;
        }
        ASSERT_GT(path.size(), 2u) << "folder " << csidl;
        EXPECT_EQ(path[1], ':') << path;
        if (csidl == sfAppData && !OnWindows()) path = path.substr(0, path.rfind('\\'));
        if (path.back() != '\\') path += '\\'; // Wine gives some with one, POSIX none: callers strip one
        TSearchEntry entry;
        IFolderSearch::Handle h = NativePlatform().Search->FindFirst(path + "*", faDirectory | faHidden, entry);
        EXPECT_NE(h, nullptr) << "folder " << csidl << " exists: " << path;
        if (h) NativePlatform().Search->FindClose(h);
    }
}

TEST(Registry, OpensOnlyWhatExists) {
    IRegistry& registry = *NativePlatform().Registry;
    EXPECT_EQ(registry.OpenKey(HKEY_LOCAL_MACHINE_ID, "Software\\Velundo\\No such key", KEY_READ_ACCESS), nullptr);
    IRegistry::Handle key =
        registry.OpenKey(HKEY_LOCAL_MACHINE_ID, "Software\\Microsoft\\Windows\\CurrentVersion", KEY_READ_ACCESS);
    EXPECT_EQ(key != nullptr, Facts().HasRegistry);
    if (!key) return;
    uint32_t type = 0;
    std::string data;
    ASSERT_TRUE(registry.QueryValue(key, "ProgramFilesDir", type, data));
    EXPECT_EQ(type, REG_SZ_TYPE);
    EXPECT_EQ(data.find('\0'), std::string::npos) << "text without its terminator";
    EXPECT_EQ(data.substr(1, 2), ":\\") << data;
    EXPECT_FALSE(registry.QueryValue(key, "No such value", type, data));
    registry.CloseKey(key);
}

TEST(OsVersion, NamesTheFamily) {
    EXPECT_EQ(NativePlatform().Version->PlatformId(), Facts().PlatformId);
}

TEST(SystemLanguage, FollowsTheLocale) {
    std::string locale;
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (const char* value = std::getenv(variable); value && *value && locale.empty()) locale = value;
    EXPECT_EQ(NativePlatform().Language->SystemDefaultLangID(), LangIdFromLocale(locale)) << locale;
}

TEST(ShellOpen, ReportsMissingFilesAndFolders) {
    TTempFolder folder;
    IShellOpen& shell = *NativePlatform().Shell;
    EXPECT_EQ(shell.ShellOpen("open", folder["Velundo.exe"], "", "", 1), 2) << "file not found";
    EXPECT_EQ(shell.ShellOpen("open", folder["missing\\Velundo.exe"], "", "", 1), Facts().MissingFolderCode);
    EXPECT_EQ(shell.ShellOpen("open", "Q:\\Velundo\\Velundo.exe", "", "", 1), Facts().MissingFolderCode);
}

TEST(ShellOpen, StartsAProgramInTheCurrentFolderWithoutWaiting) {
    TTempFolder folder;
    // A program that leaves a mark in its current folder: a batch file under Windows, a script here.
    const std::string program = folder[Facts().ScriptName];
    WriteBytes(program, Facts().ScriptText);
    if (!OnWindows())
        std::filesystem::permissions(ToNativePath(program), std::filesystem::perms::owner_exec,
                                     std::filesystem::perm_options::add);
    const auto before = std::filesystem::current_path();
    std::filesystem::current_path(ToNativePath(folder.Path()));
    const intptr_t result = NativePlatform().Shell->ShellOpen("open", program, "", "", 1);
    std::filesystem::current_path(before);
    EXPECT_GT(result, 32);
    bool marked = false;
    for (int i = 0; i < 200 && !marked; ++i) { // the program runs on its own; give it time to write
        marked = ReadBytes(folder["marker.txt"]).find("ran") != std::string::npos;
        if (!marked) std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    EXPECT_TRUE(marked);
}
