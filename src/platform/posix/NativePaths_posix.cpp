// The Wine view of the file system: Z: is the root, backslashes are slashes, Windows-1252 is UTF-8.
#include "platform/NativePaths.h"

#include "platform/CodePage.h"

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

bool HasDrive(const std::string& p) {
    const char c = p.size() >= 2 ? p[0] : 0;
    return p.size() >= 2 && p[1] == ':' && ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'));
}

} // namespace

std::string ToNativePath(const std::string& Path) {
    std::string rest = Path;
    if (HasDrive(Path)) {
        if (Path[0] != 'Z' && Path[0] != 'z') return {};
        rest = Path.substr(2);
        if (rest.empty()) return "/";
    } else if (Path.size() >= 2 && IsSeparator(Path[0]) && IsSeparator(Path[1])) {
        return {}; // a network share (\\server\share) or a device path
    }
    for (char& c : rest)
        if (c == '\\') c = '/';
    return AnsiToUtf8(rest);
}

std::optional<std::string> ExactAnsiName(const std::string& Native) {
    for (char c : Native)
        if (c == '\\' || static_cast<unsigned char>(c) < 0x20) return std::nullopt;
    if (!Utf8FitsAnsi(Native)) return std::nullopt;
    return Utf8ToAnsi(Native);
}

std::string FromNativePath(const std::string& Native) {
    std::optional<std::string> path = ExactAnsiName(Native);
    if (!path) return {};
    for (char& c : *path)
        if (c == '/') c = '\\';
    if (!path->empty() && (*path)[0] == '\\') path->insert(0, "Z:");
    return *path;
}

std::string DisplayPath(const std::string& Path) {
    if (HasDrive(Path) && Path[0] != 'Z' && Path[0] != 'z') return Path; // no such place here
    std::string shown = HasDrive(Path) ? Path.substr(2) : Path;
    if (shown.empty() && !Path.empty()) shown = "/";
    for (char& c : shown)
        if (c == '\\') c = '/';
    return shown;
}

std::optional<std::string> ChosenFilePath(const std::string& Native) { return ExactAnsiName(Native); }
