#pragma once
// The XDG user folders (Desktop, Documents, ...) as `xdg-user-dir` finds them: the line
// XDG_<NAME>_DIR="..." of user-dirs.dirs, whose value is "$HOME/..." or an absolute path, with the
// shell's backslash escapes inside the quotes. Native paths (UTF-8).
#include <optional>
#include <string>

// The folder of Name ("DESKTOP", "DOCUMENTS", "TEMPLATES", ...) in the text of a user-dirs.dirs
// file; nothing when the file does not set it or sets it to something other than the two forms.
std::optional<std::string> XdgUserDirFromText(const std::string& Text, const std::string& Name,
                                              const std::string& Home);
