#pragma once
// A GTK entry that tells assistive technology when it cannot be edited: GTK's own entry accessible
// then merely drops "editable", and a screen reader cannot tell a read-only field from a field whose
// state it was not told. This one reports ATK's read-only state instead.
#include <gtk/gtk.h>

// A new entry (floating reference, like gtk_entry_new) whose accessible reports read-only whenever
// the entry is not editable.
GtkWidget* NewReadOnlyAwareEntry();
