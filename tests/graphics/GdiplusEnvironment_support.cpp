// GDI+ is started once for the whole test program, as the unit initialisation does for the launcher.
#include <gtest/gtest.h>

#include "graphics/AdvGDIPObjects.h"

namespace {
class TGdiplusEnvironment : public ::testing::Environment {
public:
    void SetUp() override { InitializeGdiplus(); }
    void TearDown() override { FinalizeGdiplus(); }
};

const auto* const gEnvironment = ::testing::AddGlobalTestEnvironment(new TGdiplusEnvironment);
} // namespace
