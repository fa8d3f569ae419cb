// The recorded table of EllipseWinePixels.h is what this system's GDI draws: Ellipse on a 32-bit DIB
// section with a one-pixel solid pen and a solid brush of the same colour. For the slim boxes on
// which Wine draws stray pixels once it drew before, the rows from the outline's top to its bottom.
#include <gtest/gtest.h>

#include "../framework/EllipseWinePixels.h"
#include "platform/win32/WindowsApi.h"

namespace {
std::map<int, std::pair<int, int>> GdiRows(int W, int H) {
    constexpr int margin = 2;
    const int sw = W + 2 * margin, sh = H + 2 * margin;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = sw;
    info.bmiHeader.biHeight = -sh; // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    auto* pixels = static_cast<DWORD*>(bits);
    std::fill(pixels, pixels + sw * sh, 0xFFFFFFu);
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
    HBRUSH brush = CreateSolidBrush(RGB(0, 0, 0));
    HGDIOBJ oldPen = SelectObject(dc, pen), oldBrush = SelectObject(dc, brush);
    Ellipse(dc, margin, margin, margin + W, margin + H);
    GdiFlush();
    std::map<int, std::pair<int, int>> rows;
    for (int y = 0; y < sh; ++y) {
        int l = -1, r = -1;
        for (int x = 0; x < sw; ++x)
            if ((pixels[y * sw + x] & 0xFFFFFFu) == 0) {
                if (l < 0) l = x;
                r = x + 1;
            }
        if (l >= 0) rows[y - margin] = {l - margin, r - margin};
    }
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldBitmap);
    DeleteObject(pen);
    DeleteObject(brush);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return rows;
}
} // namespace

TEST(GdiEllipse, DrawsTheRecordedPixels) {
    for (const TWineEllipse& e : WineEllipses) {
        auto gdi = GdiRows(e.Width, e.Height);
        const auto recorded = WineEllipseRows(e);
        if (WineDrawsStrayPixels(e) && !recorded.empty()) // strays land only above and below the outline
            std::erase_if(gdi, [&](const auto& row) {
                return row.first < recorded.begin()->first || row.first > recorded.rbegin()->first;
            });
        EXPECT_EQ(gdi, recorded) << e.Width << " x " << e.Height;
    }
}
