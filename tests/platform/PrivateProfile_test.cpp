// Contract of the private-profile service: the same rows run natively against platform/posix and under
// Wine against GetPrivateProfileStringA/WritePrivateProfileStringA, whose answers are the reference.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>
#include <vector>

#include "PlatformTest_support.h"

namespace {

IPrivateProfile& Profile() { return *NativePlatform().Profile; }

// The launcher's read: a 2048-character buffer, the first n characters of it.
std::string Read(const std::string& file, const std::string& section, const std::string& key,
                 const std::string& def = "<default>") {
    std::vector<char> buffer(2048, '\x7F');
    const uint32_t n = Profile().GetString(section, key, def, buffer.data(), 2048, file);
    if (n >= 2048 || buffer[n] != '\0') return "<unterminated>";
    return std::string(buffer.data(), n);
}

struct TReadRow {
    const char* What;
    std::string File; // the file's bytes
    const char* Section;
    const char* Key;
    std::string Expected;
};

// Writes each row's file, reads its key and reports the first row whose answer differs.
void CheckReads(const std::vector<TReadRow>& rows) {
    TTempFolder folder;
    for (const TReadRow& row : rows) {
        const std::string file = folder["read.ini"];
        WriteBytes(file, row.File);
        const std::string got = Read(file, row.Section, row.Key);
        ASSERT_EQ(got, row.Expected) << "row: " << row.What;
    }
}

const std::string kPlain = "[SETTINGS]\r\nServerpath=Z:\\srv\\Velundo.exe\r\n";

} // namespace

TEST(PrivateProfileRead, FindsSectionsAndKeysWithoutRegardToCase) {
    CheckReads({
        {"exact names", kPlain, "SETTINGS", "Serverpath", "Z:\\srv\\Velundo.exe"},
        {"other case", kPlain, "settings", "SERVERPATH", "Z:\\srv\\Velundo.exe"},
        {"requested names are trimmed", kPlain, "  SETTINGS ", " Serverpath\t", "Z:\\srv\\Velundo.exe"},
        {"only A to Z fold", "[\xC4nderung]\r\n\xDC" "ber=1\r\n", "\xE4nderung", "\xFC" "ber", "<default>"},
        {"umlauts as stored", "[\xC4nderung]\r\n\xDC" "ber=1\r\n", "\xC4nderung", "\xDC" "ber", "1"},
        {"blanks inside the brackets are trimmed", "[ S ]\r\nk=1\r\n", "S", "k", "1"},
        {"keys of the nameless section are not in a named one", "k=top\r\n[S]\r\nj=1\r\n", "S", "k", "<default>"},
    });
}

TEST(PrivateProfileRead, ReturnsValuesTrimmedAndUnquoted) {
    CheckReads({
        {"blanks around name and value", "[S]\r\n  k \t=  a  b \t \r\n", "S", "k", "a  b"},
        {"double quotes", "[S]\r\nk=\"  quoted  \"\r\n", "S", "k", "  quoted  "},
        {"single quotes", "[S]\r\nk='single'\r\n", "S", "k", "single"},
        {"one pair only", "[S]\r\nk=\"\"twice\"\"\r\n", "S", "k", "\"twice\""},
        {"unbalanced quote stays", "[S]\r\nk=\"open\r\n", "S", "k", "\"open"},
        {"mixed quotes stay", "[S]\r\nk=\"mixed'\r\n", "S", "k", "\"mixed'"},
        {"empty value is no default", "[S]\r\nk=\r\n", "S", "k", ""},
        {"a bare name has no value", "[S]\r\nk\r\n", "S", "k", "<default>"},
        {"equals signs after the first belong to the value", "[S]\r\nk=a=b\r\n", "S", "k", "a=b"},
        {"no-break space is no blank", "[S]\r\nk=\xA0v\xA0\r\n", "S", "k", "\xA0v\xA0"},
        {"Ctrl-Z at the end is a blank", "[S]\r\nk=v\x1A\r\n", "S", "k", "v"},
    });
}

TEST(PrivateProfileRead, MissingThingsGiveTheDefault) {
    TTempFolder folder;
    EXPECT_EQ(Read(folder["none.ini"], "S", "k"), "<default>");
    EXPECT_EQ(Read(folder["no\\such\\folder.ini"], "S", "k"), "<default>");
    EXPECT_EQ(Read(folder.Path(), "S", "k"), "<default>") << "a folder is no file";
    WriteBytes(folder["a.ini"], kPlain);
    EXPECT_EQ(Read(folder["a.ini"], "OTHER", "Serverpath"), "<default>");
    EXPECT_EQ(Read(folder["a.ini"], "SETTINGS", "Other"), "<default>");
    EXPECT_EQ(Read(folder["a.ini"], "SETTINGS", "Other", "def  "), "def") << "trailing blanks of the default go";
    EXPECT_EQ(Read(folder["a.ini"], "SETTINGS", "Other", "\"def\""), "def") << "the default is unquoted too";
}

TEST(PrivateProfileRead, FirstMatchWins) {
    CheckReads({
        {"repeated key", "[S]\r\nk=1\r\nK=2\r\n", "S", "k", "1"},
        {"repeated section", "[S]\r\nk=1\r\n[s]\r\nk=2\r\nj=3\r\n", "S", "k", "1"},
        {"only the first section is looked at", "[S]\r\nk=1\r\n[S]\r\nj=3\r\n", "S", "j", "<default>"},
    });
}

TEST(PrivateProfileRead, OddFilesStillAnswer) {
    std::string garbage;
    for (int i = 0; i < 4096; ++i) garbage += static_cast<char>((i * 7919 + 13) % 251 + 1);
    garbage[100] = '\0';
    garbage[2000] = '\0';
    std::string huge = "[S]\r\n";
    for (int i = 0; i < 200000; ++i) huge += "key" + std::to_string(i) + "=value " + std::to_string(i) + "\r\n";
    huge += "[T]\r\nlast=found\r\n";
    CheckReads({
        {"LF only", "[S]\nk=lf\n", "S", "k", "lf"},
        {"CR only", "[S]\rj=0\rk=cr\r", "S", "k", "cr"},
        {"no final line break", "[S]\r\nk=end", "S", "k", "end"},
        {"UTF-8 byte-order mark", "\xEF\xBB\xBF[S]\r\nk=M\xC3\xBCller\r\n", "S", "k", "M\xFCller"},
        {"UTF-16 byte-order mark", std::string("\xFF\xFE[\0S\0]\0\r\0\n\0k\0=\0\xFC\0\r\0\n\0", 22), "S", "k", "\xFC"},
        {"Windows-1252 bytes", "[S]\r\nk=\x80 \xE4\xF6\xFC\xDF\r\n", "S", "k", "\x80 \xE4\xF6\xFC\xDF"},
        {"binary garbage alone", garbage, "S", "k", "<default>"},
        {"binary garbage before a section", garbage + "\n[S]\r\nk=after\r\n", "S", "k", "after"},
        {"a NUL ends the value", std::string("[S]\r\nk=ab\0cd\r\n", 14), "S", "k", "ab"},
        {"huge file", huge, "T", "last", "found"},
        {"empty file", "", "S", "k", "<default>"},
    });
}

// Windows ends a line at a CR that no LF follows, wherever an LF may stand later in the file.
TEST(PrivateProfileRead, ALoneCrEndsALine) {
    const std::string mixed = "[S]\r\nk=1\nj=2\rm=3\r\n";
    CheckReads({
        {"CR only", "[S]\rj=0\rk=cr\r", "S", "k", "cr"},
        {"CR after the header, LF later", "[SETTINGS]\rServerpath=abc\n", "SETTINGS", "Serverpath", "abc"},
        {"CR inside a value", "[S]\nk=a\rb\n", "S", "k", "a"},
        {"the rest after the CR is a line of its own", "[S]\nk=a\rb=2\n", "S", "b", "2"},
        {"CR CR LF", "[S]\r\r\nk=v\r\r\nj=w", "S", "j", "w"},
        {"mixed endings, CR LF", mixed, "S", "k", "1"},
        {"mixed endings, LF then CR", mixed, "S", "j", "2"},
        {"mixed endings, after the CR", mixed, "S", "m", "3"},
    });
}

TEST(PrivateProfileRead, LongValuesAreCutAtTheBuffer) {
    TTempFolder folder;
    const std::string value(3000, 'v');
    WriteBytes(folder["long.ini"], "[S]\r\nk=" + value + "\r\nq=\"" + value + "\"\r\n");
    EXPECT_EQ(Read(folder["long.ini"], "S", "k"), value.substr(0, 2047));
    EXPECT_EQ(Read(folder["long.ini"], "S", "q"), value.substr(0, 2047)) << "the opening quote goes, the cut stays";
    char small[8];
    EXPECT_EQ(Profile().GetString("S", "k", "", small, 8, folder["long.ini"]), 7u);
    EXPECT_EQ(std::string(small), "vvvvvvv");
}

// Each row writes into a file (none yet, or one of the row's bytes), then reads keys back and looks
// at the bytes: every write succeeds unless the row says otherwise.
TEST(PrivateProfileWrite, WritesReadBackAndTheRestOfTheFileStays) {
    struct TWrite {
        const char *Section, *Key, *Value; // a null value deletes the key, a null key the section
        bool Succeeds = true;
    };
    struct TRow {
        const char* What;
        const char* Before; // the file's bytes, or null for no file
        std::vector<TWrite> Writes;
        std::vector<std::array<std::string, 3>> Reads;   // section, key, value after the writes
        std::vector<std::string> Holds = {}, Lacks = {}; // what the bytes then hold, and no longer hold
        const char* Starts = nullptr;                    // what they start with
        const char* Bytes = nullptr;                     // or are, exactly
    };
    const std::string longValue(3000, 'x');
    // clang-format off
    const std::vector<TRow> rows = {
        {"a new file", nullptr, {{"SETTINGS", "Serverpath", "Z:\\srv\\Velundo.exe"}},
         {{"SETTINGS", "Serverpath", "Z:\\srv\\Velundo.exe"}}, {}, {}, nullptr,
         "[SETTINGS]\r\nServerpath=Z:\\srv\\Velundo.exe\r\n"},
        {"a new section", kPlain.c_str(), {{"OTHER", "k", "v"}},
         {{"OTHER", "k", "v"}, {"SETTINGS", "Serverpath", "Z:\\srv\\Velundo.exe"}}},
        {"the first match; a new key joins the first section",
         "[S]\r\nk=old\r\nj=keep\r\n[T]\r\nk=other\r\n[s]\r\nk=second\r\n",
         {{"s", "K", "new"}, {"S", "added", "1"}},
         {{"S", "k", "new"}, {"S", "j", "keep"}, {"T", "k", "other"}, {"S", "added", "1"}},
         {"k=second"},
         {"k=old"}},
        {"values without leading blanks, cut at the buffer, in Windows-1252", nullptr,
         {{"S", "k", "  \tZ:\\a b\\c.exe  "}, {"S", "long", longValue.c_str()},
          {"S", "umlaut", "M\xFCller \x80"}},
         {{"S", "k", "Z:\\a b\\c.exe"}, {"S", "long", longValue.substr(0, 2047)},
          {"S", "umlaut", "M\xFCller \x80"}}},
        {"a Unicode file keeps its encoding", "\xEF\xBB\xBF[S]\r\nk=old\r\n", {{"S", "k", "M\xFCller"}},
         {{"S", "k", "M\xFCller"}}, {"M\xC3\xBCller"}, {}, "\xEF\xBB\xBF"},
        {"LF breaks, none after the last line", "[S]\nk=1\nlast=no break", {{"S", "new", "2"}},
         {{"S", "last", "no break"}, {"S", "new", "2"}, {"S", "k", "1"}}},
        {"the repeated section stays", "[S]\nk=1\n[S]\nk=2\n", {{"S", "k", "3"}}, {{"S", "k", "3"}},
         {"k=2"}},
        {"new key in a CR-only file", "[S]\rk=1\r", {{"S", "j", "2"}}, {{"S", "k", "1"}, {"S", "j", "2"}}},
        {"new section in a CR-only file", "[S]\rk=1", {{"T", "t", "3"}}, {{"S", "k", "1"}, {"T", "t", "3"}}},
        {"value before a CR", "[S]\nk=a\rb\n", {{"S", "k", "new"}}, {{"S", "k", "new"}}},
        {"CR CR LF", "[S]\r\r\nk=1\r\r\n", {{"S", "k", "2"}}, {{"S", "k", "2"}}},
        {"mixed endings", "[S]\r\nk=1\nj=2\r\n[T]\rt=1\n", {{"T", "u", "4"}},
         {{"S", "k", "1"}, {"S", "j", "2"}, {"T", "u", "4"}}},
        {"the launcher's key after a lone CR", "[SETTINGS]\rServerpath=old\n",
         {{"SETTINGS", "Serverpath", "new"}},
         {{"SETTINGS", "Serverpath", "new"}}},
        {"a deleted key", "[S]\r\nk=1\r\nj=2\r\n[T]\r\nt=3\r\n", {{"S", "k", nullptr}},
         {{"S", "k", "<default>"}, {"S", "j", "2"}}},
        {"a deleted section; the flush and a write without a section answer false",
         "[S]\r\nj=2\r\n[T]\r\nt=3\r\n",
         {{"S", nullptr, nullptr}, {nullptr, nullptr, nullptr, false}, {nullptr, "k", "v", false}},
         {{"S", "j", "<default>"}, {"T", "t", "3"}}},
    };
    // clang-format on
    TTempFolder folder;
    for (const TRow& row : rows) {
        const std::string file = folder["row" + std::to_string(&row - rows.data()) + ".ini"];
        if (row.Before) WriteBytes(file, row.Before);
        for (const TWrite& w : row.Writes)
            ASSERT_EQ(Profile().WriteString(w.Section, w.Key, w.Value, file), w.Succeeds)
                << "row: " << row.What << ", key " << (w.Key ? w.Key : "(none)");
        for (const auto& [section, key, value] : row.Reads)
            ASSERT_EQ(Read(file, section, key), value) << "row: " << row.What << ", key " << key;
        const std::string bytes = ReadBytes(file);
        for (const std::string& held : row.Holds)
            EXPECT_NE(bytes.find(held), std::string::npos) << "row: " << row.What << "\n" << bytes;
        for (const std::string& gone : row.Lacks)
            EXPECT_EQ(bytes.find(gone), std::string::npos) << "row: " << row.What << "\n" << bytes;
        if (row.Starts) {
            EXPECT_EQ(bytes.substr(0, std::strlen(row.Starts)), row.Starts) << "row: " << row.What;
        }
        if (row.Bytes) {
            EXPECT_EQ(bytes, row.Bytes) << "row: " << row.What;
        }
    }
}

TEST(PrivateProfileWrite, FailsCleanlyWhereItCannotWrite) {
    TTempFolder folder;
    EXPECT_FALSE(Profile().WriteString("S", "k", "v", folder["missing\\a.ini"]));
    EXPECT_FALSE(PathExists(folder["missing"]));
    WriteBytes(folder["plain"], "x");
    EXPECT_FALSE(Profile().WriteString("S", "k", "v", folder["plain\\a.ini"])) << "a file is no folder";
    EXPECT_EQ(ReadBytes(folder["plain"]), "x");

    const std::string file = folder["ro.ini"];
    const std::string before = "; comment\r\n[S]\r\nk=old\r\n";
    WriteBytes(file, before);
    SetReadOnly(file, true);
    if (Facts().ReadOnlyFilesRefuseWrites) {
        EXPECT_FALSE(Profile().WriteString("S", "k", "new", file)) << "read-only, also for root";
        EXPECT_FALSE(Profile().WriteString("S", "j", "new", file));
        EXPECT_EQ(ReadBytes(file), before);
    }
    EXPECT_TRUE(Profile().WriteString("S", "k", "old", file)) << "an unchanged value needs no write";
    EXPECT_EQ(ReadBytes(file), before);
}

TEST(PrivateProfileWrite, ChangesOnlyTheBytesOfTheValue) {
    TTempFolder folder;
    const std::string file = folder["keep.ini"];
    const std::string before = "; settings\n\n[SETTINGS]\n  Serverpath =  old  \nX=1\n\n[Other]\nk=v";
    WriteBytes(file, before);
    ASSERT_TRUE(Profile().WriteString("SETTINGS", "Serverpath", "Z:\\new.exe", file));
    ASSERT_TRUE(Profile().WriteString("SETTINGS", "Added", "2", file));
    ASSERT_TRUE(Profile().WriteString("New", "n", "3", file));
    EXPECT_EQ(Read(file, "SETTINGS", "Serverpath"), "Z:\\new.exe");
    EXPECT_EQ(Read(file, "Other", "k"), "v");
    if (Facts().ProfileWritesKeepEveryByte) {
        EXPECT_EQ(ReadBytes(file),
                  "; settings\n\n[SETTINGS]\n  Serverpath =  Z:\\new.exe  \nX=1\nAdded=2\n\n[Other]\nk=v\n[New]\nn=3\n");
    }
}
