// Contract of the folder search and the file operations, natively against platform/posix and under
// Wine against FindFirstFileA/FindNextFileA/DeleteFileA.
#include <gtest/gtest.h>

#include <map>

#include "PlatformTest_support.h"

namespace {

// Every entry a search reports, by name, with its attributes.
std::map<std::string, uint32_t> Search(const std::string& pattern, uint32_t mask) {
    std::map<std::string, uint32_t> found;
    IFolderSearch& search = *NativePlatform().Search;
    TSearchEntry entry;
    IFolderSearch::Handle h = search.FindFirst(pattern, mask, entry);
    if (!h) return found;
    do found[entry.Name] = entry.Attributes;
    while (search.FindNext(h, entry));
    search.FindClose(h);
    return found;
}

std::string Names(const std::map<std::string, uint32_t>& found) {
    std::string names;
    for (const auto& [name, attributes] : found) names += name + "|";
    return names;
}

// A desktop as the shortcut sweep meets it.
struct Desktop : ::testing::Test {
    TTempFolder Folder;
    void SetUp() override {
        WriteBytes(Folder["Velundo.lnk"], "shortcut");
        WriteBytes(Folder[".hidden.lnk"], "hidden");
        WriteBytes(Folder["ro.lnk"], "read-only");
        SetReadOnly(Folder["ro.lnk"], true);
        WriteBytes(Folder["M\xFCller \x80.txt"], "umlaut");
        WriteBytes(Folder["noext"], "no extension");
        MakeFolder(Folder["Folder.lnk"]);
    }
};

} // namespace

TEST_F(Desktop, MaskThirtyFiveReportsFilesOnly) {
    const auto found = Search(Folder.Path() + "\\*.*", faReadOnly | faHidden | faArchive);
    EXPECT_EQ(Names(found), ".hidden.lnk|M\xFCller \x80.txt|Velundo.lnk|noext|ro.lnk|");
    EXPECT_EQ(found.at(".hidden.lnk") & (faHidden | faDirectory), faHidden);
    EXPECT_EQ(found.at("ro.lnk") & (faReadOnly | faDirectory), faReadOnly);
    EXPECT_EQ(found.at("Velundo.lnk") & (faReadOnly | faHidden | faDirectory | faArchive), faArchive);
}

TEST_F(Desktop, DirectoryBitInTheMaskAddsFolders) {
    const auto found = Search(Folder.Path() + "\\*", faReadOnly | faHidden | faArchive | faDirectory);
    ASSERT_TRUE(found.count("Folder.lnk"));
    EXPECT_EQ(found.at("Folder.lnk") & faDirectory, faDirectory);
    EXPECT_TRUE(found.count(".") && found.count("..")) << Names(found);
    EXPECT_EQ(found.at(".") & faHidden, 0u) << "the folder itself is not hidden";
}

TEST_F(Desktop, HiddenEntriesNeedTheHiddenBit) {
    EXPECT_EQ(Names(Search(Folder.Path() + "\\*.lnk", faReadOnly | faArchive)), "Velundo.lnk|ro.lnk|");
}

TEST_F(Desktop, WildcardsMatchWithoutRegardToCase) {
    const uint32_t mask = faReadOnly | faHidden | faArchive;
    struct Row {
        const char* Pattern;
        const char* Names;
    } rows[] = {
        {"*.LNK", ".hidden.lnk|Velundo.lnk|ro.lnk|"},
        {"velundo.lnk", "Velundo.lnk|"},
        {"?o.lnk", "ro.lnk|"},
        {"*ller*", "M\xFCller \x80.txt|"},
        {"*", ".hidden.lnk|M\xFCller \x80.txt|Velundo.lnk|noext|ro.lnk|"},
        {"n*.*", "noext|"},
        {"*.exe", ""},
    };
    for (const Row& row : rows)
        ASSERT_EQ(Names(Search(Folder.Path() + "\\" + row.Pattern, mask)), row.Names) << "pattern " << row.Pattern;
}

TEST(FolderSearch, MissingFoldersFindNothing) {
    TTempFolder folder;
    TSearchEntry entry;
    EXPECT_EQ(NativePlatform().Search->FindFirst(folder["missing\\*.*"], 35, entry), nullptr);
    EXPECT_EQ(NativePlatform().Search->FindFirst("Q:\\Dokumente und Einstellungen\\All Users\\Desktop\\*.*", 35, entry),
              nullptr);
    EXPECT_EQ(NativePlatform().Search->FindFirst(folder["*.*"], 35, entry), nullptr) << "an empty folder";
}

TEST_F(Desktop, DeletionFailsForReadOnlyFilesFoldersAndMissingNames) {
    IFileSystem& files = *NativePlatform().Files;
    EXPECT_TRUE(files.RemoveFile(Folder["Velundo.lnk"]));
    EXPECT_EQ(ReadBytes(Folder["Velundo.lnk"]), "<missing>");
    EXPECT_TRUE(files.RemoveFile(Folder["M\xFCller \x80.txt"]));
    EXPECT_EQ(ReadBytes(Folder["M\xFCller \x80.txt"]), "<missing>");
    EXPECT_FALSE(files.RemoveFile(Folder["ro.lnk"])) << "read-only, also for root";
    EXPECT_EQ(ReadBytes(Folder["ro.lnk"]), "read-only");
    EXPECT_FALSE(files.RemoveFile(Folder["Folder.lnk"]));
    EXPECT_TRUE(PathExists(Folder["Folder.lnk"]));
    EXPECT_FALSE(files.RemoveFile(Folder["Velundo.lnk"])) << "already gone";
    EXPECT_FALSE(files.RemoveFile(Folder["missing\\x.lnk"]));
}

TEST_F(Desktop, CreateFolderMakesTheMissingParentsAndStopsAtAFile) {
    IFileSystem& files = *NativePlatform().Files;
    EXPECT_TRUE(files.CreateFolder(Folder["new\\config\\velundo"]));
    EXPECT_TRUE(PathExists(Folder["new\\config\\velundo"]));
    EXPECT_TRUE(files.CreateFolder(Folder["new\\config\\velundo"])) << "there already";
    EXPECT_FALSE(files.CreateFolder(Folder["Velundo.lnk\\velundo"])) << "a file in the way";
    EXPECT_EQ(ReadBytes(Folder["Velundo.lnk"]), "shortcut");
}

TEST_F(Desktop, FileExistsMeansAFileAndNotAFolder) {
    IFileSystem& files = *NativePlatform().Files;
    EXPECT_TRUE(files.FileExists(Folder["Velundo.lnk"]));
    EXPECT_TRUE(files.FileExists(Folder["VELUNDO.LNK"]) || !OnWindows()) << "Windows names ignore case";
    EXPECT_TRUE(files.FileExists(Folder["ro.lnk"]));
    EXPECT_TRUE(files.FileExists(Folder["M\xFCller \x80.txt"]));
    EXPECT_FALSE(files.FileExists(Folder["Folder.lnk"]));
    EXPECT_FALSE(files.FileExists(Folder["nothing.lnk"]));
    EXPECT_FALSE(files.FileExists("Q:\\Velundo.lnk"));
}
