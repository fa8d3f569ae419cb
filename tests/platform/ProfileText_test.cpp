// The private-profile text engine on its own, without the disk: the edits it makes to a file's bytes.
#include <gtest/gtest.h>

#include "platform/ProfileText.h"

namespace {

struct TEditRow {
    const char* What;
    std::string Before;
    const char* Section;
    const char* Key;
    const char* Value;
    std::string After; // the bytes after the edit; equal to Before when nothing changes
};

void CheckEdits(const std::vector<TEditRow>& rows) {
    for (const TEditRow& row : rows) {
        std::string bytes = row.Before;
        const bool changed = ProfileEdit(bytes, row.Section, row.Key, row.Value);
        ASSERT_EQ(bytes, row.After) << "row: " << row.What;
        ASSERT_EQ(changed, row.Before != row.After) << "row: " << row.What;
    }
}

} // namespace

TEST(ProfileText, EditsOnlyWhatTheyMust) {
    CheckEdits({
        {"new file", "", "S", "k", "v", "[S]\r\nk=v\r\n"},
        {"value in place", "[S]\n k = old ;x\r\nj=1\n", "S", "k", "new", "[S]\n k = new\r\nj=1\n"},
        {"bare name gets a value", "[S]\nk  \n", "S", "k", "v", "[S]\nk=v  \n"},
        {"same value", "[S]\nk=v\n", "S", "K", "v", "[S]\nk=v\n"},
        {"new key after the last entry", "[S]\nk=1\n\n[T]\n", "S", "j", "2", "[S]\nk=1\nj=2\n\n[T]\n"},
        {"new key after a bare header", "[S]\n[T]\n", "S", "j", "2", "[S]\nj=2\n[T]\n"},
        {"new key at the end without a break", "[S]\nk=1", "S", "j", "2", "[S]\nk=1\nj=2"},
        {"new section after no break", "[S]\r\nk=1", "T", "j", "2", "[S]\r\nk=1\r\n[T]\r\nj=2\r\n"},
        {"a lone CR ends a line", "x\n[S]\rk=1", "S", "j", "2", "x\n[S]\rk=1\nj=2"},
        {"the first line's break is the file's", "[S]\rk=1\n", "S", "j", "2", "[S]\rk=1\nj=2\r"},
        {"a new CR does not pair with the LF after it", "[S]\rk=1\n\n", "S", "j", "2", "[S]\rk=1\nj=2\r\n\n"},
        {"value before a lone CR", "[S]\nk=a\rb\n", "S", "k", "new", "[S]\nk=new\rb\n"},
        {"CR CR LF is two breaks", "[S]\r\r\nk=1\r\r\n", "S", "k", nullptr, "[S]\r\r\n\r\n"},
        {"nameless section", "[S]\nk=1\n", "", "top", "1", "top=1\n[S]\nk=1\n"},
        {"first of repeated sections", "[S]\nk=1\n[S]\nk=2\n", "s", "k", "3", "[S]\nk=3\n[S]\nk=2\n"},
        {"leading blanks of the value go", "", "S", "k", " \t v ", "[S]\r\nk=v \r\n"},
        {"delete key", "[S]\nk=1\nj=2\n", "S", "k", nullptr, "[S]\nj=2\n"},
        {"delete missing key", "[S]\nj=2\n", "S", "k", nullptr, "[S]\nj=2\n"},
        {"delete section", "[S]\nk=1\n[T]\nt=1\n", "S", nullptr, nullptr, "[T]\nt=1\n"},
        {"UTF-8 file", "\xEF\xBB\xBF[S]\nk=a\n", "S", "k", "\xFC", "\xEF\xBB\xBF[S]\nk=\xC3\xBC\n"},
        {"UTF-16 file", std::string("\xFF\xFE[\0S\0]\0\n\0", 10), "S", "k", "\xFC",
         std::string("\xFF\xFE[\0S\0]\0\n\0k\0=\0\xFC\0\n\0", 18)},
        {"garbage kept", std::string("\x01\x02\0\xFF\n[S]\n", 9), "S", "k", "v",
         std::string("\x01\x02\0\xFF\n[S]\nk=v\n", 13)},
    });
}

TEST(ProfileText, RefusesAnEditWithoutSection) {
    std::string bytes = "[S]\nk=1\n";
    EXPECT_FALSE(ProfileEdit(bytes, nullptr, "k", "v"));
    EXPECT_EQ(bytes, "[S]\nk=1\n");
}

TEST(ProfileText, CutsQuotedValuesAsWindowsDoes) {
    const std::string file = "[S]\nq=\"abc\"\n";
    char buffer[8];
    struct Row {
        uint32_t Size;
        const char* Expected;
    } rows[] = {{8, "abc"}, {5, "abc"}, {4, "ab"}, {3, "ab"}, {2, "a"}, {1, ""}};
    for (const Row& row : rows) {
        const uint32_t n = ProfileGetString(file, "S", "q", "", buffer, row.Size);
        ASSERT_EQ(std::string(buffer), row.Expected) << "size " << row.Size;
        ASSERT_EQ(n, std::string(row.Expected).size()) << "size " << row.Size;
    }
    EXPECT_EQ(ProfileGetString(file, "S", "q", "", buffer, 0), 0u);
}
