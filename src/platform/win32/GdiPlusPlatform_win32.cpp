// GDI+ on Windows takes device contexts and COM streams as they are.
#include <windows.h>

#include "platform/ComStream.h"
#include "platform/GdiPlusPlatform.h"

namespace {
IStream* AsIStream(TComStream* Stream) { return reinterpret_cast<IStream*>(Stream); }
} // namespace

GpStatus PlatformCreateGraphics(void* DeviceContext, GpGraphics** Graphics) {
    return GdipCreateFromHDC(DeviceContext, Graphics);
}

GpStatus PlatformDeleteGraphics(GpGraphics* Graphics) { return GdipDeleteGraphics(Graphics); }

GpStatus PlatformLoadImage(TComStream* Stream, bool UseIcm, GpImage** Image) {
    return UseIcm ? GdipLoadImageFromStreamICM(AsIStream(Stream), Image)
                  : GdipLoadImageFromStream(AsIStream(Stream), Image);
}

GpStatus PlatformCreateBitmap(TComStream* Stream, bool UseIcm, GpBitmap** Bitmap) {
    return UseIcm ? GdipCreateBitmapFromStreamICM(AsIStream(Stream), Bitmap)
                  : GdipCreateBitmapFromStream(AsIStream(Stream), Bitmap);
}

GpStatus PlatformCreateFontFamily(const char16_t* Name, GpFontFamily** Family) {
    return GdipCreateFontFamilyFromName(Name, nullptr, Family);
}

// gdiplus.dll shuts its font machinery down itself.
void PlatformSettleBeforeShutdown() {}

bool IsWindows6OrLater() {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = 148;
    GetVersionExA(&info);
    return info.dwMajorVersion >= 6;
}

bool IsRunningInLibrary() {
    HMODULE self = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&IsRunningInLibrary), &self);
    return self != GetModuleHandleA(nullptr);
}

