#include "ui/gtk/GtkReadOnlyEntry.h"

#include <gtk/gtk-a11y.h>

namespace {
AtkObjectClass* EntryAccessibleClass = nullptr; // GTK's entry accessible, the parent class

AtkStateSet* RefStateSet(AtkObject* Accessible) {
    AtkStateSet* states = EntryAccessibleClass->ref_state_set(Accessible);
    GtkWidget* entry = gtk_accessible_get_widget(GTK_ACCESSIBLE(Accessible));
    if (entry && !gtk_editable_get_editable(GTK_EDITABLE(entry))) {
        atk_state_set_remove_state(states, ATK_STATE_EDITABLE);
        atk_state_set_add_state(states, ATK_STATE_READ_ONLY);
    }
    return states;
}

void InitAccessibleClass(gpointer Class, gpointer) {
    EntryAccessibleClass = ATK_OBJECT_CLASS(g_type_class_peek_parent(Class));
    ATK_OBJECT_CLASS(Class)->ref_state_set = &RefStateSet;
}

GType AccessibleType() {
    static const GType type = [] {
        GTypeQuery parent;
        g_type_query(GTK_TYPE_ENTRY_ACCESSIBLE, &parent);
        return g_type_register_static_simple(GTK_TYPE_ENTRY_ACCESSIBLE, "VelundoReadOnlyEntryAccessible",
                                             parent.class_size, &InitAccessibleClass, parent.instance_size,
                                             nullptr, GTypeFlags{});
    }();
    return type;
}

void InitEntryClass(gpointer Class, gpointer) {
    gtk_widget_class_set_accessible_type(GTK_WIDGET_CLASS(Class), AccessibleType());
}

// The state is asked for when a reader looks; a change while it looks is announced as it happens.
void OnEditableChanged(GObject* Entry, GParamSpec*, gpointer) {
    AtkObject* accessible = gtk_widget_get_accessible(GTK_WIDGET(Entry));
    atk_object_notify_state_change(accessible, ATK_STATE_READ_ONLY,
                                   !gtk_editable_get_editable(GTK_EDITABLE(Entry)));
}

GType EntryType() {
    static const GType type = [] {
        GTypeQuery parent;
        g_type_query(GTK_TYPE_ENTRY, &parent);
        return g_type_register_static_simple(GTK_TYPE_ENTRY, "VelundoReadOnlyEntry", parent.class_size,
                                             &InitEntryClass, parent.instance_size, nullptr, GTypeFlags{});
    }();
    return type;
}
} // namespace

GtkWidget* NewReadOnlyAwareEntry() {
    GtkWidget* entry = GTK_WIDGET(g_object_new(EntryType(), nullptr));
    g_signal_connect(entry, "notify::editable", G_CALLBACK(&OnEditableChanged), nullptr);
    return entry;
}
