#include "platform/WildcardMatch.h"

namespace {

unsigned char Fold(char ch) {
    const auto c = static_cast<unsigned char>(ch);
    if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) return c - 0x20;
    if (c == 0x9A || c == 0x9C || c == 0x9E) return c - 0x10;
    if (c == 0xFF) return 0x9F;
    return c;
}

} // namespace

bool WildcardMatch(const std::string& Mask, const std::string& Name) {
    if (Mask == "*" || Mask == "*.*") return true; // what the walk below gives every name, at once
    size_t m = 0, n = 0;
    size_t starMask = std::string::npos, starName = 0; // where to resume after the last '*'
    while (n < Name.size()) {
        if (m < Mask.size() && Mask[m] == '*') {
            starMask = ++m;
            starName = n;
        } else if (m < Mask.size() && (Mask[m] == '?' || Fold(Mask[m]) == Fold(Name[n]))) {
            ++m;
            ++n;
        } else if (starMask != std::string::npos) {
            m = starMask;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (m < Mask.size() && (Mask[m] == '*' || Mask[m] == '.')) ++m;
    return m == Mask.size();
}
