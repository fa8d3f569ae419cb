#include "app/ProgramUnits.h"

#include "controls/GDIPFill.h"
#include "graphics/AdvGDIPObjects.h"
#include "graphics/jpeg.h"
#include "systools/TVK_SystemInfo.h"

TProgramUnits::TProgramUnits(const TPlatform& Platform, bool GdiplusOutlivesUnits)
    : FGdiplusOutlivesUnits(GdiplusOutlivesUnits) {
    InitializeGdiplus();
    InitializeFillUnit();
    InitializeSystemInfo(Platform);
    InitializeJpegUnit();
}

TProgramUnits::~TProgramUnits() {
    FinalizeJpegUnit();
    FinalizeSystemInfo();
    if (!FGdiplusOutlivesUnits) FinalizeGdiplus();
}
