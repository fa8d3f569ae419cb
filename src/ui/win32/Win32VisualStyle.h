#pragma once
// The visual-style drawing of uxtheme.dll, loaded from the system folder (see SystemLibrary_win32.h).
// Every entry is null when the system has no such library; the caller then draws the classic way.
#include "platform/win32/WindowsApi.h"

#include <uxtheme.h>

struct TWin32VisualStyle {
    decltype(&OpenThemeData) Open{nullptr};
    decltype(&CloseThemeData) Close{nullptr};
    decltype(&DrawThemeBackground) DrawBackground{nullptr};
    decltype(&DrawThemeParentBackground) DrawParentBackground{nullptr};
    decltype(&IsThemeBackgroundPartiallyTransparent) IsPartiallyTransparent{nullptr};

    bool Available() const { return Open && Close && DrawBackground && DrawParentBackground && IsPartiallyTransparent; }
};

// The process's one table, filled on first use.
const TWin32VisualStyle& VisualStyle();
