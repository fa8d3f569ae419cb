// GDI+ is started once for the whole test program, and the fill's and the JPEG picture's units are
// initialised, as the launcher's start-up does.
#include <gtest/gtest.h>

#include "controls/GDIPFill.h"
#include "graphics/AdvGDIPObjects.h"
#include "graphics/jpeg.h"

namespace {
class TGdiplusEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        InitializeGdiplus();
        InitializeFillUnit();
        InitializeJpegUnit();
    }
    void TearDown() override {
        FinalizeJpegUnit();
        FinalizeGdiplus();
    }
};

const auto* const gEnvironment = ::testing::AddGlobalTestEnvironment(new TGdiplusEnvironment);
} // namespace
