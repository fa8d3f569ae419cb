/* The seam between the GTK yardstick's window (same_window_gtk.c) and its painted layer, drawn once
 * with cairo (same_window_cairo.c) and once with the GDI+ flat calls (same_window_gdiplus.cpp). */
#pragma once
#include <gtk/gtk.h>

#ifdef __cplusplus
extern "C" {
#endif
enum { kWidth = 506, kHeight = 294, kPanelHeight = 57 };
extern const char* const same_window_title;
/* Reads the banner from FOLDER (and starts the drawing library). */
void same_window_load(const char* folder);
void same_window_unload(void);
/* The painted layer's draw handler: gradient, panel bevel, banner, caption. */
gboolean draw(GtkWidget* widget, cairo_t* cr, gpointer data);
#ifdef __cplusplus
}
#endif
