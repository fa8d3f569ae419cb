#pragma once
// Who the program is to the desktop, the same under any file name: the application id (Wayland's
// app id, the name of the desktop entry and of the icons) and the class of its windows (X11's
// WM_CLASS, which the desktop entry's StartupWMClass names).
inline constexpr const char* kApplicationId = "de.velundo.Client";
inline constexpr const char* kWindowClass = "Velundo_Client";

// Sets the program's name; before GTK starts, which would take argv[0].
void SetProgramIdentity();
