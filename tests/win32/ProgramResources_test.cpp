// The resources Velundo_Client.exe carries: the icon group, the button glyphs, the manifest, the
// version record and the main window's description. The program is opened as a data file, so none
// of it runs; the expected bytes are those of the files in resources/.
#include <gtest/gtest.h>

#include "app/fArbeitsplatz.h"
#include "platform/win32/WindowsApi.h"

#include <cctype>
#include <cstdint>
#include <functional>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>

namespace {

std::string FileBytes(const std::string& Path) {
    std::ifstream in(Path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string SourceFile(const std::string& Name) { return FileBytes(std::string(VELUNDO_RESOURCES) + "/" + Name); }

// The program lies beside this test program.
std::string ProgramPath() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    folder.erase(folder.find_last_of('\\') + 1);
    return folder + "Velundo_Client.exe";
}

uint32_t Little(const std::string& Bytes, size_t At, int Count) {
    uint32_t value = 0;
    for (int i = Count - 1; i >= 0; --i) value = value << 8 | static_cast<uint8_t>(Bytes.at(At + i));
    return value;
}

class ProgramResources : public testing::Test {
protected:
    static void SetUpTestSuite() { Program = LoadLibraryExA(ProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE); }
    static void TearDownTestSuite() {
        if (Program) FreeLibrary(Program);
        Program = nullptr;
    }
    void SetUp() override { ASSERT_NE(Program, nullptr) << "cannot open " << ProgramPath() << " as a data file"; }

    // The resource's bytes, or nothing when the program lacks it.
    static std::optional<std::string> Resource(LPCSTR Name, LPCSTR Type) {
        HRSRC found = FindResourceA(Program, Name, Type);
        HGLOBAL loaded = found ? LoadResource(Program, found) : nullptr;
        const void* bytes = loaded ? LockResource(loaded) : nullptr;
        if (!bytes) return std::nullopt;
        return std::string(static_cast<const char*>(bytes), SizeofResource(Program, found));
    }

    static inline HMODULE Program = nullptr;
};

// --- icon -------------------------------------------------------------------------------------

struct IconRow {
    int Size;
    int Bits;
};
// The group's images in their order: 48, 32 and 16 pixels, each in 4, 8 and 32 bits.
const IconRow kIcons[] = {{48, 4}, {48, 8}, {48, 32}, {32, 4}, {32, 8}, {32, 32}, {16, 4}, {16, 8}, {16, 32}};

// Walks the group against the table and the .ico file (a 16-byte entry with the image's offset per
// image there, a 14-byte entry with the image's resource id here); the first differing row, or "".
std::string FirstIconDifference(const std::string& Group, const std::string& IcoFile,
                                const std::function<std::optional<std::string>(int)>& Image) {
    const size_t count = Little(Group, 4, 2);
    if (count != std::size(kIcons)) return "group holds " + std::to_string(count) + " images, expected 9";
    for (size_t row = 0; row < count; ++row) {
        const size_t entry = 6 + 14 * row, fileEntry = 6 + 16 * row;
        const int width = static_cast<uint8_t>(Group[entry]), height = static_cast<uint8_t>(Group[entry + 1]);
        const int bits = static_cast<int>(Little(Group, entry + 6, 2));
        const uint32_t length = Little(Group, entry + 8, 4);
        const auto image = Image(static_cast<int>(Little(Group, entry + 12, 2)));
        std::ostringstream out;
        out << "row " << row << ": ";
        if (width != kIcons[row].Size || height != kIcons[row].Size || bits != kIcons[row].Bits)
            out << width << "x" << height << "x" << bits << ", expected " << kIcons[row].Size << " square, "
                << kIcons[row].Bits << " bits";
        else if (!image)
            out << "image resource missing";
        else if (image->size() != length)
            out << "image holds " << image->size() << " bytes, the group says " << length;
        else if (*image != IcoFile.substr(Little(IcoFile, fileEntry + 12, 4), Little(IcoFile, fileEntry + 8, 4)))
            out << "image differs from Velundo_Client.ico";
        else
            continue;
        return out.str();
    }
    return "";
}

TEST_F(ProgramResources, MainIconGroupHoldsTheNineImagesOfTheIconFile) {
    const auto group = Resource("MAINICON", RT_GROUP_ICON);
    ASSERT_TRUE(group) << "no icon group MAINICON";
    ASSERT_GE(group->size(), 6u + 14 * std::size(kIcons));
    EXPECT_EQ(FirstIconDifference(*group, SourceFile("Velundo_Client.ico"),
                                  [](int Id) { return Resource(MAKEINTRESOURCEA(Id), RT_ICON); }),
              "");
}

// --- glyphs -----------------------------------------------------------------------------------

struct GlyphRow {
    const char* Name;
    const char* File;
    int Width;
    int Height;
    uint32_t Transparent; // the bottom-left pixel, 0xRRGGBB
};
const GlyphRow kGlyphs[] = {
    {"FOLDERGLYPH", "folder.bmp", 16, 16, 0xFF00FF},
    {"STARTGLYPH", "start.bmp", 32, 16, 0xF800F8},
};

// A bitmap resource is the .bmp file without its 14-byte file header; 24-bit rows run bottom-up,
// so the bottom-left pixel comes first after the 40-byte header, as blue, green, red.
std::string GlyphDifference(const GlyphRow& Row, const std::optional<std::string>& Dib) {
    std::ostringstream out;
    out << Row.Name << ": ";
    if (!Dib) return out.str() + "missing";
    if (Dib->size() < 43) return out.str() + "too short";
    const auto width = static_cast<int32_t>(Little(*Dib, 4, 4)), height = static_cast<int32_t>(Little(*Dib, 8, 4));
    const int bits = static_cast<int>(Little(*Dib, 14, 2));
    const uint32_t bottomLeft = Little(*Dib, 40, 3);
    if (width != Row.Width || height != Row.Height || bits != 24)
        out << width << "x" << height << "x" << bits << ", expected " << Row.Width << "x" << Row.Height << "x24";
    else if (bottomLeft != Row.Transparent)
        out << "bottom-left pixel " << std::hex << bottomLeft << ", expected " << Row.Transparent;
    else if (*Dib != SourceFile(Row.File).substr(14))
        out << "differs from " << Row.File;
    else
        return "";
    return out.str();
}

TEST_F(ProgramResources, GlyphBitmapsHaveTheirSizesDepthAndTransparentColour) {
    for (const GlyphRow& row : kGlyphs) {
        const std::string difference = GlyphDifference(row, Resource(row.Name, RT_BITMAP));
        ASSERT_EQ(difference, "");
    }
}

// --- manifest ---------------------------------------------------------------------------------

TEST_F(ProgramResources, ManifestIsTheResourceThatWindowsReadsAtStart) {
    const auto manifest = Resource(CREATEPROCESS_MANIFEST_RESOURCE_ID, RT_MANIFEST);
    ASSERT_TRUE(manifest) << "no manifest with id 1";
    EXPECT_EQ(*manifest, SourceFile("Velundo_Client.manifest"));
    // The dependency's identity element names the library and the version together.
    const size_t dependency = manifest->find("<dependentAssembly>");
    ASSERT_NE(dependency, std::string::npos);
    const size_t from = manifest->find("<assemblyIdentity", dependency);
    const std::string identity = manifest->substr(from, manifest->find("/>", from) - from);
    EXPECT_NE(identity.find("name=\"Microsoft.Windows.Common-Controls\""), std::string::npos) << identity;
    EXPECT_NE(identity.find("version=\"6.0.0.0\""), std::string::npos) << identity;
}

// The program's manifest, made an activation context the way the loader makes it at start, brings in
// the common controls from the side-by-side assembly of version 6.0. (Wine's copy there answers
// DllGetVersion with 5.81, so the test asks where the library came from.)
TEST(ProgramManifest, ActivatesCommonControlsSix) {
    const std::string program = ProgramPath();
    ACTCTXA request{};
    request.cbSize = sizeof request;
    request.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
    request.lpSource = program.c_str();
    request.lpResourceName = CREATEPROCESS_MANIFEST_RESOURCE_ID;
    HANDLE context = CreateActCtxA(&request);
    ASSERT_NE(context, INVALID_HANDLE_VALUE) << "manifest refused, error " << GetLastError();
    ULONG_PTR cookie = 0;
    ASSERT_TRUE(ActivateActCtx(context, &cookie));
    HMODULE controls = LoadLibraryA("comctl32.dll");
    char path[MAX_PATH] = {};
    if (controls) GetModuleFileNameA(controls, path, MAX_PATH);
    if (controls) FreeLibrary(controls);
    DeactivateActCtx(0, cookie);
    ReleaseActCtx(context);
    std::string from(path);
    for (char& c : from) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_NE(from.find("\\winsxs\\"), std::string::npos) << path;
    EXPECT_NE(from.find("_microsoft.windows.common-controls_6595b64144ccf1df_6.0."), std::string::npos) << path;
}

// --- version record ---------------------------------------------------------------------------

struct VersionRow {
    const char* Key;
    const char* Text;
};
const VersionRow kVersionTexts[] = {
    {"FileDescription", "Velundo Client"},         {"ProductName", "Velundo Client"},
    {"OriginalFilename", "Velundo_Client.exe"},     {"FileVersion", "1.0.0.0"},
    {"ProductVersion", "1.0.0.0"},
};

class ProgramVersion : public testing::Test {
protected:
    void SetUp() override {
        const std::string program = ProgramPath();
        DWORD ignored = 0;
        Record.resize(GetFileVersionInfoSizeA(program.c_str(), &ignored));
        ASSERT_FALSE(Record.empty()) << "no version record";
        ASSERT_TRUE(GetFileVersionInfoA(program.c_str(), 0, static_cast<DWORD>(Record.size()), Record.data()));
    }
    // The value under the path, or nothing.
    std::optional<std::string> Value(const std::string& Path) {
        void* value = nullptr;
        UINT length = 0;
        if (!VerQueryValueA(Record.data(), Path.c_str(), &value, &length) || !value) return std::nullopt;
        return std::string(static_cast<const char*>(value), length);
    }
    std::string Record;
};

TEST_F(ProgramVersion, GermanStringsNameTheProgram) {
    for (const VersionRow& row : kVersionTexts) {
        const auto text = Value(std::string("\\StringFileInfo\\040704E4\\") + row.Key);
        ASSERT_TRUE(text) << row.Key << " missing";
        // The length counts the terminating null.
        ASSERT_EQ(std::string(text->c_str()), row.Text) << row.Key;
    }
}

TEST_F(ProgramVersion, NumbersAreOneZeroZeroZeroInGermanWindows1252) {
    const auto fixed = Value("\\");
    ASSERT_TRUE(fixed && fixed->size() >= sizeof(VS_FIXEDFILEINFO));
    const auto* info = reinterpret_cast<const VS_FIXEDFILEINFO*>(fixed->data());
    EXPECT_EQ(info->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(info->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(info->dwFileVersionLS, 0u);
    EXPECT_EQ(info->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(info->dwProductVersionLS, 0u);
    const auto translation = Value("\\VarFileInfo\\Translation");
    ASSERT_TRUE(translation && translation->size() == 4);
    EXPECT_EQ(Little(*translation, 0, 2), 0x0407u);
    EXPECT_EQ(Little(*translation, 2, 2), 1252u);
}

// --- window description -----------------------------------------------------------------------

TEST_F(ProgramResources, WindowDescriptionIsTheStoredFileByteForByte) {
    const auto description = Resource("TMAINFORM", RT_RCDATA);
    ASSERT_TRUE(description) << "no RCDATA TMAINFORM";
    EXPECT_EQ(*description, SourceFile("fArbeitsplatz.json"));
}

// The description is read from the resource instead of a compiled-in copy: the program holds its
// bytes once.
TEST_F(ProgramResources, ProgramCarriesTheDescriptionOnce) {
    const std::string description = SourceFile("fArbeitsplatz.json"), program = FileBytes(ProgramPath());
    ASSERT_FALSE(description.empty());
    const size_t first = program.find(description);
    ASSERT_NE(first, std::string::npos);
    EXPECT_EQ(program.find(description, first + 1), std::string::npos);
}

// Every program that links the core carries the same resources; this one reads its own.
TEST(MainFormDescription, ReadsTheRunningProgramsResource) {
    EXPECT_EQ(std::string(MainFormDescription()), SourceFile("fArbeitsplatz.json"));
}

} // namespace
