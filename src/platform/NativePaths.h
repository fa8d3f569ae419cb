#pragma once
// Windows-style ANSI paths of the core <-> the operating system's own paths.
// On Windows both are the same. Elsewhere the Wine view holds: drive Z: is the file-system root
// (Z:\home\ann\Velundo.exe is /home/ann/Velundo.exe), no other drive exists, a path without a drive
// is relative to the current folder (or to the root of Z: when it starts with a backslash), and
// names are Windows-1252 in the core and UTF-8 on disk.
#include <optional>
#include <string>

// The native form of a core path; empty when it names no place on this system (another drive, a
// network share) or is empty.
std::string ToNativePath(const std::string& Path);

// The Windows-1252 form of a native name or path when it has an exact one, which ToNativePath turns
// back into the same bytes: valid UTF-8 (RFC 3629) whose every character Windows-1252 has, without
// a backslash (a separator to the core) or a control character (no Windows name has one). Nothing
// otherwise: such a name is never handed to the core as a converted stand-in for another.
std::optional<std::string> ExactAnsiName(const std::string& Native);

// The core form of a native path: absolute paths get drive Z:, relative ones stay relative. Empty
// when the path has no exact form (see ExactAnsiName).
std::string FromNativePath(const std::string& Native);

// A core path as the user of this system knows it, for messages: Z:\home\ann\a.ini is /home/ann/a.ini
// on POSIX; on Windows the path itself.
std::string DisplayPath(const std::string& Path);

// A file the user chose, as the core keeps it: the native path itself in Windows-1252, as the user
// sees it (/home/ann/Server/Velundo.exe; ToNativePath reads it back); nothing when it has no exact
// form, so it is never stored or launched as another path.
std::optional<std::string> ChosenFilePath(const std::string& Native);
