#pragma once
// The text engine of private-profile (INI) files: lookup and edit of a file's bytes, with the rules of
// Windows' GetPrivateProfileStringA and WritePrivateProfileStringA. Pure functions over bytes; the
// file access lives in the platform back end.
//
// Reading: a line ends at '\n', at '\r\n' or at a '\r' alone, as Windows cuts lines, and is trimmed
// of blanks, tabs, line breaks and Ctrl-Z. "[name]" (up to the last ']', name trimmed) starts a
// section; any other non-blank line is an entry "name=value" (name trimmed before the first '=',
// value trimmed after it) or a bare name without a value. Entries before the first section belong to
// the nameless section. Names compare without regard to the case of A to Z; the first matching
// section is the only one looked at, and its first matching entry wins. A file that starts with a UTF-8 or UTF-16 byte-order mark
// holds Unicode text; its names and values are given and returned as Windows-1252.
//
// Writing changes only the bytes it must: the value of an existing entry in place, a new entry after
// the last entry of its section, a new section at the end of the file, in the file's own line breaks
// and encoding (the break of the file's first line).
//
// Every operation is one pass over the bytes and keeps no more than the file and, for an edit, the
// edited copy: time and memory grow linearly with the file, whatever its lines look like.
#include <cstdint>
#include <optional>
#include <string>

// The value of Key in Section, trimmed as stored; nothing when the file, section or key is missing or
// the entry has no '='.
std::optional<std::string> ProfileLookup(const std::string& FileBytes, const std::string& Section,
                                         const std::string& Key);

// GetPrivateProfileStringA's answer for one key: the value (or, when missing, Default without its
// trailing blanks) with one pair of enclosing quotes (" or ') removed, cut to Size - 1 characters and
// terminated in Buffer. Returns the count of characters copied without the terminator.
uint32_t ProfileGetString(const std::string& FileBytes, const std::string& Section, const std::string& Key,
                          const std::string& Default, char* Buffer, uint32_t Size);

// WritePrivateProfileStringA's edit for a non-null Section: Value null deletes the key, Key null the
// section; otherwise the key is set to Value without its leading blanks. Returns whether FileBytes
// changed.
bool ProfileEdit(std::string& FileBytes, const char* Section, const char* Key, const char* Value);
