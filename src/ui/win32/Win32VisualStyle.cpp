#include "ui/win32/Win32VisualStyle.h"

#include "platform/win32/SystemLibrary_win32.h"

const TWin32VisualStyle& VisualStyle() {
    static const TWin32VisualStyle style = [] {
        HMODULE library = LoadSystemLibrary(L"uxtheme.dll");
        TWin32VisualStyle s;
        s.Open = SystemFunction<decltype(s.Open)>(library, "OpenThemeData");
        s.Close = SystemFunction<decltype(s.Close)>(library, "CloseThemeData");
        s.DrawBackground = SystemFunction<decltype(s.DrawBackground)>(library, "DrawThemeBackground");
        s.DrawParentBackground = SystemFunction<decltype(s.DrawParentBackground)>(library, "DrawThemeParentBackground");
        s.IsPartiallyTransparent =
            SystemFunction<decltype(s.IsPartiallyTransparent)>(library, "IsThemeBackgroundPartiallyTransparent");
        return s;
    }();
    return style;
}
