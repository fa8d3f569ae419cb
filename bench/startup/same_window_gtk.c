/* The yardstick for the launcher's start-up on Linux: the launcher's window written straight on
 * GTK 3: the same size, native controls, glyphs and fonts, nothing of the launcher's own code. The
 * painted layer (stepped gradient, banner, caption) comes from same_window_cairo.c or
 * same_window_gdiplus.cpp, linked in.
 *   same_window RESOURCE-FOLDER      (the folder holding banner.jpg, folder.bmp, start.bmp) */
#include "same_window.h"

/* A glyph from a bitmap file: image INDEX of COUNT side by side, the bottom-left colour transparent. */
static GtkWidget* glyph(const char* folder, const char* name, int index, int count) {
    char* path = g_build_filename(folder, name, NULL);
    GdkPixbuf* all = gdk_pixbuf_new_from_file(path, NULL);
    g_free(path);
    if (!all) return NULL;
    const int w = gdk_pixbuf_get_width(all) / count, h = gdk_pixbuf_get_height(all);
    const guchar* p = gdk_pixbuf_get_pixels(all) + (h - 1) * gdk_pixbuf_get_rowstride(all);
    GdkPixbuf* part = gdk_pixbuf_new_subpixbuf(all, index * w, 0, w, h);
    GdkPixbuf* keyed = gdk_pixbuf_add_alpha(part, TRUE, p[0], p[1], p[2]);
    GtkWidget* image = gtk_image_new_from_pixbuf(keyed);
    g_object_unref(keyed);
    g_object_unref(part);
    g_object_unref(all);
    return image;
}

static GtkWidget* put(GtkWidget* fixed, GtkWidget* widget, const char* name, int x, int y, int w, int h) {
    gtk_widget_set_name(widget, name);
    gtk_widget_set_size_request(widget, w, h);
    gtk_fixed_put(GTK_FIXED(fixed), widget, x, y);
    return widget;
}

static GtkWidget* glyph_button(const char* label, GtkWidget* image) {
    GtkWidget* button = gtk_button_new_with_label(label);
    gtk_button_set_image(GTK_BUTTON(button), image);
    gtk_button_set_image_position(GTK_BUTTON(button), GTK_POS_LEFT);
    gtk_button_set_always_show_image(GTK_BUTTON(button), TRUE);
    return button;
}

static const char* const kStyle =
    ".velundo entry { min-height: 0; padding-top: 0; padding-bottom: 0; }\n"
    ".velundo button { min-height: 0; min-width: 0; padding: 0 2px; }\n"
    "#form, #form * { font-family: \"MS Sans Serif\", sans-serif; font-size: 8pt; }\n"
    "#form #start, #form #start * { font-weight: bold; }\n";

int main(int argc, char** argv) {
    gtk_init(&argc, &argv);
    const char* folder = argc > 1 ? argv[1] : ".";
    same_window_load(folder);

    GtkCssProvider* css = gtk_css_provider_new();
    gtk_css_provider_load_from_data(css, kStyle, -1, NULL);
    gtk_style_context_add_provider_for_screen(gdk_screen_get_default(), GTK_STYLE_PROVIDER(css),
                                              GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
    g_object_unref(css);

    GtkWidget* window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    gtk_widget_set_name(window, "form");
    gtk_style_context_add_class(gtk_widget_get_style_context(window), "velundo");
    gtk_window_set_title(GTK_WINDOW(window), same_window_title);
    gtk_window_set_resizable(GTK_WINDOW(window), FALSE);
    gtk_window_set_position(GTK_WINDOW(window), GTK_WIN_POS_CENTER);
    GtkWidget* fixed = gtk_fixed_new();
    gtk_widget_set_size_request(fixed, kWidth, kHeight);
    gtk_container_add(GTK_CONTAINER(window), fixed);
    GtkWidget* area = put(fixed, gtk_drawing_area_new(), "layers", 0, 0, kWidth, kHeight);
    g_signal_connect(area, "draw", G_CALLBACK(draw), NULL);

    put(fixed, glyph_button("Velundo starten", glyph(folder, "start.bmp", 0, 2)), "start", 16, 72, 465, 89);
    put(fixed, gtk_frame_new("Pfad der Velundo.exe auf Ihrem Server "), "group", 16, 176, 465, 97);
    GtkWidget* edit = put(fixed, gtk_entry_new(), "edit", 32, 208, 409, 21);
    gtk_editable_set_editable(GTK_EDITABLE(edit), FALSE);
    gtk_entry_set_width_chars(GTK_ENTRY(edit), 1);
    gtk_widget_set_sensitive(edit, FALSE);
    gtk_widget_set_can_focus(edit, FALSE);
    put(fixed, glyph_button("Pfad ausw\xc3\xa4hlen", glyph(folder, "folder.bmp", 0, 1)), "path", 32, 240, 145,
        25);

    g_signal_connect(window, "destroy", G_CALLBACK(gtk_main_quit), NULL);
    gtk_widget_show_all(window);
    gtk_main();
    same_window_unload();
    return 0;
}
