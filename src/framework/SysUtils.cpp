#include "framework/SysUtils.h"



std::string Trim(const std::string& s) {
    size_t first = 0, last = s.size();
    while (first < last && static_cast<unsigned char>(s[first]) <= 32) ++first;
    while (last > first && static_cast<unsigned char>(s[last - 1]) <= 32) --last;
    return s.substr(first, last - first);
}

std::string IntToHex(uint64_t value, int digits) {
    static const char hex[] = "0123456789ABCDEF";
    std::string r;
    do {
        r.insert(r.begin(), hex[value & 15]);
        value >>= 4;
    } while (value != 0);
    while (static_cast<int>(r.size()) < digits) r.insert(r.begin(), '0');
    return r;
}

std::string FormatText(const std::string& pattern, const std::string& arg) {
    const auto at = pattern.find("%s");
    if (at == std::string::npos) return pattern;
    return pattern.substr(0, at) + arg + pattern.substr(at + 2);
}

std::string FormatNumber(const std::string& pattern, long long number) {
    const auto at = pattern.find("%d");
    if (at == std::string::npos) return pattern;
    return pattern.substr(0, at) + std::to_string(number) + pattern.substr(at + 2);
}
