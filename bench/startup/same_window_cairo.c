/* The painted layer of the GTK yardstick drawn with cairo, pango and gdk-pixbuf. */
#include <math.h>

#include "same_window.h"

const char* const same_window_title = "Velundo Client (cairo)";

static GdkPixbuf* banner;

void same_window_load(const char* folder) {
    char* path = g_build_filename(folder, "banner.jpg", NULL);
    banner = gdk_pixbuf_new_from_file(path, NULL);
    g_free(path);
}

void same_window_unload(void) {
    if (banner) g_object_unref(banner);
}

/* The 100 bands of the background, 310 rows aligned to the bottom of the client area. */
static void draw_gradient(cairo_t* cr) {
    const int height = 310, top = kHeight - height, steps = 100;
    const double start[3] = {239, 246, 253}, end[3] = {199, 218, 240}, h = (double)height / steps;
    for (int i = 0; i <= steps; ++i) {
        const int y0 = (int)nearbyint(i * h), y1 = (int)nearbyint((i + 1) * h);
        double c[3];
        for (int k = 0; k < 3; ++k) c[k] = nearbyint(start[k] + i * (end[k] - start[k]) / steps) / 255.0;
        cairo_set_source_rgb(cr, c[0], c[1], c[2]);
        cairo_rectangle(cr, 0, top + y0, kWidth, y1 - y0);
        cairo_fill(cr);
    }
}

/* The panel's lowered 1-pixel bevel, the banner inside it, and the caption over its right end. */
static void draw_banner(cairo_t* cr) {
    cairo_save(cr);
    cairo_rectangle(cr, 0, 0, kWidth, kPanelHeight);
    cairo_clip(cr);
    cairo_set_line_width(cr, 1);
    cairo_set_source_rgb(cr, 0.5, 0.5, 0.5);
    cairo_move_to(cr, 0.5, kPanelHeight - 1);
    cairo_line_to(cr, 0.5, 0.5);
    cairo_line_to(cr, kWidth - 1, 0.5);
    cairo_stroke(cr);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_move_to(cr, kWidth - 0.5, 0);
    cairo_line_to(cr, kWidth - 0.5, kPanelHeight - 0.5);
    cairo_line_to(cr, 0, kPanelHeight - 0.5);
    cairo_stroke(cr);
    cairo_rectangle(cr, 1, 1, kWidth - 2, kPanelHeight - 2);
    cairo_clip(cr);
    if (banner) {
        gdk_cairo_set_source_pixbuf(cr, banner, 1, 1);
        cairo_paint(cr);
    }
    PangoLayout* layout = pango_cairo_create_layout(cr);
    PangoFontDescription* font = pango_font_description_from_string("Arial");
    pango_font_description_set_absolute_size(font, 27 * PANGO_SCALE);
    pango_layout_set_font_description(layout, font);
    pango_font_description_free(font);
    pango_layout_set_text(layout, "Client", -1);
    int tw, th;
    pango_layout_get_pixel_size(layout, &tw, &th);
    const double x = 424, y = 7 + (50 - th) / 2.0;
    cairo_set_source_rgb(cr, 0.5, 0.5, 0.5);
    cairo_move_to(cr, x + 1, y + 1);
    pango_cairo_show_layout(cr, layout);
    cairo_pattern_t* fill = cairo_pattern_create_linear(0, y, 0, y + th);
    cairo_pattern_add_color_stop_rgb(fill, 0, 1, 1, 1);
    cairo_pattern_add_color_stop_rgb(fill, 1, 239 / 255.0, 246 / 255.0, 253 / 255.0);
    cairo_set_source(cr, fill);
    cairo_move_to(cr, x, y);
    pango_cairo_show_layout(cr, layout);
    cairo_pattern_destroy(fill);
    g_object_unref(layout);
    cairo_restore(cr);
}

gboolean draw(GtkWidget* widget, cairo_t* cr, gpointer data) {
    (void)widget;
    (void)data;
    draw_gradient(cr);
    draw_banner(cr);
    return FALSE;
}

