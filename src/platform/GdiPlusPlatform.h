#pragma once
// Where the GDI+ object layer meets the operating system. platform/win32 hands GDI+ the device context
// and COM streams as they are; platform/posix binds libgdiplus to a memory surface, feeds it images
// through its delegate loader and tells installed font families from fontconfig's fallbacks.
#include "platform/GdiPlusFlat.h"

class TComStream;

// Graphics drawing into a device context (a canvas handle), honouring its origin and clip rectangle.
GpStatus PlatformCreateGraphics(void* DeviceContext, GpGraphics** Graphics);
// Deletes graphics made by PlatformCreateGraphics (and whatever was made to bind it).
GpStatus PlatformDeleteGraphics(GpGraphics* Graphics);
GpStatus PlatformLoadImage(TComStream* Stream, bool UseIcm, GpImage** Image);
GpStatus PlatformCreateBitmap(TComStream* Stream, bool UseIcm, GpBitmap** Bitmap);
// A family that is neither installed nor a configured alias gives FontFamilyNotFound.
GpStatus PlatformCreateFontFamily(const char16_t* Name, GpFontFamily** Family);
// Waits until GDI+ may be shut down: nothing of the system's own font machinery is still at work.
void PlatformSettleBeforeShutdown();
// GetVersionExA reports a major version of 6 or higher (always true where there is no Windows). Every
// Windows the program runs on is 6.1 or later, but one set to run it in the compatibility mode of
// Windows XP reports 5.1, so the older path stays.
bool IsWindows6OrLater();
// The running module is a dynamic library rather than the executable.
bool IsRunningInLibrary();
