#include <cstdlib>
#include <vector>

#include "platform/Surface.h"

namespace {
class TMemorySurface : public TSurface {
public:
    TMemorySurface(int w, int h) : FPixels(static_cast<size_t>(w) * h, 0u) {
        Bits = FPixels.data();
        Width = w;
        Height = h;
        Stride = w * 4;
    }

private:
    std::vector<uint32_t> FPixels;
};
} // namespace

std::unique_ptr<TSurface> CreateSurface(int Width, int Height) {
    if (Width <= 0 || Height <= 0) return std::make_unique<TMemorySurface>(0, 0);
    return std::make_unique<TMemorySurface>(Width, Height);
}
