#pragma once
// Strings, exceptions and small helpers of the runtime. Texts are byte strings in the ANSI code page
// (Windows-1252); every helper here works on bytes.
#include <cstdint>
#include <exception>
#include <string>

#include "platform/CodePage.h" // the texts' code pages and ASCII case folding

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
// Upper-case hexadecimal digits, at least `digits` of them.
std::string IntToHex(uint64_t value, int digits);
// Replaces each %s in the pattern by the next argument (the only directive the program's texts use),
// and each %d by the next number.
std::string FormatText(const std::string& pattern, const std::string& arg);
std::string FormatNumber(const std::string& pattern, long long number);
