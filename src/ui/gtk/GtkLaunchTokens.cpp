#include "ui/gtk/GtkLaunchTokens.h"

#include <gtk/gtk.h>

namespace {
GAppLaunchContext* LaunchContext() {
    GdkDisplay* display = gdk_display_get_default();
    return display ? G_APP_LAUNCH_CONTEXT(gdk_display_get_app_launch_context(display)) : nullptr;
}
} // namespace

// The file's name goes with an X11 start's announcement (a desktop shows it while it waits; GLib
// takes it as it is, up to a blank, for the program's name). A Wayland compositor issues the token
// for the latest input the launcher received.
std::string TGtkLaunchTokens::Issue(const std::string& NativePath) {
    GAppLaunchContext* context = LaunchContext();
    if (!context) return {};
    gchar* name = g_path_get_basename(NativePath.c_str());
    GAppInfo* program = g_app_info_create_from_commandline(name, name, G_APP_INFO_CREATE_NONE, nullptr);
    gchar* id = program ? g_app_launch_context_get_startup_notify_id(context, program, nullptr) : nullptr;
    const std::string token = id ? id : "";
    g_free(id);
    if (program) g_object_unref(program);
    g_free(name);
    g_object_unref(context);
    return token;
}

void TGtkLaunchTokens::Failed(const std::string& Token) {
    GAppLaunchContext* context = LaunchContext();
    if (!context) return;
    g_app_launch_context_launch_failed(context, Token.c_str());
    g_object_unref(context);
}
