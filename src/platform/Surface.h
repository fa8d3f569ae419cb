#pragma once
// A pixel surface that painting goes to: 32-bit premultiplied ARGB, one uint32_t per pixel
// (0xAARRGGBB in native order: the layout of GDI+'s PixelFormat32bppPARGB and cairo's ARGB32), rows
// top-down. On Windows it is a DIB section selected into a memory device context, and NativeHandle is
// that HDC; elsewhere it is plain memory and NativeHandle is null.
#include <cstdint>
#include <memory>

class TSurface {
public:
    virtual ~TSurface() = default;
    uint32_t* Bits{nullptr};
    int Width{0};
    int Height{0};
    int Stride{0}; // bytes per row
    void* NativeHandle{nullptr};

    uint32_t* Row(int y) { return reinterpret_cast<uint32_t*>(reinterpret_cast<uint8_t*>(Bits) + y * Stride); }
};

// Creates a surface cleared to transparent black; a zero or negative size gives an empty surface.
std::unique_ptr<TSurface> CreateSurface(int Width, int Height);
