// The painted layer of the GTK yardstick drawn straight through the GDI+ flat calls of libgdiplus,
// into a premultiplied ARGB buffer that is also the cairo surface GTK shows: the launcher's way of
// drawing, without any of its layers.
#include <cmath>
#include <string>

#include "platform/GdiPlusFlat.h"
#include "same_window.h"
#include "same_window_layers.h"

extern "C" {
GpStatus WINGDIPAPI GdipLoadImageFromFile(GDIPCONST char16_t* filename, GpImage** image);
GpStatus WINGDIPAPI GdipSetClipRect(GpGraphics* graphics, REAL x, REAL y, REAL width, REAL height,
                                    int32_t combineMode);
const char* const same_window_title = "Velundo Client (GDI+)";
}

namespace {
uintptr_t token = 0;
GpImage* banner = nullptr;
cairo_surface_t* surface = nullptr;

void Line(GpGraphics* g, ARGB color, REAL x1, REAL y1, REAL x2, REAL y2) {
    GpPen* pen = nullptr;
    GdipCreatePen1(color, 1, UnitPixel, &pen);
    GdipDrawLine(g, pen, x1, y1, x2, y2);
    GdipDeletePen(pen);
}

// The panel's lowered 1-pixel bevel, the banner inside it, and the caption over its right end.
void Banner(GpGraphics* g) {
    GdipSetClipRect(g, 0, 0, kWidth, kPanelHeight, 0);
    Line(g, 0xFF808080, 0, 0, kWidth - 1, 0);
    Line(g, 0xFF808080, 0, 0, 0, kPanelHeight - 1);
    Line(g, 0xFFFFFFFF, kWidth - 1, 0, kWidth - 1, kPanelHeight - 1);
    Line(g, 0xFFFFFFFF, 0, kPanelHeight - 1, kWidth - 1, kPanelHeight - 1);
    GdipSetClipRect(g, 1, 1, kWidth - 2, kPanelHeight - 2, 0);
    if (banner)
        GdipDrawImageRectRect(g, banner, 1, 1, kWidth - 2, kPanelHeight - 2, 0, 0, kWidth - 2, kPanelHeight - 2,
                              UnitPixel, nullptr, nullptr, nullptr);
    Caption(g);
    GdipResetClip(g);
}
} // namespace

extern "C" void same_window_load(const char* folder) {
    GdiplusStartupInput input;
    GdiplusStartupOutput output;
    GdiplusStartup(&token, &input, &output);
    const std::string path = std::string(folder) + "/banner.jpg";
    const std::u16string wide(path.begin(), path.end()); // the folder is ASCII here
    GdipLoadImageFromFile(wide.c_str(), &banner);
    surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kWidth, kHeight);
}

extern "C" void same_window_unload(void) {
    if (banner) GdipDisposeImage(banner);
    cairo_surface_destroy(surface);
    GdiplusShutdown(token);
}

extern "C" gboolean draw(GtkWidget*, cairo_t* cr, gpointer) {
    cairo_surface_flush(surface);
    GpBitmap* bitmap = nullptr;
    GdipCreateBitmapFromScan0(kWidth, kHeight, cairo_image_surface_get_stride(surface), PixelFormat32bppPARGB,
                              cairo_image_surface_get_data(surface), &bitmap);
    GpGraphics* g = nullptr;
    GdipGetImageGraphicsContext(reinterpret_cast<GpImage*>(bitmap), &g);
    Gradient(g, kWidth, kHeight);
    Banner(g);
    GdipDeleteGraphics(g);
    GdipDisposeImage(reinterpret_cast<GpImage*>(bitmap));
    cairo_surface_mark_dirty(surface);
    cairo_set_source_surface(cr, surface, 0, 0);
    cairo_paint(cr);
    return FALSE;
}
