#pragma once
// The resolution a window is shown at. The program is aware of each monitor's own resolution (its
// manifest says so); where the system knows no such thing (before Windows 8.1), every monitor has
// the system's one resolution.
#include "platform/win32/WindowsApi.h"

// The dots per inch of the monitor that holds the point (screen coordinates).
int MonitorDpiAt(POINT Point);
