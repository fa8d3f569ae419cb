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
    // The device state GDI+ honours when bound to this surface, as the canvas that hands the surface out
    // as its handle sets it: the logical origin and the clip rectangle, in surface pixels.
    int OriginX{0};
    int OriginY{0};
    int ClipLeft{0};
    int ClipTop{0};
    int ClipRight{0};
    int ClipBottom{0};
    void SetDeviceState(int AOriginX, int AOriginY, int Left, int Top, int Right, int Bottom) {
        OriginX = AOriginX;
        OriginY = AOriginY;
        ClipLeft = Left;
        ClipTop = Top;
        ClipRight = Right;
        ClipBottom = Bottom;
        DeviceStateChanged();
    }

    uint32_t* Row(int y) { return reinterpret_cast<uint32_t*>(reinterpret_cast<uint8_t*>(Bits) + y * Stride); }

protected:
    // A surface with a native device context selects the state into it.
    virtual void DeviceStateChanged() {}
};

// Creates a surface cleared to transparent black; a zero or negative size gives an empty surface.
std::unique_ptr<TSurface> CreateSurface(int Width, int Height);
