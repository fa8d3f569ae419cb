// Pango's width of a caption in the main window's button font, asked for as GTK's style rule asks
// ("MS Sans Serif", then the desktop's sans, 11 pixels). A font map of its own, freed at once: the
// test program ends fontconfig when it shuts GDI+ down.
#include <pango/pangocairo.h>

#include <string>

int ToolkitCaptionWidth(const char* Caption, bool Bold) {
    PangoFontMap* map = pango_cairo_font_map_new();
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1);
    cairo_t* cr = cairo_create(surface);
    PangoContext* context = pango_font_map_create_context(map);
    pango_cairo_update_context(cr, context);
    PangoLayout* layout = pango_layout_new(context);
    PangoFontDescription* font = pango_font_description_from_string(
        (std::string("MS Sans Serif, sans-serif ") + (Bold ? "Bold " : "") + "11px").c_str());
    pango_layout_set_font_description(layout, font);
    gchar* utf8 = g_convert(Caption, -1, "UTF-8", "WINDOWS-1252", nullptr, nullptr, nullptr);
    pango_layout_set_text(layout, utf8, -1);
    int width = 0;
    pango_layout_get_pixel_size(layout, &width, nullptr);
    g_free(utf8);
    pango_font_description_free(font);
    g_object_unref(layout);
    g_object_unref(context);
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
    g_object_unref(map);
    return width;
}
