#pragma once
// Strings, exceptions and small helpers of the runtime. Texts are byte strings in the ANSI code page
// (Windows-1252); every helper here works on bytes.
#include <cstdint>
#include <exception>
#include <string>


// The one base of the program's own errors: a message text, shown by the framework when it leaves an
// event handler.
class Exception : public std::exception {
public:
    explicit Exception(std::string message) : m_message(std::move(message)) {}
    const std::string& Message() const { return m_message; }
    const char* what() const noexcept override { return m_message.c_str(); }

private:
    std::string m_message;
};

class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// The silent abort: ends an operation quietly; the framework shows nothing for it.
class EAbort : public Exception {
public:
    using Exception::Exception;
};

// Removes leading and trailing bytes with codes 0 to 32.
std::string Trim(const std::string& s);
// Upper-cases the letters a to z only; every other byte, umlauts included, stays.
std::string UpperCaseAscii(const std::string& s);
// Lower-cases the letters A to Z only.
std::string LowerCaseAscii(const std::string& s);
// Lower-cases the letters of Windows-1252 (A to Z and the accented capitals), as the ANSI call does.
std::string AnsiLowerCase(const std::string& s);
// Upper-case hexadecimal digits, at least `digits` of them.
std::string IntToHex(uint64_t value, int digits);
// Replaces each %s in the pattern by the next argument (the only directive the program's texts use),
// and each %d by the next number.
std::string FormatText(const std::string& pattern, const std::string& arg);
std::string FormatNumber(const std::string& pattern, long long number);

// Windows-1252 <-> UTF-8 and UTF-16 at the boundaries to the OS, GTK and GDI+. A character that
// Windows-1252 lacks becomes '?', as the ANSI calls do.
std::string AnsiToUtf8(const std::string& ansi);
// Appends one code point as UTF-8 (lone surrogates too, so that they come back unchanged).
void AppendUtf8(std::string& out, char32_t cp);
std::string Utf8ToAnsi(const std::string& utf8);
std::u16string AnsiToUtf16(const std::string& ansi);
std::string Utf16ToAnsi(const std::u16string& wide);

