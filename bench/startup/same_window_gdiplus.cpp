// The painted layer of the GTK yardstick drawn straight through the GDI+ flat calls of libgdiplus,
// into a premultiplied ARGB buffer that is also the cairo surface GTK shows: the launcher's way of
// drawing, without any of its layers.
#include <cmath>
#include <string>

#include "platform/GdiPlusFlat.h"
#include "same_window.h"

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

void FillRect(GpGraphics* g, ARGB color, REAL x, REAL y, REAL w, REAL h) {
    GpSolidFill* brush = nullptr;
    GdipCreateSolidFill(color, &brush);
    GdipFillRectangle(g, reinterpret_cast<GpBrush*>(brush), x, y, w, h);
    GdipDeleteBrush(reinterpret_cast<GpBrush*>(brush));
}

void Line(GpGraphics* g, ARGB color, REAL x1, REAL y1, REAL x2, REAL y2) {
    GpPen* pen = nullptr;
    GdipCreatePen1(color, 1, UnitPixel, &pen);
    GdipDrawLine(g, pen, x1, y1, x2, y2);
    GdipDeletePen(pen);
}

// The 100 bands of the background, 310 rows aligned to the bottom of the client area.
void Gradient(GpGraphics* g) {
    const int height = 310, top = kHeight - height, steps = 100;
    const double start[3] = {239, 246, 253}, end[3] = {199, 218, 240}, h = double(height) / steps;
    for (int i = 0; i <= steps; ++i) {
        const int y0 = int(std::nearbyint(i * h)), y1 = int(std::nearbyint((i + 1) * h));
        ARGB c = 0xFF000000;
        for (int k = 0; k < 3; ++k)
            c |= ARGB(std::nearbyint(start[k] + i * (end[k] - start[k]) / steps)) << (16 - 8 * k);
        FillRect(g, c, 0, REAL(top + y0), kWidth, REAL(y1 - y0));
    }
}

void Caption(GpGraphics* g) {
    GdipSetTextRenderingHint(g, 5); // ClearType, as the launcher's label asks
    GpFontFamily* family = nullptr;
    GdipCreateFontFamilyFromName(u"Arial", nullptr, &family);
    GpFont* font = nullptr;
    GdipCreateFont(family, 27, 0, UnitPixel, &font);
    GpStringFormat* format = nullptr;
    GdipCreateStringFormat(0, 0, &format);
    const RectF layout{424, 7, 280, 50};
    RectF box;
    GdipMeasureString(g, u"Client", 6, font, &layout, format, &box, nullptr, nullptr);
    const RectF at{layout.X, layout.Y + (layout.Height - box.Height) / 2, box.Width, box.Height};
    const RectF shadow{at.X + 1, at.Y + 1, at.Width, at.Height};
    GpSolidFill* gray = nullptr;
    GdipCreateSolidFill(0xFF808080, &gray);
    GdipDrawString(g, u"Client", 6, font, &shadow, format, reinterpret_cast<GpBrush*>(gray));
    GdipDeleteBrush(reinterpret_cast<GpBrush*>(gray));
    GpLineGradient* fill = nullptr;
    GdipCreateLineBrushFromRect(&at, 0xFFFFFFFF, 0xFFEFF6FD, 1 /* vertical */, 0, &fill);
    GdipDrawString(g, u"Client", 6, font, &at, format, reinterpret_cast<GpBrush*>(fill));
    GdipDeleteBrush(reinterpret_cast<GpBrush*>(fill));
    GdipDeleteStringFormat(format);
    GdipDeleteFont(font);
    GdipDeleteFontFamily(family);
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
    Gradient(g);
    Banner(g);
    GdipDeleteGraphics(g);
    GdipDisposeImage(reinterpret_cast<GpImage*>(bitmap));
    cairo_surface_mark_dirty(surface);
    cairo_set_source_surface(cr, surface, 0, 0);
    cairo_paint(cr);
    return FALSE;
}
