#include "ui/gtk/GtkThemeColors.h"

#include <gtk/gtk.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

#include "platform/SysColors.h"

namespace {
// System colours and the theme's public named colours (the names every GTK 3 theme defines).
struct TNamed {
    int Index;
    const char* Name;
};
constexpr TNamed kNamed[] = {
    {4, "theme_bg_color"},            // menu
    {5, "theme_base_color"},          // window (the face of edit fields and lists)
    {7, "theme_fg_color"},            // menu text
    {8, "theme_text_color"},          // window text
    {13, "theme_selected_bg_color"},  // highlight
    {14, "theme_selected_fg_color"},  // highlight text
    {15, "theme_bg_color"},           // button face, the face of dialogs and group boxes
    {16, "borders"},                  // button shadow: the frames' lines
    {17, "insensitive_fg_color"},     // grey text
    {18, "theme_fg_color"},           // button text
    {20, "theme_base_color"},         // button highlight
    {21, "borders"},                  // dark shadow
    {22, "theme_bg_color"},           // light
};

uint8_t Channel(double Value) { return static_cast<uint8_t>(std::lround(std::clamp(Value, 0.0, 1.0) * 255)); }

// A window's style context on the default screen: named colours are looked up through it.
GtkStyleContext* WindowContext() {
    static GtkStyleContext* context = [] {
        GtkStyleContext* c = gtk_style_context_new();
        GtkWidgetPath* path = gtk_widget_path_new();
        gtk_widget_path_append_type(path, GTK_TYPE_WINDOW);
        gtk_widget_path_iter_add_class(path, 0, "background");
        gtk_style_context_set_path(c, path);
        gtk_widget_path_free(path);
        gtk_style_context_set_screen(c, gdk_screen_get_default());
        return c;
    }();
    return context;
}

bool Lookup(const char* Name, GdkRGBA& Color) { return gtk_style_context_lookup_color(WindowContext(), Name, &Color); }
} // namespace

std::optional<uint32_t> GtkThemeColor(int Index) {
    const auto* named = std::find_if(std::begin(kNamed), std::end(kNamed), [Index](const TNamed& n) { return n.Index == Index; });
    if (named == std::end(kNamed) || !gdk_screen_get_default()) return std::nullopt;
    GdkRGBA color, under{1, 1, 1, 1};
    if (!Lookup(named->Name, color)) return std::nullopt;
    // A translucent colour shows over the window's background.
    Lookup("theme_bg_color", under);
    const double a = color.alpha;
    const double r = color.red * a + under.red * (1 - a), g = color.green * a + under.green * (1 - a),
                 b = color.blue * a + under.blue * (1 - a);
    return uint32_t{Channel(r)} | uint32_t{Channel(g)} << 8 | uint32_t{Channel(b)} << 16;
}

namespace {
// The running theme's name with its variant: GTK_THEME ("Adwaita:dark") or the desktop's setting.
std::string ThemeName() {
    if (const char* forced = std::getenv("GTK_THEME"); forced && *forced) return forced;
    std::string name;
    if (GtkSettings* settings = gtk_settings_get_default()) {
        gchar* theme = nullptr;
        g_object_get(settings, "gtk-theme-name", &theme, nullptr);
        if (theme) name = theme;
        g_free(theme);
    }
    return name;
}

double Luminance(const GdkRGBA& C) { return 0.2126 * C.red + 0.7152 * C.green + 0.0722 * C.blue; }

// Whether Context's window background is darker than its text.
bool DarkIn(GtkStyleContext* Context) {
    GdkRGBA bg, fg;
    return gtk_style_context_lookup_color(Context, "theme_bg_color", &bg) &&
           gtk_style_context_lookup_color(Context, "theme_fg_color", &fg) && Luminance(bg) < Luminance(fg);
}
} // namespace

bool GtkThemeIsHighContrast() {
    std::string name = ThemeName();
    name = name.substr(0, name.find(':')); // a variant such as ":dark"
    return name == "HighContrast" || name == "HighContrastInverse";
}

bool GtkThemeIsDark() { return gdk_screen_get_default() && DarkIn(WindowContext()); }

GtkStyleProvider* GtkThemeLightVariant() {
    std::string name = ThemeName();
    name = name.substr(0, name.find(':'));
    for (const char* suffix : {"-dark", "-Dark"}) // a dark variant installed as a theme of its own
        if (name.size() > 6 && name.ends_with(suffix)) name.resize(name.size() - 5);
    if (name.empty()) return nullptr;
    GtkCssProvider* light = gtk_css_provider_get_named(name.c_str(), nullptr);
    if (!light) return nullptr;
    GtkStyleContext* probe = gtk_style_context_new();
    gtk_style_context_add_provider(probe, GTK_STYLE_PROVIDER(light), GTK_STYLE_PROVIDER_PRIORITY_SETTINGS); // the screen's theme's
    const bool dark = DarkIn(probe);
    g_object_unref(probe);
    return dark ? nullptr : GTK_STYLE_PROVIDER(light);
}

void UseGtkThemeColors() {
    SetSystemColorSource(&GtkThemeColor);
    SetHighContrastSource(&GtkThemeIsHighContrast);
}
