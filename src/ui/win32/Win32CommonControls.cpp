#include "ui/win32/Win32CommonControls.h"

#include "platform/win32/SystemLibrary_win32.h"

const TWin32CommonControls& CommonControls() {
    static const TWin32CommonControls controls = [] {
        HMODULE library = LoadSystemLibrary(L"comctl32.dll");
        TWin32CommonControls c;
        c.Init = SystemFunction<decltype(c.Init)>(library, "InitCommonControlsEx");
        c.CreateImages = SystemFunction<decltype(c.CreateImages)>(library, "ImageList_Create");
        c.AddMasked = SystemFunction<decltype(c.AddMasked)>(library, "ImageList_AddMasked");
        c.DrawImage = SystemFunction<decltype(c.DrawImage)>(library, "ImageList_Draw");
        c.ImageSize = SystemFunction<decltype(c.ImageSize)>(library, "ImageList_GetIconSize");
        c.DestroyImages = SystemFunction<decltype(c.DestroyImages)>(library, "ImageList_Destroy");
        return c;
    }();
    return controls;
}
