#pragma once
// Code pages at the boundaries to the operating system, the toolkit and GDI+. The core's texts are
// byte strings in the ANSI code page; this unit turns them into UTF-8 and UTF-16 and back, and is the
// one place that encodes and decodes UTF-8.
#include <cstddef>
#include <string>
#include <string_view>

// Windows-1252 <-> UTF-8 and UTF-16. A character that Windows-1252 lacks becomes '?', as the ANSI
// calls do; so does each byte of malformed UTF-8.
std::string AnsiToUtf8(const std::string& Ansi);
std::string Utf8ToAnsi(const std::string& Utf8);
std::u16string AnsiToUtf16(const std::string& Ansi);
std::string Utf16ToAnsi(const std::u16string& Wide);
// Whether every character of the UTF-8 text has a Windows-1252 byte (malformed text has none).
bool Utf8FitsAnsi(const std::string& Utf8);

// The system's ANSI code page -> UTF-16, for texts handed to GDI+: on Windows the code page the
// system is set to (MultiByteToWideChar with CP_ACP), elsewhere Windows-1252.
std::u16string SystemAnsiToUtf16(const std::string& Ansi);

// A file name in the system's own form (Windows: the ANSI code page; elsewhere UTF-8, whose
// malformed bytes become U+FFFD) as UTF-16, for calls that take wide names.
std::u16string NativeFileNameToUtf16(const std::string& Name);

// UTF-8 itself. DecodeUtf8 reads one code point at Pos and moves past it, as RFC 3629 defines the
// form: a malformed, overlong or cut-short sequence, a surrogate or a value above U+10FFFF gives
// kNoCodePoint and moves one byte, so that no other spelling of '.', '/' or '\' gets through.
// DecodeWtf8 accepts encoded surrogates too: only for text this program made from UTF-16 (where a
// lone surrogate must survive a round trip), never for names or texts from outside.
constexpr char32_t kNoCodePoint = 0xFFFFFFFF;
char32_t DecodeUtf8(std::string_view Text, std::size_t& Pos);
char32_t DecodeWtf8(std::string_view Text, std::size_t& Pos);
void AppendUtf8(std::string& Out, char32_t CodePoint); // lone surrogates are encoded as they are
// UTF-16 (pairs joined, lone surrogates kept) -> UTF-8.
std::string Utf16ToUtf8(std::u16string_view Wide);

// Case folding of the letters A to Z only; every other byte, umlauts included, stays.
char UpperAscii(char C);
char LowerAscii(char C);
std::string UpperCaseAscii(const std::string& S);
std::string LowerCaseAscii(const std::string& S);
// Lower-cases the letters of Windows-1252 (A to Z and the accented capitals), as the ANSI call does.
std::string AnsiLowerCase(const std::string& S);
