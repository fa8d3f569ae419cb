#pragma once
#include <cstdint>

// The current colour (0x00BBGGRR) of system colour `Index` (COLOR_BTNFACE = 15, ...).
uint32_t GetSystemColor(int Index);
