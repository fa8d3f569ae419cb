#include <pango/pangocairo.h>

#include "platform/CodePage.h"
#include "platform/TextExtent.h"

// The font is asked for as GTK's style rule asks for it (the family, then the desktop's sans), so a
// caption measures what the GTK window's label shows. A font map of its own, freed after use, holds
// no fontconfig cache past the call (GDI+'s shut-down ends fontconfig).
TTextExtent MeasureTextExtent(const TTextFont& Font, const std::string& Text) {
    PangoFontMap* map = pango_cairo_font_map_new();
    PangoContext* context = pango_font_map_create_context(map);
    PangoLayout* layout = pango_layout_new(context);
    PangoFontDescription* font = pango_font_description_new();
    pango_font_description_set_family(font, (AnsiToUtf8(Font.Family) + ",sans-serif").c_str());
    pango_font_description_set_absolute_size(font, Font.PixelHeight * PANGO_SCALE);
    pango_font_description_set_weight(font, Font.Bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
    pango_font_description_set_style(font, Font.Italic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
    pango_layout_set_font_description(layout, font);
    const std::string utf8 = AnsiToUtf8(Text);
    pango_layout_set_text(layout, utf8.c_str(), static_cast<int>(utf8.size()));
    TTextExtent extent;
    pango_layout_get_pixel_size(layout, &extent.Width, &extent.Height);
    pango_font_description_free(font);
    g_object_unref(layout);
    g_object_unref(context);
    g_object_unref(map);
    return extent;
}
