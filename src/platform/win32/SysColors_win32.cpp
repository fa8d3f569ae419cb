#include <windows.h>

#include "platform/SysColors.h"

uint32_t GetSystemColor(int Index) { return GetSysColor(Index); }
