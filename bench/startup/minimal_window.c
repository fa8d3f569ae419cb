/* The yardstick for the launcher's start-up: the least GTK 3 program with a window of the same size
 * that paints its client area (a solid fill) and runs the main loop. */
#include <gtk/gtk.h>

static gboolean draw(GtkWidget* widget, cairo_t* cr, gpointer data) {
    (void)widget;
    (void)data;
    cairo_set_source_rgb(cr, 0.9, 0.94, 0.98);
    cairo_paint(cr);
    return TRUE;
}

int main(int argc, char** argv) {
    gtk_init(&argc, &argv);
    GtkWidget* window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    gtk_window_set_title(GTK_WINDOW(window), "Minimal Window");
    gtk_window_set_default_size(GTK_WINDOW(window), 506, 294);
    GtkWidget* area = gtk_drawing_area_new();
    g_signal_connect(area, "draw", G_CALLBACK(draw), NULL);
    gtk_container_add(GTK_CONTAINER(window), area);
    g_signal_connect(window, "destroy", G_CALLBACK(gtk_main_quit), NULL);
    gtk_widget_show_all(window);
    gtk_main();
    return 0;
}
