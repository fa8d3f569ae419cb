#include <windows.h>

#include "platform/Surface.h"

namespace {
// A top-down 32-bit DIB section in its own memory DC, so GDI and GDI+ draw straight into Bits.
class TDibSurface : public TSurface {
public:
    TDibSurface(int w, int h) {
        if (w <= 0 || h <= 0) return;
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = w;
        info.bmiHeader.biHeight = -h;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        FDC = CreateCompatibleDC(nullptr);
        FBitmap = CreateDIBSection(FDC, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        if (!FDC || !FBitmap || !bits) return;
        FOld = SelectObject(FDC, FBitmap);
        Bits = static_cast<uint32_t*>(bits);
        Width = w;
        Height = h;
        Stride = w * 4;
        NativeHandle = FDC;
        GdiFlush();
    }
    ~TDibSurface() override {
        if (FDC && FOld) SelectObject(FDC, FOld);
        if (FBitmap) DeleteObject(FBitmap);
        if (FDC) DeleteDC(FDC);
    }

protected:
    // GDI and GDI+ draw through the DC at the canvas origin, clipped to the canvas clip rectangle.
    void DeviceStateChanged() override {
        if (!FDC) return;
        SetViewportOrgEx(FDC, OriginX, OriginY, nullptr);
        HRGN clip = CreateRectRgn(ClipLeft, ClipTop, ClipRight, ClipBottom);
        SelectClipRgn(FDC, clip);
        DeleteObject(clip);
    }

private:
    HDC FDC{nullptr};
    HBITMAP FBitmap{nullptr};
    HGDIOBJ FOld{nullptr};
};
} // namespace

std::unique_ptr<TSurface> CreateSurface(int Width, int Height) { return std::make_unique<TDibSurface>(Width, Height); }
