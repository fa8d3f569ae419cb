#include "platform/XdgUserDirs.h"

#include <sstream>

namespace {

// The text between the double quotes, with \" \\ \$ \` unescaped; nothing if not quoted.
std::optional<std::string> Unquote(const std::string& v) {
    if (v.size() < 2 || v.front() != '"') return std::nullopt;
    std::string out;
    for (size_t i = 1; i < v.size(); ++i) {
        if (v[i] == '"') return out;
        if (v[i] == '\\' && i + 1 < v.size()) ++i;
        out += v[i];
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> XdgUserDirFromText(const std::string& Text, const std::string& Name,
                                              const std::string& Home) {
    const std::string key = "XDG_" + Name + "_DIR=";
    std::optional<std::string> found;
    std::istringstream lines(Text);
    for (std::string line; std::getline(lines, line);) {
        const size_t start = line.find_first_not_of(" \t");
        if (start == std::string::npos || line.compare(start, key.size(), key) != 0) continue;
        std::string value = line.substr(start + key.size());
        value.erase(value.find_last_not_of(" \t\r") + 1);
        const auto text = Unquote(value);
        if (!text) continue;
        if (text->compare(0, 5, "$HOME") == 0 && (text->size() == 5 || (*text)[5] == '/'))
            found = Home + text->substr(5);
        else if (!text->empty() && (*text)[0] == '/')
            found = *text;
        // the file is a shell script: a later assignment overrides an earlier one
    }
    return found;
}
