#include "platform/ComStream.h"

#include <cstring>

namespace {
bool SameGuid(const TComGuid& a, const TComGuid& b) {
    return a.Data1 == b.Data1 && a.Data2 == b.Data2 && a.Data3 == b.Data3 &&
           std::memcmp(a.Data4, b.Data4, sizeof a.Data4) == 0;
}
constexpr TComGuid kIUnknown{0x00000000, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr TComGuid kISequentialStream{0x0c733a30, 0x2a1c, 0x11ce, {0xad, 0xe5, 0x00, 0xaa, 0x00, 0x44, 0x77, 0x3d}};
constexpr TComGuid kIStream{0x0000000c, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
} // namespace

bool IsStreamInterface(const TComGuid& Iid) {
    return SameGuid(Iid, kIUnknown) || SameGuid(Iid, kISequentialStream) || SameGuid(Iid, kIStream);
}
