#include "platform/SysColors.h"

#include <array>

namespace {
TSystemColorSource& Source() {
    static TSystemColorSource source;
    return source;
}

THighContrastSource& ContrastSource() {
    static THighContrastSource source;
    return source;
}
} // namespace

void SetSystemColorSource(TSystemColorSource Source_) { Source() = std::move(Source_); }
void SetHighContrastSource(THighContrastSource Source_) { ContrastSource() = std::move(Source_); }
bool HighContrast() { return ContrastSource() && ContrastSource()(); }

// The session's colours first; the classic Windows palette where it has none.
uint32_t GetSystemColor(int Index) {
    if (Source())
        if (const std::optional<uint32_t> color = Source()(Index)) return *color;
    static constexpr std::array<uint32_t, 31> kClassic = {
        0xC8D0D4, 0xA56E3A, 0x6A240A, 0x808080, 0xC8D0D4, 0xFFFFFF, 0x000000, 0x000000,
        0x000000, 0xFFFFFF, 0xC8D0D4, 0xC8D0D4, 0x808080, 0x6A240A, 0xFFFFFF, 0xC8D0D4,
        0x808080, 0x808080, 0x000000, 0xC8D0D4, 0xFFFFFF, 0x404040, 0xC8D0D4, 0x000000,
        0xE1FFFF, 0xB5B5B5, 0x800000, 0xF0CAA6, 0xC0C0C0, 0xD77800, 0xC8D0D4};
    if (Index < 0 || Index >= static_cast<int>(kClassic.size())) return 0;
    return kClassic[Index];
}
