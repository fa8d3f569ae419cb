#pragma once
// Helpers shared by the programs that check recorded GDI+ calls.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "GdipRecorder.h"
#include "graphics/AdvGDIP.h"

namespace recorder {

// Reports the first line where the recorded calls and the expected ones part.
inline void ExpectCalls(const std::vector<std::string>& Got, const std::vector<std::string>& Expected) {
    const size_t n = std::min(Got.size(), Expected.size());
    for (size_t i = 0; i < n; ++i) ASSERT_EQ(Got[i], Expected[i]) << "call " << i;
    ASSERT_EQ(Got.size(), Expected.size()) << (Got.size() > n ? "extra: " + Got[n] : "missing: " + Expected[n]);
}

// A picture holding a few bytes, with the record cleared after loading it.
inline std::unique_ptr<TAdvGDIPPicture> PictureOf(const std::string& Bytes) {
    auto p = std::make_unique<TAdvGDIPPicture>();
    TMemoryStream s;
    s.WriteBuffer(Bytes.data(), static_cast<int64_t>(Bytes.size()));
    p->LoadFromStream(s);
    Reset();
    return p;
}

} // namespace recorder
