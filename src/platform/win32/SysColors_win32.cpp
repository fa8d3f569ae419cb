#include <windows.h>

#include "platform/SysColors.h"

uint32_t GetSystemColor(int Index) { return GetSysColor(Index); }

// The system's own colours are the desktop's: nothing to consult.
void SetSystemColorSource(TSystemColorSource) {}

bool HighContrast() {
    HIGHCONTRASTA contrast{sizeof contrast, 0, nullptr};
    return SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON);
}

void SetHighContrastSource(THighContrastSource) {}
