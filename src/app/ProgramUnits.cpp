#include "app/ProgramUnits.h"

#include "controls/GDIPFill.h"
#include "graphics/AdvGDIPObjects.h"
#include "graphics/jpeg.h"
#include "systools/TVK_SystemInfo.h"

TProgramUnits::TProgramUnits(const TPlatform& Platform) {
    InitializeGdiplus();
    InitializeFillUnit();
    InitializeSystemInfo(Platform);
    InitializeJpegUnit();
}

TProgramUnits::~TProgramUnits() {
    FinalizeJpegUnit();
    FinalizeSystemInfo();
    FinalizeGdiplus();
}
