#include <windows.h>

#include "platform/SysColors.h"

uint32_t GetSystemColor(int Index) { return GetSysColor(Index); }

// The system's own colours are the desktop's: nothing to consult.
void SetSystemColorSource(TSystemColorSource) {}
