#pragma once
// The units' start-up in the program's fixed order, and their finalisation in the reverse order:
// GDI+ is started, the fill's clipboard format is registered, the Windows information record is made,
// and the JPEG formats are registered. The application object exists before; the main window and
// its controls must be gone before the units are finalised.
#include "platform/PlatformServices.h"

class TProgramUnits {
public:
    // GdiplusOutlivesUnits: the UI session needs GDI+ until the process ends (see TUiSession).
    explicit TProgramUnits(const TPlatform& Platform, bool GdiplusOutlivesUnits = false);
    ~TProgramUnits();
    TProgramUnits(const TProgramUnits&) = delete;
    TProgramUnits& operator=(const TProgramUnits&) = delete;

private:
    bool FGdiplusOutlivesUnits{false};
};
