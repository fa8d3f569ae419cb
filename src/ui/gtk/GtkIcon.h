#pragma once
// The program's icon as GTK's window icons: one picture per size of the Windows icon.
#include <gtk/gtk.h>

#include <string_view>

// One pixbuf per square size in the icon file's bytes, the one of most colours of each size,
// largest first; gdk-pixbuf decodes the pictures. Empty when the bytes hold no readable icon.
// The caller frees the list with g_list_free_full(List, g_object_unref).
GList* IconPixbufs(std::string_view Ico);

// Puts the program's own icon (the resource MAINICON) on the window.
void SetProgramIcon(GtkWindow* Window);
