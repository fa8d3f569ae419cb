#pragma once
// The running GTK theme as the source of the system colours the framework asks for, so what we
// paint under and beside GTK's widgets (the group box's face, the window's) is the theme's own.
#include <cstdint>
#include <optional>

// The theme's colour (0x00BBGGRR) standing for system colour Index; nothing where the theme names
// none (the classic palette answers then).
std::optional<uint32_t> GtkThemeColor(int Index);

// Whether the running theme is one of GTK's high-contrast themes (HighContrast, HighContrastInverse),
// named by GTK_THEME or the desktop's setting.
bool GtkThemeIsHighContrast();

// Whether the running theme is dark: its window background darker than its text.
bool GtkThemeIsDark();

// The light variant of the running theme (the theme without its dark variant), for widgets that
// stand on light painted layers; nothing when the theme has none. GTK owns it.
typedef struct _GtkStyleProvider GtkStyleProvider;
GtkStyleProvider* GtkThemeLightVariant();

// Makes GtkThemeColor the system-colour source and GtkThemeIsHighContrast the contrast source (after GTK has started).
void UseGtkThemeColors();
