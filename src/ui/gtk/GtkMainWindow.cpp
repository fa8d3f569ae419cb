#include "ui/gtk/GtkMainWindow.h"

#include <algorithm>
#include <cstdlib>
#include <cstdio>

#include "framework/Accessibility.h"
#include "framework/Buttons.h"
#include "framework/ControlPainter.h"
#include "framework/Scaling.h"
#include "framework/StdCtrls.h"
#include "framework/WindowedControls.h"
#include "framework/SysUtils.h"
#include "ui/gtk/GtkIcon.h"
#include "ui/gtk/GtkReadOnlyEntry.h"
#include "ui/gtk/GtkThemeColors.h"

namespace {
// Edit fields and buttons may be as small as the window description makes them. Under a
// high-contrast theme the read-only path in the disabled field keeps the theme's text colour, which
// the theme's own dimmed colour for insensitive text falls short of.
const char* const kStyle = R"css(
.velundo entry { min-height: 0; padding-top: 0; padding-bottom: 0; }
.velundo button { min-height: 0; min-width: 0; padding: 0 2px; }
.velundo.velundo-high-contrast entry:disabled { color: @theme_text_color; background-color: @theme_base_color; }
)css";

// GTK 3 flags the glyph spacing's style property as deprecated, though it is the one way to set
// it; any other parsing error is a fault of ours and is reported.
void OnParsingError(GtkCssProvider*, GtkCssSection* Section, const GError* Error, gpointer) {
    if (g_error_matches(Error, GTK_CSS_PROVIDER_ERROR, GTK_CSS_PROVIDER_ERROR_DEPRECATED)) return;
    g_warning("style of the main window, line %u: %s", gtk_css_section_get_start_line(Section) + 1, Error->message);
}

GtkCssProvider* StyleFrom(const std::string& Css) {
    GtkCssProvider* css = gtk_css_provider_new();
    g_signal_connect(css, "parsing-error", G_CALLBACK(&OnParsingError), nullptr);
    gtk_css_provider_load_from_data(css, Css.c_str(), -1, nullptr);
    return css;
}

void AddStyle(GtkStyleProvider* Provider) {
    gtk_style_context_add_provider_for_screen(gdk_screen_get_default(), Provider,
                                              GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
}

void InstallStyle() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    GtkCssProvider* css = StyleFrom(kStyle);
    AddStyle(GTK_STYLE_PROVIDER(css));
    g_object_unref(css);
}

// A CSS font for Selector and everything inside it. A family the desktop lacks ("MS Sans Serif" on
// Linux) falls back to the desktop's sans at the same size. The font's height is in device pixels at
// PixelsPerInch, which is what GTK makes of points at the desktop's text resolution times the
// screen's scale: the same height at every scale (-11 pixels are 8.25 points).
std::string FontRule(const std::string& Selector, const TFont& Font, int PixelsPerInch) {
    char points[32];
    std::snprintf(points, sizeof points, "%.2f", std::abs(Font.Height()) * 72.0 / PixelsPerInch);
    std::string family = AnsiToUtf8(Font.Name());
    std::erase(family, '"');
    return Selector + ", " + Selector + " * { font-family: \"" + family + "\", sans-serif; font-size: " +
           points + "pt; font-weight: " + (Font.HasStyle(fsBold) ? "bold" : "normal") +
           "; font-style: " + (Font.HasStyle(fsItalic) ? "italic" : "normal") + "; }\n";
}

// GTK's widgets do not nest here: every native widget stands in the window's one fixed layer.
constexpr bool kNativeWidgetsNest = false;

TNativeKind KindOf(const TWinControl& Control) { return NativeKindOf(Control, kNativeWidgetsNest); }

int GlyphIndexOf(TBitBtn& Button) { return !Button.Enabled() && Button.NumGlyphs() >= 2 ? 1 : 0; }

// Windowed children of Parent in tab order (creation order among equal tab orders).
std::vector<TWinControl*> InTabOrder(TWinControl& Parent) {
    std::vector<TWinControl*> children;
    for (int i = 0; i < Parent.ControlCount(); ++i)
        if (auto* c = dynamic_cast<TWinControl*>(Parent.Controls(i))) children.push_back(c);
    std::stable_sort(children.begin(), children.end(),
                     [](const TWinControl* a, const TWinControl* b) { return a->TabOrder() < b->TabOrder(); });
    return children;
}

// Shows a glyph in device pixels: each bitmap pixel becomes Enlarge x Enlarge device pixels, so its
// edges stay as sharp as the bitmap's own instead of being smoothed by GTK's upscale; Scale device
// pixels make a logical one.
void ShowGlyph(GtkWidget* Image, GdkPixbuf* Glyph, int Enlarge, int Scale) {
    if (!Glyph) {
        gtk_image_clear(GTK_IMAGE(Image));
        return;
    }
    if (Enlarge <= 1 && Scale <= 1) {
        gtk_image_set_from_pixbuf(GTK_IMAGE(Image), Glyph);
        return;
    }
    GdkPixbuf* device = gdk_pixbuf_scale_simple(Glyph, gdk_pixbuf_get_width(Glyph) * Enlarge,
                                                gdk_pixbuf_get_height(Glyph) * Enlarge, GDK_INTERP_NEAREST);
    cairo_surface_t* surface = gdk_cairo_surface_create_from_pixbuf(device, Scale, nullptr);
    gtk_image_set_from_surface(GTK_IMAGE(Image), surface);
    cairo_surface_destroy(surface);
    g_object_unref(device);
}

void ShowGlyphOf(TBitBtn& Button, GtkWidget* Image, int Index, int Scale) {
    GdkPixbuf* pixbuf = GlyphPixbuf(Button.Glyph(), Button.NumGlyphs(), Index);
    ShowGlyph(Image, pixbuf, GlyphScale(PixelsPerInchOf(Button)), Scale);
    if (pixbuf) g_object_unref(pixbuf);
}

// Adds Provider to (or removes it from) the style of Widget and everything inside it, once: a widget's
// own style provider does not reach its children.
void StyleTree(GtkWidget* Widget, GtkStyleProvider* Provider, bool Add) {
    GtkStyleContext* style = gtk_widget_get_style_context(Widget);
    gtk_style_context_remove_provider(style, Provider);
    // GTK gives the screen's theme the settings' priority; at the same one a widget's own provider
    // comes first, and the window's own rules (fonts, sizes) still come after it.
    if (Add) gtk_style_context_add_provider(style, Provider, GTK_STYLE_PROVIDER_PRIORITY_SETTINGS);
    if (!GTK_IS_CONTAINER(Widget)) return;
    struct TJob {
        GtkStyleProvider* Provider;
        bool Add;
    } job{Provider, Add};
    gtk_container_forall(GTK_CONTAINER(Widget), [](GtkWidget* Child, gpointer Data) {
        auto* j = static_cast<TJob*>(Data);
        StyleTree(Child, j->Provider, j->Add);
    }, &job);
}

// A length in device pixels as logical pixels, rounded up so that nothing painted is cut off.
int LogicalSize(int Device, int Scale) { return (Device + Scale - 1) / Scale; }
// A place in device pixels as logical pixels, to the nearest.
int LogicalPlace(int Device, int Scale) { return (Device + Scale / 2) / Scale; }
} // namespace

int DesktopTextDpi() {
    GdkScreen* screen = gdk_screen_get_default();
    const double dpi = screen ? gdk_screen_get_resolution(screen) : -1;
    return dpi > 0 ? static_cast<int>(dpi + 0.5) : 96;
}

GdkPixbuf* GlyphPixbuf(TBitmap& Glyph, int NumGlyphs, int Index) {
    const int width = Glyph.Width() / std::max(1, NumGlyphs), height = Glyph.Height();
    if (width <= 0 || height <= 0) return nullptr;
    GdkPixbuf* pixbuf = gdk_pixbuf_new(GDK_COLORSPACE_RGB, TRUE, 8, width, height);
    const uint32_t key = Glyph.PixelColor(0, height - 1);
    guchar* pixels = gdk_pixbuf_get_pixels(pixbuf);
    const int stride = gdk_pixbuf_get_rowstride(pixbuf);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const uint32_t c = Glyph.PixelColor(Index * width + x, y);
            guchar* p = pixels + y * stride + x * 4;
            p[0] = GetRValue(c);
            p[1] = GetGValue(c);
            p[2] = GetBValue(c);
            p[3] = c == key ? 0 : 255;
        }
    return pixbuf;
}

TGtkMainWindow::TGtkMainWindow(TForm& Form, TGtkBackend& Backend) : FForm(Form), FBackend(Backend) {
    InstallStyle();
    FWindow = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    // The form in device pixels: the desktop's text resolution times the screen's scale, as Windows
    // scales a form by its monitor's DPI.
    FScale = std::max(1, gtk_widget_get_scale_factor(FWindow));
    ScaleFormTo(Form, DesktopTextDpi() * FScale);
    gtk_style_context_add_class(gtk_widget_get_style_context(FWindow), "velundo");
    gtk_window_set_title(Window(), AnsiToUtf8(Form.Caption()).c_str());
    SetProgramIcon(Window());
    const TWindowFrame frame = FrameOf(Form);
    gtk_window_set_resizable(Window(), frame.Sizeable);
    gtk_window_set_decorated(Window(), frame.Decorated);
    // On X11 GTK places the window; on Wayland no client places its windows, and the compositor
    // decides (sway centres a fixed-size window on its output, GNOME and KDE place it as they see fit).
    if (Form.Position() == poScreenCenter || Form.Position() == poDesktopCenter)
        gtk_window_set_position(Window(), GTK_WIN_POS_CENTER);
    else
        gtk_window_move(Window(), Form.Left(), Form.Top());
    FFixed = gtk_fixed_new();
    gtk_container_add(GTK_CONTAINER(FWindow), FFixed);
    FLayers = gtk_drawing_area_new();
    gtk_fixed_put(GTK_FIXED(FFixed), FLayers, 0, 0);
    SizeClientArea();
    AddChildren(Form, TPoint{0, 0});
    InstallFonts();
    SyncAll();
    SetFocusChain();
    SetAccessibles();
    FollowTheme();

    g_signal_connect(FLayers, "draw", G_CALLBACK(&TGtkMainWindow::OnDraw), this);
    g_signal_connect(FWindow, "delete-event", G_CALLBACK(&TGtkMainWindow::OnDelete), this);
    g_signal_connect(FWindow, "destroy-event", G_CALLBACK(&TGtkMainWindow::OnDestroyEvent), this);
    g_signal_connect(FWindow, "destroy", G_CALLBACK(&TGtkMainWindow::OnDestroyed), this);
    g_signal_connect(FWindow, "focus-in-event", G_CALLBACK(&TGtkMainWindow::OnFocusIn), this);
    g_signal_connect(FWindow, "focus-out-event", G_CALLBACK(&TGtkMainWindow::OnFocusOut), this);
    g_signal_connect(FWindow, "map-event", G_CALLBACK(&TGtkMainWindow::OnMap), this);
    g_signal_connect(FWindow, "key-press-event", G_CALLBACK(&TGtkMainWindow::OnKeyPress), this);
    g_signal_connect(FWindow, "realize", G_CALLBACK(&TGtkMainWindow::OnRealize), this);
    g_signal_connect(FWindow, "notify::scale-factor", G_CALLBACK(&TGtkMainWindow::OnResolutionChanged), this);
    GtkSettings* settings = gtk_settings_get_default();
    g_signal_connect(settings, "notify::gtk-xft-dpi", G_CALLBACK(&TGtkMainWindow::OnResolutionChanged), this);
    g_signal_connect(settings, "notify::gtk-theme-name", G_CALLBACK(&TGtkMainWindow::OnThemeChanged), this);
    g_signal_connect(settings, "notify::gtk-application-prefer-dark-theme", G_CALLBACK(&TGtkMainWindow::OnThemeChanged), this);
    FForm.InvalidateSink = [this](TControl*) { Invalidated(); };
    FBackend.SetMainWindow(Window());
}

TGtkMainWindow::~TGtkMainWindow() {
    FForm.InvalidateSink = nullptr;
    FBackend.SetMainWindow(nullptr);
    g_signal_handlers_disconnect_by_data(gtk_settings_get_default(), this);
    if (FWindow) gtk_widget_destroy(FWindow);
    RemoveFonts();
    if (FCairoSurface) cairo_surface_destroy(FCairoSurface);
}

void TGtkMainWindow::Show() {
    gtk_widget_show_all(FWindow);
    SyncAll(); // show_all shows hidden controls' widgets too
}

void TGtkMainWindow::AddChildren(TWinControl& Parent, TPoint Origin) {
    for (int i = 0; i < Parent.ControlCount(); ++i) {
        auto* child = dynamic_cast<TWinControl*>(Parent.Controls(i));
        if (!child) continue;
        const TPoint at{Origin.X + child->Left(), Origin.Y + child->Top()};
        if (KindOf(*child) != TNativeKind::None) {
            TNative native;
            native.Control = child;
            native.Widget = CreateWidget(*child, native);
            gtk_fixed_put(GTK_FIXED(FFixed), native.Widget, 0, 0);
            Place(native, at);
            FNatives.push_back(native);
        }
        AddChildren(*child, at);
    }
}

GtkWidget* TGtkMainWindow::CreateWidget(TWinControl& Control, TNative& Native) {
    Native.Text = Control.Caption();
    const std::string text = AnsiToUtf8(Control.Caption());
    const TNativeKind kind = KindOf(Control);
    if (kind == TNativeKind::GroupBox) {
        GtkWidget* frame = gtk_frame_new(text.c_str());
        gtk_frame_set_shadow_type(GTK_FRAME(frame), GTK_SHADOW_ETCHED_IN);
        return frame;
    }
    if (kind == TNativeKind::Edit) {
        const auto* edit = static_cast<TEdit*>(&Control);
        GtkWidget* entry = NewReadOnlyAwareEntry();
        gtk_entry_set_text(GTK_ENTRY(entry), text.c_str());
        gtk_editable_set_editable(GTK_EDITABLE(entry), !edit->ReadOnly());
        gtk_entry_set_width_chars(GTK_ENTRY(entry), 1); // the window description gives the width
        return entry;
    }
    GtkWidget* button = gtk_button_new_with_label(text.c_str());
    if (kind == TNativeKind::GlyphButton) {
        auto* bitBtn = static_cast<TBitBtn*>(&Control);
        // The style class gives glyph and caption their distance (InstallFonts) before GTK lays them out.
        gtk_style_context_add_class(gtk_widget_get_style_context(button), "velundo-glyph");
        Native.GlyphIndex = GlyphIndexOf(*bitBtn);
        Native.Image = gtk_image_new();
        ShowGlyphOf(*bitBtn, Native.Image, Native.GlyphIndex, FScale);
        gtk_button_set_image(GTK_BUTTON(button), Native.Image);
        gtk_button_set_image_position(GTK_BUTTON(button), GTK_POS_LEFT);
        gtk_button_set_always_show_image(GTK_BUTTON(button), TRUE);
    }
    g_object_set_data(G_OBJECT(button), "velundo-window", this);
    g_signal_connect(button, "clicked", G_CALLBACK(&TGtkMainWindow::OnClicked), &Control);
    return button;
}

// The form's font for the whole window, and each widget's own: widgets are named for their rules.
// And the glyphs' distance from the captions at the form's resolution.
void TGtkMainWindow::InstallFonts() {
    gtk_widget_set_name(FWindow, "velundo-form");
    const int ppi = FForm.PixelsPerInch();
    std::string css = FontRule("#velundo-form", FForm.Font(), ppi);
    css += "#velundo-form button.velundo-glyph { -GtkButton-image-spacing: " +
           std::to_string(LogicalPlace(BitBtnSpacingAt(ppi), FScale)) + "; }\n";
    for (size_t i = 0; i < FNatives.size(); ++i) {
        const std::string name = "velundo-control-" + std::to_string(i);
        gtk_widget_set_name(FNatives[i].Widget, name.c_str());
        css += FontRule("#velundo-form #" + name, FNatives[i].Control->Font(), ppi);
    }
    FFonts = StyleFrom(css);
    AddStyle(GTK_STYLE_PROVIDER(FFonts));
}

void TGtkMainWindow::RemoveFonts() {
    if (!FFonts) return;
    gtk_style_context_remove_provider_for_screen(gdk_screen_get_default(), GTK_STYLE_PROVIDER(FFonts));
    g_object_unref(FFonts);
    FFonts = nullptr;
}

// The client area at the form's size; GTK takes logical pixels, the form has device pixels.
void TGtkMainWindow::SizeClientArea() {
    const int w = LogicalSize(FForm.Width(), FScale), h = LogicalSize(FForm.Height(), FScale);
    gtk_widget_set_size_request(FFixed, w, h);
    gtk_widget_set_size_request(FLayers, w, h);
}

// Puts a widget where its control stands: At and the control's size in device pixels.
void TGtkMainWindow::Place(TNative& Native, TPoint At) {
    const TWinControl& c = *Native.Control;
    Native.Bounds = Bounds(At.X, At.Y, c.Width(), c.Height());
    const int left = LogicalPlace(At.X, FScale), top = LogicalPlace(At.Y, FScale);
    gtk_fixed_move(GTK_FIXED(FFixed), Native.Widget, left, top);
    gtk_widget_set_size_request(Native.Widget, LogicalPlace(At.X + c.Width(), FScale) - left,
                                LogicalPlace(At.Y + c.Height(), FScale) - top);
}

TGtkMainWindow::TNative* TGtkMainWindow::Find(const TControl* Control) {
    for (auto& n : FNatives)
        if (n.Control == Control) return &n;
    return nullptr;
}

void TGtkMainWindow::SyncAll() {
    ForEachWindowedControl(FForm, [this](TWinControl& Control, TPoint Origin, bool Visible) {
        if (TNative* native = Find(&Control)) Sync(*native, Origin, Visible);
    });
}

// Brings a widget in line with its control: place, visibility, enabled state, text and glyph.
void TGtkMainWindow::Sync(TNative& Native, TPoint Origin, bool Visible) {
    TWinControl& c = *Native.Control;
    if (!(Bounds(Origin.X, Origin.Y, c.Width(), c.Height()) == Native.Bounds)) Place(Native, Origin);
    gtk_widget_set_visible(Native.Widget, Visible);
    const bool losesFocus = !c.Enabled() && gtk_window_get_focus(Window()) == Native.Widget;
    gtk_widget_set_sensitive(Native.Widget, c.Enabled());
    if (losesFocus) MoveFocus(true); // a control disabled under the focus hands it on
    if (c.Caption() != Native.Text) {
        Native.Text = c.Caption();
        const std::string text = AnsiToUtf8(c.Caption());
        if (GTK_IS_FRAME(Native.Widget)) gtk_frame_set_label(GTK_FRAME(Native.Widget), text.c_str());
        else if (GTK_IS_ENTRY(Native.Widget)) gtk_entry_set_text(GTK_ENTRY(Native.Widget), text.c_str());
        else if (GTK_IS_BUTTON(Native.Widget)) gtk_button_set_label(GTK_BUTTON(Native.Widget), text.c_str());
        if (FLightVariant) StyleTree(Native.Widget, FLightVariant, true); // a button builds its label anew
        SetAccessible(Native);
    }
    if (c.ShownHint() != Native.Hint) {
        Native.Hint = c.ShownHint();
        // GTK shows a tooltip over a disabled widget too, and describes the widget by it to AT-SPI.
        gtk_widget_set_tooltip_text(Native.Widget, Native.Hint.empty() ? nullptr : AnsiToUtf8(Native.Hint).c_str());
        SetAccessible(Native);
    }
    auto* bitBtn = dynamic_cast<TBitBtn*>(&c);
    if (Native.Image && bitBtn && GlyphIndexOf(*bitBtn) != Native.GlyphIndex) {
        Native.GlyphIndex = GlyphIndexOf(*bitBtn);
        ShowGlyphOf(*bitBtn, Native.Image, Native.GlyphIndex, FScale);
    }
}

// Tab stops in tab order, depth first; controls that are no tab stop take no focus at all.
void TGtkMainWindow::SetFocusChain() {
    GList* chain = nullptr;
    std::vector<TWinControl*> pending = InTabOrder(FForm);
    std::reverse(pending.begin(), pending.end());
    while (!pending.empty()) {
        TWinControl* c = pending.back();
        pending.pop_back();
        if (TNative* native = Find(c)) {
            // A disabled tab stop stays in the chain: it takes the focus again once enabled.
            const bool focusable = c->TabStop() && !GTK_IS_FRAME(native->Widget);
            gtk_widget_set_can_focus(native->Widget, focusable);
            if (focusable) chain = g_list_append(chain, native->Widget);
        }
        std::vector<TWinControl*> children = InTabOrder(*c);
        pending.insert(pending.end(), children.rbegin(), children.rend());
    }
    G_GNUC_BEGIN_IGNORE_DEPRECATIONS
    gtk_container_set_focus_chain(GTK_CONTAINER(FFixed), chain);
    G_GNUC_END_IGNORE_DEPRECATIONS
    for (GList* l = chain; l; l = l->next)
        if (gtk_widget_is_sensitive(GTK_WIDGET(l->data))) {
            gtk_window_set_focus(Window(), GTK_WIDGET(l->data));
            break;
        }
    FTabChain.clear();
    for (GList* l = chain; l; l = l->next) FTabChain.push_back(GTK_WIDGET(l->data));
    g_list_free(chain);
}

// Tab and Shift+Tab walk the tab stops, wrapping at the ends. GTK's own focus movement would stay
// put while the toplevel lacks the input focus (a display without a window manager), so the
// window moves it itself.
void TGtkMainWindow::MoveFocus(bool Forward) {
    if (FTabChain.empty()) return;
    const auto at = std::find(FTabChain.begin(), FTabChain.end(), gtk_window_get_focus(Window()));
    const size_t n = FTabChain.size();
    size_t next = Forward ? 0 : n - 1;
    if (at != FTabChain.end()) next = (static_cast<size_t>(at - FTabChain.begin()) + (Forward ? 1 : n - 1)) % n;
    for (size_t tried = 0; tried < n; ++tried, next = (next + (Forward ? 1 : n - 1)) % n)
        if (gtk_widget_is_sensitive(FTabChain[next]) && gtk_widget_get_visible(FTabChain[next])) {
            gtk_widget_grab_focus(FTabChain[next]);
            break;
        }
    gtk_window_set_focus_visible(Window(), TRUE);
}

gboolean TGtkMainWindow::OnKeyPress(GtkWidget*, GdkEventKey* Event, gpointer Self) {
    const bool tab = Event->keyval == GDK_KEY_Tab || Event->keyval == GDK_KEY_KP_Tab;
    if (!tab && Event->keyval != GDK_KEY_ISO_Left_Tab) return FALSE;
    if (Event->state & (GDK_CONTROL_MASK | GDK_MOD1_MASK)) return FALSE;
    static_cast<TGtkMainWindow*>(Self)->MoveFocus(tab && !(Event->state & GDK_SHIFT_MASK));
    return TRUE;
}

const TSurface& TGtkMainWindow::PaintLayers() {
    const int w = FForm.Width(), h = FForm.Height();
    if (!FSurface || FSurface->Width != w || FSurface->Height != h) {
        if (FCairoSurface) cairo_surface_destroy(FCairoSurface);
        FCairoSurface = nullptr;
        FSurface = CreateSurface(w, h);
        // The memory canvas is cairo's ARGB32 layout already: cairo reads it where it is. It holds
        // device pixels, so cairo maps it one to one onto the screen at any scale.
        if (FSurface->Width > 0) {
            FCairoSurface = cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(FSurface->Bits),
                                                                CAIRO_FORMAT_ARGB32, w, h, FSurface->Stride);
            cairo_surface_set_device_scale(FCairoSurface, FScale, FScale);
        }
    }
    if (FCairoSurface) {
        cairo_surface_flush(FCairoSurface);
        PaintControlTree(FForm, *FSurface, [this](const TWinControl& c) { return Find(&c) != nullptr; }, FNativeFace);
        cairo_surface_mark_dirty(FCairoSurface);
    }
    FDirty = false;
    return *FSurface;
}

// The screen's scale or the desktop's text resolution changed (the window moved to another monitor,
// or the user changed the setting): the form is scaled to the new resolution, bounds and fonts, the
// widgets follow, and the layers are painted anew at the new device size.
void TGtkMainWindow::Rescale() {
    const int scale = std::max(1, gtk_widget_get_scale_factor(FWindow));
    const int ppi = DesktopTextDpi() * scale;
    if (scale == FScale && ppi == FForm.PixelsPerInch()) return;
    FScale = scale;
    ScaleFormTo(FForm, ppi);
    if (FCairoSurface) cairo_surface_destroy(FCairoSurface);
    FCairoSurface = nullptr;
    FSurface.reset();
    SizeClientArea();
    for (TNative& n : FNatives) {
        n.Bounds = TRect{}; // placed anew
        n.GlyphIndex = -1;  // shown anew at the new scale
    }
    RemoveFonts();
    InstallFonts();
    Invalidated();
}

void TGtkMainWindow::OnResolutionChanged(GObject*, GParamSpec*, gpointer Self) {
    auto* self = static_cast<TGtkMainWindow*>(Self);
    if (self->FWindow) self->Rescale();
}

// The system colours come from the theme as it is now; the painted layers show them next time.
void TGtkMainWindow::OnThemeChanged(GObject*, GParamSpec*, gpointer Self) {
    auto* self = static_cast<TGtkMainWindow*>(Self);
    if (!self->FWindow) return;
    self->FollowTheme();
    self->Invalidated();
}

// High contrast: the path field keeps the theme's text colour (kStyle). A dark theme: the widgets
// stand on the painted layers with no face of the theme's colour below them. Outside high contrast
// those layers keep their light gradient, so the widgets take the theme's light variant there, as
// they look under the light theme, and their texts keep the contrast that variant gives them.
void TGtkMainWindow::FollowTheme() {
    GtkStyleContext* style = gtk_widget_get_style_context(FWindow);
    const bool high = GtkThemeIsHighContrast(), dark = GtkThemeIsDark();
    if (high) gtk_style_context_add_class(style, "velundo-high-contrast");
    else gtk_style_context_remove_class(style, "velundo-high-contrast");
    FNativeFace = dark ? TNativeFace::None : TNativeFace::Background;
    GtkStyleProvider* light = dark && !high ? GtkThemeLightVariant() : nullptr;
    if (FLightVariant && light != FLightVariant) StyleTree(FWindow, FLightVariant, false);
    FLightVariant = light;
    if (FLightVariant) StyleTree(FWindow, FLightVariant, true);
}

// Roles, names and labels for assistive technology (ATK): the framework says what each control is.
// The painted layers are one drawing area under the widgets; it stands for the banner, the one painted
// part a screen reader should announce (the gradient is background only).
void TGtkMainWindow::SetAccessibles() {
    for (TNative& n : FNatives) SetAccessible(n);
    ForEachWindowedControl(FForm, [this](TWinControl& Control, TPoint, bool) {
        const TAccessibleInfo info = AccessibleInfoOf(Control);
        if (Find(&Control) || info.Role != TAccessibleRole::Image) return;
        AtkObject* layers = gtk_widget_get_accessible(FLayers);
        atk_object_set_role(layers, ATK_ROLE_IMAGE);
        atk_object_set_name(layers, AnsiToUtf8(info.Name).c_str());
    });
}

void TGtkMainWindow::SetAccessible(TNative& Native) {
    const TAccessibleInfo info = AccessibleInfoOf(*Native.Control);
    AtkObject* object = gtk_widget_get_accessible(Native.Widget);
    const std::string name = AnsiToUtf8(info.Name);
    if (!name.empty()) atk_object_set_name(object, name.c_str());
    // The description is the tooltip's text (info.Description): GTK gives a widget that one.
    if (info.Role == TAccessibleRole::Grouping) {
        atk_object_set_role(object, ATK_ROLE_GROUPING);
        // Its caption reads as the name, without the caption's trailing blanks.
        if (GtkWidget* caption = gtk_frame_get_label_widget(GTK_FRAME(Native.Widget)); caption && !name.empty())
            atk_object_set_name(gtk_widget_get_accessible(caption), name.c_str());
    }
    const TNative* label = info.LabelledBy ? Find(info.LabelledBy) : nullptr;
    if (!label) return;
    // The group box's caption widget is the label a screen reader reads for the field.
    GtkWidget* caption = GTK_IS_FRAME(label->Widget) ? gtk_frame_get_label_widget(GTK_FRAME(label->Widget)) : nullptr;
    AtkObject* by = gtk_widget_get_accessible(caption ? caption : label->Widget);
    AtkRelationSet* relations = atk_object_ref_relation_set(object);
    if (!atk_relation_set_contains_target(relations, ATK_RELATION_LABELLED_BY, by)) {
        atk_object_add_relationship(object, ATK_RELATION_LABELLED_BY, by);
        atk_object_add_relationship(by, ATK_RELATION_LABEL_FOR, object);
    }
    g_object_unref(relations);
}

void TGtkMainWindow::Invalidated() {
    FDirty = true;
    gtk_widget_queue_draw(FLayers);
    SyncAll();
}

gboolean TGtkMainWindow::OnDraw(GtkWidget*, cairo_t* Cr, gpointer Self) {
    auto* self = static_cast<TGtkMainWindow*>(Self);
    if (self->FDirty || !self->FCairoSurface) self->PaintLayers();
    if (!self->FCairoSurface) return FALSE;
    cairo_set_source_surface(Cr, self->FCairoSurface, 0, 0);
    cairo_paint(Cr);
    return TRUE;
}

gboolean TGtkMainWindow::OnDelete(GtkWidget*, GdkEvent*, gpointer Self) {
    auto* self = static_cast<TGtkMainWindow*>(Self);
    self->FForm.Dispatch([self] { self->FForm.Close(); });
    if (self->FForm.Closed()) gtk_widget_hide(self->FWindow);
    return TRUE; // the window is destroyed with this object
}

// The form is activated when its window gets the focus, and when it is first shown: a display
// without a window manager hands out no focus, and the form must still load its state then.
void TGtkMainWindow::BecameActive() {
    if (FActive) return;
    FActive = true;
    FForm.Activate();
}

// Someone else destroyed the window on the display: that closes the form too, and GTK then
// destroys the widgets.
gboolean TGtkMainWindow::OnDestroyEvent(GtkWidget*, GdkEvent*, gpointer Self) {
    auto* self = static_cast<TGtkMainWindow*>(Self);
    self->FForm.Dispatch([self] { self->FForm.Close(); });
    return FALSE;
}

void TGtkMainWindow::OnDestroyed(GtkWidget*, gpointer Self) {
    auto* self = static_cast<TGtkMainWindow*>(Self);
    self->FForm.InvalidateSink = nullptr;
    self->FBackend.SetMainWindow(nullptr);
    self->FNatives.clear();
    self->FWindow = self->FFixed = self->FLayers = nullptr;
}

gboolean TGtkMainWindow::OnFocusIn(GtkWidget*, GdkEvent*, gpointer Self) {
    static_cast<TGtkMainWindow*>(Self)->BecameActive();
    return FALSE;
}

gboolean TGtkMainWindow::OnFocusOut(GtkWidget*, GdkEvent*, gpointer Self) {
    static_cast<TGtkMainWindow*>(Self)->FActive = false;
    return FALSE;
}

gboolean TGtkMainWindow::OnMap(GtkWidget*, GdkEvent*, gpointer Self) {
    auto* self = static_cast<TGtkMainWindow*>(Self);
    // The focus shows from the start, as on Windows, not only once a key has been pressed.
    gtk_window_set_focus_visible(self->Window(), TRUE);
    self->BecameActive();
    return FALSE;
}

// What the window manager may offer, from the form's border style and border icons (the launcher's
// fixed single border with the system menu only: move and close, no minimise or maximise).
void TGtkMainWindow::OnRealize(GtkWidget* Widget, gpointer Self) {
    const TWindowFrame frame = FrameOf(static_cast<TGtkMainWindow*>(Self)->FForm);
    int functions = GDK_FUNC_MOVE | (frame.Sizeable ? GDK_FUNC_RESIZE : 0) | (frame.SystemMenu ? GDK_FUNC_CLOSE : 0);
    int decorations = GDK_DECOR_BORDER | GDK_DECOR_TITLE | (frame.Sizeable ? GDK_DECOR_RESIZEH : 0) |
                      (frame.SystemMenu ? GDK_DECOR_MENU : 0);
    if (frame.MinimizeBox) {
        functions |= GDK_FUNC_MINIMIZE;
        decorations |= GDK_DECOR_MINIMIZE;
    }
    if (frame.MaximizeBox) {
        functions |= GDK_FUNC_MAXIMIZE;
        decorations |= GDK_DECOR_MAXIMIZE;
    }
    GdkWindow* window = gtk_widget_get_window(Widget);
    gdk_window_set_functions(window, static_cast<GdkWMFunction>(functions));
    gdk_window_set_decorations(window, static_cast<GdkWMDecoration>(decorations));
}

void TGtkMainWindow::OnClicked(GtkButton* Button, gpointer Control) {
    auto* self = static_cast<TGtkMainWindow*>(g_object_get_data(G_OBJECT(Button), "velundo-window"));
    auto* control = static_cast<TControl*>(Control);
    self->FForm.Dispatch([control] { control->Click(); });
}
