#pragma once
#include <cstdint>
#include <functional>
#include <optional>

// The current colour (0x00BBGGRR) of system colour `Index` (COLOR_BTNFACE = 15, ...).
uint32_t GetSystemColor(int Index);

// Where the desktop's colours come from when the system itself has none to give (Linux: the user
// interface session hands in its toolkit theme's colours). Windows answers from GetSysColor and
// ignores the source. An empty source, or no answer for an index, gives the classic palette.
using TSystemColorSource = std::function<std::optional<uint32_t>(int Index)>;
void SetSystemColorSource(TSystemColorSource Source);

// Whether the desktop asks for high contrast (Windows' high-contrast mode, a high-contrast GTK
// theme): painted decoration then gives way to the system's window and text colours. Windows
// answers from SPI_GETHIGHCONTRAST and ignores the source; elsewhere no source means normal contrast.
bool HighContrast();
using THighContrastSource = std::function<bool()>;
void SetHighContrastSource(THighContrastSource Source);
