#pragma once
// The parts of comctl32.dll the window uses, loaded from the system folder (see SystemLibrary_win32.h);
// the program's manifest still selects version 6, as it does for an import. Every entry is null when
// the library cannot be loaded: the window then has no glyph images.
#include "platform/win32/WindowsApi.h"

#include <commctrl.h>

struct TWin32CommonControls {
    decltype(&InitCommonControlsEx) Init{nullptr};
    decltype(&ImageList_Create) CreateImages{nullptr};
    decltype(&ImageList_AddMasked) AddMasked{nullptr};
    decltype(&ImageList_Draw) DrawImage{nullptr};
    decltype(&ImageList_GetIconSize) ImageSize{nullptr};
    decltype(&ImageList_Destroy) DestroyImages{nullptr};

    bool HasImages() const { return CreateImages && AddMasked && DrawImage && ImageSize && DestroyImages; }
};

// The process's one table, filled on first use.
const TWin32CommonControls& CommonControls();
