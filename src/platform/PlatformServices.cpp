#include "platform/PlatformServices.h"

bool MatchesAttributeMask(uint32_t Attributes, uint32_t Mask) {
    const uint32_t excluded = ~Mask & (faHidden | faSysFile | faVolumeID | faDirectory);
    return (Attributes & excluded) == 0;
}
