#include "systools/TVK_Systools.h"

#include <vector>

#include "platform/NativePaths.h"

std::string AppendBackslash(const std::string& Path) {
    if (Path.empty()) return Path;
    if (Path.size() == 2 && Path[1] == ':') return Path + "\\";
    if (Path.size() <= 2) return Path;
    if (Path.back() == '\\') return Path;
    return Path + "\\";
}

std::string ExtractFolder(const std::string& Path) {
    if (Path.empty()) return {};
    size_t i = Path.size();
    while (i > 0) {
        const char c = Path[i - 1];
        if (c == '\\' || c == ':' || c == '\0') break;
        --i;
    }
    if (i == 0) return {};                  // no delimiter
    if (i == 1) return Path.substr(0, 1);   // the first character is the delimiter
    const char delimiter = Path[i - 1];
    if (delimiter == '\\' && Path[i - 2] == ':') return Path.substr(0, i); // a drive root keeps it
    if (delimiter == '\\') return Path.substr(0, i - 1);
    return Path.substr(0, i); // colon or NUL
}

namespace {
constexpr uint32_t kReadBufferSize = 2048;
}

TIniFile::TIniFile(const std::string& FileName, IPrivateProfile* Profile)
    : TCustomIniFile(FileName), FProfile(Profile ? *Profile : *NativePlatform().Profile) {}

TIniFile::~TIniFile() {
    // Flushes the platform's cached copy of the file; there is nothing to report if it fails.
    FProfile.WriteString(nullptr, nullptr, nullptr, FileName());
}

std::string TIniFile::ReadString(const std::string& Section, const std::string& Ident, const std::string& Default) {
    std::vector<char> buffer(kReadBufferSize, '\0');
    uint32_t n = FProfile.GetString(Section, Ident, Default, buffer.data(), kReadBufferSize, FileName());
    if (n > kReadBufferSize - 1) n = kReadBufferSize - 1;
    return std::string(buffer.data(), n);
}

void TIniFile::WriteString(const std::string& Section, const std::string& Ident, const std::string& Value) {
    if (!FProfile.WriteString(Section.c_str(), Ident.c_str(), Value.c_str(), FileName()))
        throw EIniFileException(FormatText("In %s kann nicht geschrieben werden", DisplayPath(FileName())));
}
