#include "ui/win32/Win32Dpi.h"

#include "platform/win32/SystemLibrary_win32.h"

namespace {
// GetDpiForMonitor's type (shcore.dll, Windows 8.1 on); MDT_EFFECTIVE_DPI is 0.
using TGetDpiForMonitor = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);

int SystemDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}
} // namespace

int MonitorDpiAt(POINT Point) {
    static const auto monitorDpi = SystemFunction<TGetDpiForMonitor>(LoadSystemLibrary(L"shcore.dll"), "GetDpiForMonitor");
    UINT x = 0, y = 0;
    if (monitorDpi && monitorDpi(MonitorFromPoint(Point, MONITOR_DEFAULTTOPRIMARY), 0, &x, &y) == S_OK && y > 0)
        return static_cast<int>(y);
    return SystemDpi();
}
