// The main window on a real (virtual) display: geometry, widgets, texts, focus order, clicks,
// activation, closing, and the painted layers under the widgets.
#include <gtest/gtest.h>

#include <gdk/gdkwayland.h>

#include <cstring>
#include <memory>

#include "framework/Buttons.h"
#include "framework/ControlPainter.h"
#include "framework/ExtCtrls.h"
#include "framework/Forms.h"
#include "framework/StdCtrls.h"
#include "platform/ProgramResource.h"
#include "platform/SysColors.h"
#include "support/Pixels.h"
#include "ui/gtk/GtkMainWindow.h"
#include "ui/gtk/GtkThemeColors.h"
#include "ui/headless/ClientAreaRender.h"

namespace {
GtkWidget* FindLabel(GtkWidget* Widget) {
    if (GTK_IS_LABEL(Widget)) return Widget;
    if (!GTK_IS_CONTAINER(Widget)) return nullptr;
    GtkWidget* found = nullptr;
    GList* children = gtk_container_get_children(GTK_CONTAINER(Widget));
    for (GList* l = children; l && !found; l = l->next) found = FindLabel(GTK_WIDGET(l->data));
    g_list_free(children);
    return found;
}

PangoFontDescription* FontOf(GtkWidget* Widget) {
    PangoFontDescription* font = nullptr;
    GtkStyleContext* context = gtk_widget_get_style_context(Widget);
    gtk_style_context_get(context, gtk_style_context_get_state(context), GTK_STYLE_PROPERTY_FONT, &font, nullptr);
    return font;
}

// Runs the loop until Done or a bounded number of rounds.
template <typename F>
bool PumpUntil(F Done) {
    for (int i = 0; i < 500 && !Done(); ++i) {
        while (gtk_events_pending()) gtk_main_iteration();
        if (!Done()) g_usleep(2000);
    }
    return Done();
}

template <typename T>
T* Make(TWinControl* Parent, TRect R, const char* Caption = "") {
    auto* c = new T(Parent);
    c->SetParent(Parent);
    c->SetBounds(R.Left, R.Top, R.Width(), R.Height());
    c->SetCaption(Caption);
    return c;
}

class GtkMainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(gtk_init_check(nullptr, nullptr)) << "no display";
        App = std::make_unique<TApplication>(Backend, "Z:\\opt\\Velundo_Client");
        Application = App.get();
        Form = new TForm(App.get());
        App->SetMainForm(Form);
        Form->SetCaption("Velundo Client");
        Form->SetBounds(656, 308, 506, 294);
        Form->SetBorderStyle(bsSingle);
        Form->SetBorderIcons(BorderIcon(biSystemMenu));
        Form->SetPosition(poScreenCenter);
        Panel = Make<TPanel>(Form, Bounds(0, 0, 506, 57), "Panel1");
        Panel->SetAlign(alTop);
        Panel->SetBevelOuter(bvLowered);
        GroupBox = Make<TGroupBox>(Form, Bounds(16, 176, 465, 97), "Pfad der Velundo.exe auf Ihrem Server ");
        GroupBox->SetTabOrder(1);
        Edit = Make<TEdit>(GroupBox, Bounds(16, 32, 409, 21));
        Edit->SetEnabled(false);
        Edit->SetReadOnly(true);
        Edit->SetTabOrder(0);
        PathButton = Make<TBitBtn>(GroupBox, Bounds(16, 64, 145, 25), "Pfad ausw\xE4hlen");
        PathButton->SetTabOrder(1);
        PathButton->SetTabStop(true);
        StartButton = Make<TBitBtn>(Form, Bounds(16, 72, 465, 89), "Velundo starten");
        StartButton->SetTabOrder(2);
        StartButton->SetTabStop(true);
        StartButton->Font().SetStyle(FontStyle(fsBold));
        Form->OnActivate = [this](TObject*) { ++Activations; };
        Window = std::make_unique<TGtkMainWindow>(*Form, Backend);
    }
    void TearDown() override {
        Window.reset();
        Application = nullptr;
        App.reset();
    }

    GtkWidget* Fixed() { return gtk_bin_get_child(GTK_BIN(Window->Window())); }
    std::vector<GtkWidget*> Children() {
        std::vector<GtkWidget*> out;
        GList* list = gtk_container_get_children(GTK_CONTAINER(Fixed()));
        for (GList* l = list; l; l = l->next) out.push_back(GTK_WIDGET(l->data));
        g_list_free(list);
        return out;
    }
    // Shown, the form activated, and the window in its active colours: a Wayland compositor
    // activates a window a moment after it is mapped (an X11 display without a window manager has
    // every window count as active).
    void Show() {
        Window->Show();
        GtkWidget* window = GTK_WIDGET(Window->Window());
        ASSERT_TRUE(PumpUntil([&] {
            return gtk_widget_get_mapped(window) && Activations > 0 &&
                   !(gtk_widget_get_state_flags(window) & GTK_STATE_FLAG_BACKDROP);
        }));
    }

    TGtkBackend Backend;
    std::unique_ptr<TApplication> App;
    TForm* Form{nullptr};
    TPanel* Panel{nullptr};
    TGroupBox* GroupBox{nullptr};
    TEdit* Edit{nullptr};
    TBitBtn* PathButton{nullptr};
    TBitBtn* StartButton{nullptr};
    std::unique_ptr<TGtkMainWindow> Window;
    int Activations{0};
};
} // namespace

TEST_F(GtkMainWindowTest, FixedSizeClientAreaWithTheFormsCaption) {
    Show();
    EXPECT_STREQ(gtk_window_get_title(Window->Window()), "Velundo Client");
    EXPECT_FALSE(gtk_window_get_resizable(Window->Window()));
    EXPECT_EQ(gtk_widget_get_allocated_width(Fixed()), 506);
    EXPECT_EQ(gtk_widget_get_allocated_height(Fixed()), 294);
    int w = 0, h = 0;
    gtk_window_get_size(Window->Window(), &w, &h);
    EXPECT_EQ(w, 506);
    EXPECT_EQ(h, 294);
}

TEST_F(GtkMainWindowTest, TheBorderStyleDecidesWhetherTheWindowCanBeResized) {
    EXPECT_FALSE(gtk_window_get_resizable(Window->Window()));
    EXPECT_TRUE(gtk_window_get_decorated(Window->Window()));
    Window.reset();
    Form->SetBorderStyle(bsSizeable);
    Window = std::make_unique<TGtkMainWindow>(*Form, Backend);
    EXPECT_TRUE(gtk_window_get_resizable(Window->Window()));
    Window.reset();
    Form->SetBorderStyle(bsNone);
    Window = std::make_unique<TGtkMainWindow>(*Form, Backend);
    EXPECT_FALSE(gtk_window_get_decorated(Window->Window()));
}

TEST_F(GtkMainWindowTest, StandardControlsBecomeWidgetsAboveThePaintedLayers) {
    struct Row {
        GType Type;
        int X, Y, Width, Height;
    };
    const Row rows[] = {{GTK_TYPE_DRAWING_AREA, 0, 0, 506, 294}, {GTK_TYPE_FRAME, 16, 176, 465, 97},
                        {GTK_TYPE_ENTRY, 32, 208, 409, 21},       {GTK_TYPE_BUTTON, 32, 240, 145, 25},
                        {GTK_TYPE_BUTTON, 16, 72, 465, 89}};
    Show();
    const std::vector<GtkWidget*> children = Children();
    ASSERT_EQ(children.size(), std::size(rows));
    for (size_t i = 0; i < children.size(); ++i) {
        GtkAllocation a;
        gtk_widget_get_allocation(children[i], &a);
        const Row& r = rows[i];
        EXPECT_TRUE(G_TYPE_CHECK_INSTANCE_TYPE(children[i], r.Type)) << "child " << i;
        EXPECT_EQ((std::vector<int>{a.x, a.y, a.width, a.height}), (std::vector<int>{r.X, r.Y, r.Width, r.Height}))
            << "child " << i << " (" << G_OBJECT_TYPE_NAME(children[i]) << ")";
    }
}

TEST_F(GtkMainWindowTest, TextsAreShownInUtf8AndFollowTheControls) {
    Show();
    const std::vector<GtkWidget*> c = Children();
    EXPECT_STREQ(gtk_frame_get_label(GTK_FRAME(c[1])), "Pfad der Velundo.exe auf Ihrem Server ");
    EXPECT_STREQ(gtk_button_get_label(GTK_BUTTON(c[3])), "Pfad ausw\xC3\xA4hlen");
    Edit->SetText("Z:\\srv\\Vel\xFCndo.exe");
    EXPECT_STREQ(gtk_entry_get_text(GTK_ENTRY(c[2])), "Z:\\srv\\Vel\xC3\xBCndo.exe");
    EXPECT_FALSE(gtk_widget_get_sensitive(c[2]));
    EXPECT_FALSE(gtk_editable_get_editable(GTK_EDITABLE(c[2])));
    StartButton->SetEnabled(false);
    EXPECT_FALSE(gtk_widget_get_sensitive(c[4]));
}

TEST_F(GtkMainWindowTest, FocusGoesToThePathButtonThenTheStartButton) {
    Show();
    const std::vector<GtkWidget*> c = Children();
    GList* chain = nullptr;
    G_GNUC_BEGIN_IGNORE_DEPRECATIONS
    ASSERT_TRUE(gtk_container_get_focus_chain(GTK_CONTAINER(Fixed()), &chain));
    G_GNUC_END_IGNORE_DEPRECATIONS
    std::vector<GtkWidget*> order;
    for (GList* l = chain; l; l = l->next) order.push_back(GTK_WIDGET(l->data));
    g_list_free(chain);
    EXPECT_EQ(order, (std::vector<GtkWidget*>{c[3], c[4]}));
    EXPECT_FALSE(gtk_widget_get_can_focus(c[2])) << "the disabled path field takes no focus";
    EXPECT_EQ(gtk_window_get_focus(Window->Window()), c[3]);
}

TEST_F(GtkMainWindowTest, ClicksReachTheControlsAndShowingActivatesTheFormOnce) {
    std::vector<TObject*> clicked;
    PathButton->OnClick = [&](TObject* s) { clicked.push_back(s); };
    StartButton->OnClick = [&](TObject* s) { clicked.push_back(s); };
    Show();
    EXPECT_EQ(Activations, 1);
    const std::vector<GtkWidget*> c = Children();
    gtk_button_clicked(GTK_BUTTON(c[4]));
    gtk_button_clicked(GTK_BUTTON(c[3]));
    EXPECT_EQ(clicked, (std::vector<TObject*>{StartButton, PathButton}));
}

TEST_F(GtkMainWindowTest, ClosingTheWindowClosesTheFormAndEndsTheLoop) {
    Show();
    gtk_window_close(Window->Window());
    ASSERT_TRUE(PumpUntil([&] { return Form->Closed(); }));
    EXPECT_TRUE(App->Terminated());
    EXPECT_TRUE(Backend.Terminated());
}

namespace {
// The painted layers against the headless render of the same form: equal outside the widgets, the
// button face under them (the widgets draw there). Counts the pixels compared.
::testing::AssertionResult MatchesHeadless(const TSurface& Layers, const TSurface& Headless,
                                           std::initializer_list<TRect> Widgets, int& Compared) {
    if (Layers.Width != Headless.Width || Layers.Height != Headless.Height)
        return ::testing::AssertionFailure() << "layers " << Layers.Width << "x" << Layers.Height << ", render "
                                             << Headless.Width << "x" << Headless.Height;
    auto& layers = const_cast<TSurface&>(Layers);
    for (int y = 0; y < Layers.Height; ++y)
        for (int x = 0; x < Layers.Width; ++x) {
            bool underWidget = false;
            for (const TRect& r : Widgets) underWidget |= x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom;
            if (underWidget) {
                if (TCanvas(&layers).Pixel(x, y) != ColorToRGB(clBtnFace))
                    return ::testing::AssertionFailure() << "widget background at " << x << ", " << y;
            } else if (layers.Row(y)[x] != const_cast<TSurface&>(Headless).Row(y)[x]) {
                return ::testing::AssertionFailure() << "pixel " << x << ", " << y;
            } else {
                ++Compared;
            }
        }
    return ::testing::AssertionSuccess();
}
} // namespace

TEST_F(GtkMainWindowTest, PaintedLayersMatchTheHeadlessRenderOutsideTheWidgets) {
    Show();
    const TSurface& layers = Window->PaintLayers();
    ASSERT_EQ(layers.Width, 506);
    ASSERT_EQ(layers.Height, 294);
    int compared = 0;
    EXPECT_TRUE(MatchesHeadless(layers, *RenderClientArea(*Form), {GroupBox->BoundsRect(), StartButton->BoundsRect()}, compared));
    EXPECT_GT(compared, 506 * 57); // the panel and the margins at least
}

// The description's -11 pixels at 96 dots per inch are 8.25 points (11 x 72 / 96).
TEST_F(GtkMainWindowTest, TheFormsFontFallsBackToTheDesktopSansAtElevenPixelsBoldForTheStartButton) {
    Show();
    const std::vector<GtkWidget*> c = Children();
    struct Row {
        GtkWidget* Widget;
        PangoWeight Weight;
        const char* What;
    };
    const Row rows[] = {{FindLabel(c[3]), PANGO_WEIGHT_NORMAL, "path button label"},
                        {FindLabel(c[4]), PANGO_WEIGHT_BOLD, "start button label"},
                        {c[2], PANGO_WEIGHT_NORMAL, "path field"}};
    for (const auto& r : rows) {
        ASSERT_NE(r.Widget, nullptr) << r.What;
        PangoFontDescription* font = FontOf(r.Widget);
        EXPECT_EQ(pango_font_description_get_weight(font), r.Weight) << r.What;
        EXPECT_EQ(pango_font_description_get_size(font), 8.25 * PANGO_SCALE) << r.What;
        EXPECT_STREQ(pango_font_description_get_family(font), "MS Sans Serif,sans-serif") << r.What;
        pango_font_description_free(font);
    }
}

// Every size of the program's icon is on the window; the largest is what gdk-pixbuf itself makes
// of the whole icon file (its loader picks the largest, deepest picture).
TEST_F(GtkMainWindowTest, TheWindowCarriesTheProgramsIconInEverySize) {
    GList* icons = gtk_window_get_icon_list(Window->Window());
    std::vector<int> sizes;
    for (GList* l = icons; l; l = l->next) {
        auto* p = GDK_PIXBUF(l->data);
        EXPECT_EQ(gdk_pixbuf_get_width(p), gdk_pixbuf_get_height(p));
        EXPECT_TRUE(gdk_pixbuf_get_has_alpha(p)) << "the 32-bit picture of each size";
        sizes.push_back(gdk_pixbuf_get_width(p));
    }
    EXPECT_EQ(sizes, (std::vector<int>{48, 32, 16}));
    const auto ico = ProgramResource("MAINICON");
    ASSERT_TRUE(ico);
    GdkPixbufLoader* loader = gdk_pixbuf_loader_new_with_type("ico", nullptr);
    ASSERT_TRUE(gdk_pixbuf_loader_write(loader, reinterpret_cast<const guchar*>(ico->data()), ico->size(), nullptr));
    ASSERT_TRUE(gdk_pixbuf_loader_close(loader, nullptr));
    GdkPixbuf* whole = gdk_pixbuf_loader_get_pixbuf(loader);
    ASSERT_TRUE(icons && whole);
    auto* largest = GDK_PIXBUF(icons->data);
    ASSERT_EQ(gdk_pixbuf_get_width(whole), 48);
    for (int y = 0; y < 48; ++y)
        ASSERT_EQ(0, memcmp(gdk_pixbuf_get_pixels(whole) + y * gdk_pixbuf_get_rowstride(whole),
                            gdk_pixbuf_get_pixels(largest) + y * gdk_pixbuf_get_rowstride(largest), 48 * 4))
            << "row " << y;
    g_object_unref(loader);
    g_list_free(icons);
}

// Keys as the display delivers them to the window: Tab and Shift+Tab move the focus between the
// two buttons in tab order and wrap; Space and Enter press the focused one.
TEST_F(GtkMainWindowTest, TabMovesBetweenTheButtonsAndSpaceOrEnterPressTheFocusedOne) {
    std::vector<TObject*> clicked;
    PathButton->OnClick = [&](TObject* s) { clicked.push_back(s); };
    StartButton->OnClick = [&](TObject* s) { clicked.push_back(s); };
    Show();
    const std::vector<GtkWidget*> c = Children();
    EXPECT_TRUE(gtk_window_get_focus_visible(Window->Window())) << "the focus is drawn from the start";
    auto key = [&](guint KeyVal, GdkModifierType State) {
        GdkEvent* event = gdk_event_new(GDK_KEY_PRESS);
        event->key.window = GDK_WINDOW(g_object_ref(gtk_widget_get_window(GTK_WIDGET(Window->Window()))));
        event->key.keyval = KeyVal;
        event->key.state = State;
        GdkKeymapKey* keys = nullptr;
        gint count = 0;
        if (gdk_keymap_get_entries_for_keyval(gdk_keymap_get_for_display(gdk_display_get_default()), KeyVal, &keys,
                                              &count) && count > 0)
            event->key.hardware_keycode = static_cast<guint16>(keys[0].keycode);
        g_free(keys);
        gdk_event_set_device(event, gdk_seat_get_keyboard(gdk_display_get_default_seat(gdk_display_get_default())));
        gtk_main_do_event(event);
        gdk_event_free(event);
    };
    struct Row {
        guint Key;
        GdkModifierType State;
        GtkWidget* Focus;
        TObject* Pressed;
    };
    const Row rows[] = {
        {GDK_KEY_Tab, GdkModifierType(0), c[4], nullptr},           {GDK_KEY_space, GdkModifierType(0), c[4], StartButton},
        {GDK_KEY_Tab, GdkModifierType(0), c[3], nullptr},           {GDK_KEY_Return, GdkModifierType(0), c[3], PathButton},
        {GDK_KEY_ISO_Left_Tab, GDK_SHIFT_MASK, c[4], nullptr},      {GDK_KEY_Return, GdkModifierType(0), c[4], StartButton},
        {GDK_KEY_ISO_Left_Tab, GDK_SHIFT_MASK, c[3], nullptr},      {GDK_KEY_space, GdkModifierType(0), c[3], PathButton},
    };
    for (size_t i = 0; i < std::size(rows); ++i) {
        const Row& r = rows[i];
        clicked.clear();
        key(r.Key, r.State);
        // A pressed button reports its click after its short pressed look.
        PumpUntil([&] { return r.Pressed ? !clicked.empty() : !gtk_events_pending(); });
        ASSERT_EQ(gtk_window_get_focus(Window->Window()), r.Focus) << "row " << i;
        ASSERT_EQ(clicked, r.Pressed ? std::vector<TObject*>{r.Pressed} : std::vector<TObject*>{}) << "row " << i;
        EXPECT_TRUE(gtk_window_get_focus_visible(Window->Window())) << "row " << i;
    }
}

namespace {
// A widget's pixels (0x00RRGGBB) in device pixels at its scale. Drawn: as GTK draws the widget
// (anew, into memory). Shown: as the screen shows it where a client may read the screen back (X11);
// on Wayland, where only the compositor sees the screen, as GTK draws it for the screen.
enum TPixelSource { psDrawn, psShown };
struct TPixels {
    cairo_surface_t* Surface{nullptr};
    explicit TPixels(GtkWidget* Widget, TPixelSource Source = psDrawn) {
        const int scale = gtk_widget_get_scale_factor(Widget);
        GtkAllocation a;
        gtk_widget_get_allocation(Widget, &a);
        if (gtk_widget_get_has_window(Widget)) a.x = a.y = 0; // its allocation is in its parent's window
        Surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, a.width * scale, a.height * scale);
        cairo_t* cr = cairo_create(Surface);
        GdkPixbuf* shown =
            Source == psShown && !GDK_IS_WAYLAND_DISPLAY(gtk_widget_get_display(Widget))
                ? gdk_pixbuf_get_from_window(gtk_widget_get_window(Widget), a.x, a.y, a.width, a.height)
                : nullptr;
        if (shown) {
            gdk_cairo_set_source_pixbuf(cr, shown, 0, 0);
            cairo_paint(cr);
            g_object_unref(shown);
        } else {
            cairo_surface_set_device_scale(Surface, scale, scale);
            gtk_widget_draw(Widget, cr);
        }
        cairo_destroy(cr);
        cairo_surface_flush(Surface);
    }
    ~TPixels() { cairo_surface_destroy(Surface); }
    uint32_t At(int X, int Y) const {
        const auto* row = cairo_image_surface_get_data(Surface) + Y * cairo_image_surface_get_stride(Surface);
        return reinterpret_cast<const uint32_t*>(row)[X] & 0xFFFFFF;
    }
    int Width() const { return cairo_image_surface_get_width(Surface); }
};
} // namespace

// The yardstick: a plain GTK frame with the group box's caption and size in a window of its own,
// drawn by the theme alone. The group box shows the same face and the same line where the theme
// draws them, and the line stands out from the face.
TEST_F(GtkMainWindowTest, TheGroupBoxHasTheThemesFaceAndFrameLine) {
    UseGtkThemeColors();
    Show();
    GtkWidget* yardstick = gtk_offscreen_window_new();
    GtkWidget* frame = gtk_frame_new("Pfad der Velundo.exe auf Ihrem Server ");
    gtk_frame_set_shadow_type(GTK_FRAME(frame), GTK_SHADOW_ETCHED_IN);
    gtk_widget_set_size_request(frame, 465, 97);
    gtk_container_add(GTK_CONTAINER(yardstick), frame);
    gtk_widget_show_all(yardstick);
    ASSERT_TRUE(PumpUntil([&] { return gtk_widget_get_allocated_width(frame) == 465; }));
    Window->PaintLayers();
    const TPixels ours(GTK_WIDGET(Window->Window())), theirs(yardstick);
    const TPoint at{GroupBox->Left(), GroupBox->Top()};
    // The face, right of the path field and below the caption: the theme's window background.
    const uint32_t face = theirs.At(450, 80);
    EXPECT_EQ(ours.At(at.X + 450, at.Y + 80), face) << std::hex << "ours " << ours.At(at.X + 450, at.Y + 80);
    // The left line, half-way down: the first pixel from the frame's edge that is not the face.
    int line = -1;
    for (int x = 0; x < 8 && line < 0; ++x)
        if (theirs.At(x, 60) != face) line = x;
    ASSERT_GE(line, 0) << "the theme draws no frame line";
    EXPECT_EQ(ours.At(at.X + line, at.Y + 60), theirs.At(line, 60)) << std::hex << "line " << ours.At(at.X + line, at.Y + 60);
    EXPECT_EQ(ours.At(at.X + line + 1, at.Y + 60), face) << "face inside the line";
    const uint32_t l = theirs.At(line, 60);
    const int contrast = std::abs(int(l & 0xFF) - int(face & 0xFF)) + std::abs(int(l >> 8 & 0xFF) - int(face >> 8 & 0xFF)) +
                         std::abs(int(l >> 16) - int(face >> 16));
    EXPECT_GE(contrast, 3 * 24) << "the line is visible on the face";
    gtk_widget_destroy(yardstick);
    SetSystemColorSource(nullptr);
}

// The desktop's text resolution (Xft.dpi) changed to 144 while the window is shown: the description
// is scaled as Windows scales it (MulDiv by 144/96 for every place, size and font), the texts still
// fit, and back at 96 the window is as it was.
TEST_F(GtkMainWindowTest, TheWindowFollowsTheDesktopsTextScalingAndTheTextsFit) {
    GtkSettings* settings = gtk_settings_get_default();
    gint before = 0;
    g_object_get(settings, "gtk-xft-dpi", &before, nullptr);
    Show();
    g_object_set(settings, "gtk-xft-dpi", 144 * 1024, nullptr);
    ASSERT_EQ(DesktopTextDpi(), 144);
    EXPECT_TRUE(PumpUntil([&] { return gtk_widget_get_allocated_width(Fixed()) == 759; }));
    EXPECT_EQ(gtk_widget_get_allocated_height(Fixed()), 441);
    EXPECT_EQ(Window->PaintLayers().Width, 759);
    struct Row {
        int X, Y, Width, Height;
    };
    // 16, 176, 465, 97 and so on at 96 dots per inch, each by MulDiv(v, 144, 96).
    const Row rows[] = {{24, 264, 698, 146}, {48, 312, 614, 32}, {48, 360, 218, 38}, {24, 108, 698, 134}};
    const std::vector<GtkWidget*> c = Children();
    for (size_t i = 0; i < std::size(rows); ++i) {
        GtkAllocation a;
        gtk_widget_get_allocation(c[i + 1], &a);
        const Row& r = rows[i];
        EXPECT_EQ((std::vector<int>{a.x, a.y, a.width, a.height}), (std::vector<int>{r.X, r.Y, r.Width, r.Height}))
            << "widget " << i + 1;
        int minWidth = 0, natural = 0, minHeight = 0;
        gtk_widget_get_preferred_width(c[i + 1], &minWidth, &natural);
        gtk_widget_get_preferred_height_for_width(c[i + 1], a.width, &minHeight, &natural);
        EXPECT_LE(minWidth, a.width) << "widget " << i + 1 << " needs more room than it has";
        EXPECT_LE(minHeight, a.height) << "widget " << i + 1 << " needs more room than it has";
    }
    // Fonts: -11 scaled to -17 pixels, which GTK renders at 144 dots per inch as 8.5 points or so.
    PangoFontDescription* font = FontOf(FindLabel(c[3]));
    EXPECT_NEAR(pango_font_description_get_size(font) / double(PANGO_SCALE) * 144 / 72, 17, 0.6);
    pango_font_description_free(font);
    g_object_set(settings, "gtk-xft-dpi", before, nullptr);
    EXPECT_TRUE(PumpUntil([&] { return gtk_widget_get_allocated_width(Fixed()) == 506; }));
    EXPECT_EQ(Form->Width(), 506);
    EXPECT_EQ(Form->Height(), 294);
}

namespace {
GtkWidget* FindImage(GtkWidget* Widget) {
    if (GTK_IS_IMAGE(Widget)) return Widget;
    if (!GTK_IS_CONTAINER(Widget)) return nullptr;
    GtkWidget* found = nullptr;
    GList* children = gtk_container_get_children(GTK_CONTAINER(Widget));
    for (GList* l = children; l && !found; l = l->next) found = FindImage(GTK_WIDGET(l->data));
    g_list_free(children);
    return found;
}

} // namespace

// The theme changes while the window is shown (here to its dark variant): the form's face, painted
// in the left margin, shows the new theme's colour on the screen.
TEST_F(GtkMainWindowTest, ThePaintedFacesFollowAThemeChange) {
    UseGtkThemeColors();
    Show();
    const uint32_t light = ColorToRGB(clBtnFace);
    // As a colour value: 0x00BBGGRR.
    auto shownFace = [&] { return SwapRedAndBlue(TPixels(Fixed(), psShown).At(8, 100)); };
    EXPECT_TRUE(PumpUntil([&] { return shownFace() == light; })) << std::hex << shownFace() << " vs " << light;
    g_object_set(gtk_settings_get_default(), "gtk-application-prefer-dark-theme", TRUE, nullptr);
    const uint32_t dark = ColorToRGB(clBtnFace);
    EXPECT_NE(dark, light);
    EXPECT_TRUE(PumpUntil([&] { return shownFace() == dark; })) << std::hex << shownFace() << " vs " << dark;
    g_object_set(gtk_settings_get_default(), "gtk-application-prefer-dark-theme", FALSE, nullptr);
    SetSystemColorSource(nullptr);
}

// The main window puts 4 pixels between glyph and caption. GTK lays the pair out; a screenshot of the shown
// window shows where the glyph's pixels (pure red here) end and the caption's ink (dark) begins.
TEST_F(GtkMainWindowTest, GlyphAndCaptionAreFourPixelsApart) {
    Window.reset();
    for (TBitBtn* button : {PathButton, StartButton})
        FillBitmap24(button->Glyph(), 16, 16,
                     [](int x, int y) { return x == 0 && y == 15 ? 0xFF00FFu : 0x0000FFu; });
    Window = std::make_unique<TGtkMainWindow>(*Form, Backend);
    Show();
    const std::vector<GtkWidget*> c = Children();
    for (GtkWidget* button : {c[3], c[4]}) {
        GtkWidget* image = FindImage(button);
        GtkWidget* label = FindLabel(button);
        ASSERT_TRUE(image && label);
        GtkAllocation i, l;
        gtk_widget_get_allocation(image, &i);
        gtk_widget_get_allocation(label, &l);
        EXPECT_EQ(l.x - (i.x + i.width), 4) << gtk_button_get_label(GTK_BUTTON(button));
    }
    // The start button in a screenshot, once drawn: the last column with glyph pixels and the first
    // column right of it with caption ink.
    GtkAllocation b;
    gtk_widget_get_allocation(c[4], &b);
    int glyphRight = -1, inkLeft = -1;
    auto measure = [&] {
        glyphRight = inkLeft = -1;
        const TPixels shot(Fixed(), psShown);
        for (int x = b.x; x < b.x + b.width; ++x)
            for (int y = b.y + 2; y < b.y + b.height - 2; ++y) {
                const uint32_t p = shot.At(x, y);
                const int sum = static_cast<int>((p >> 16) + (p >> 8 & 0xFF) + (p & 0xFF));
                if (p == 0xFF0000) glyphRight = x;
                else if (glyphRight >= 0 && x > glyphRight && inkLeft < 0 && sum < 3 * 128) inkLeft = x;
            }
        return glyphRight >= 0 && inkLeft >= 0;
    };
    ASSERT_TRUE(PumpUntil(measure)) << "no glyph or caption in the screenshot";
    EXPECT_EQ(inkLeft - glyphRight - 1, 4) << "blank columns between the glyph and the caption's first letter";
}

// The tests below run on a screen of two device pixels to the logical one (GDK_SCALE=2; ctest
// gtk_tests_device_scale): the form is laid out at 2 x 96 dots per inch in device pixels, GTK places
// the widgets at half of that, and the painted layers reach the screen pixel for pixel.
TEST_F(GtkMainWindowTest, AtDeviceScaleTwoTheLayersArePaintedAtDeviceResolution) {
    ASSERT_EQ(gtk_widget_get_scale_factor(GTK_WIDGET(Window->Window())), 2) << "run with GDK_SCALE=2";
    Show();
    EXPECT_EQ(Form->PixelsPerInch(), 192);
    EXPECT_EQ((std::vector<int>{Form->Width(), Form->Height()}), (std::vector<int>{1012, 588}));
    EXPECT_EQ(gtk_widget_get_allocated_width(Fixed()), 506);
    EXPECT_EQ(gtk_widget_get_allocated_height(Fixed()), 294);
    GtkAllocation a;
    gtk_widget_get_allocation(Children()[4], &a);
    EXPECT_EQ((std::vector<int>{a.x, a.y, a.width, a.height}), (std::vector<int>{16, 72, 465, 89}));
    // -22 device pixels at 192 dots per inch: the same 8.25 points as -11 at 96.
    PangoFontDescription* font = FontOf(FindLabel(Children()[3]));
    EXPECT_EQ(pango_font_description_get_size(font), 8.25 * PANGO_SCALE);
    pango_font_description_free(font);
    const TSurface& layers = Window->PaintLayers();
    auto headless = RenderClientArea(*Form);
    int compared = 0;
    EXPECT_TRUE(MatchesHeadless(layers, *headless, {GroupBox->BoundsRect(), StartButton->BoundsRect()}, compared));
    // The panel on the screen, device pixel for device pixel.
    auto shownAsRendered = [&] {
        const TPixels shot(Fixed(), psShown);
        bool same = shot.Width() == 1012;
        for (int y = 0; same && y < Panel->Height(); ++y)
            for (int x = 0; same && x < 1012; ++x)
                same = shot.At(x, y) == SurfaceRgb(*headless, x, y);
        return same;
    };
    EXPECT_TRUE(PumpUntil(shownAsRendered));
}

// A glyph is shown at the device scale pixel-doubled: every device pixel is one of the bitmap's,
// none a blend of two (a checkerboard would turn to mush in a smoothing upscale).
TEST_F(GtkMainWindowTest, AtDeviceScaleTwoGlyphsStaySharp) {
    Window.reset();
    // Premultiplied ARGB as the image holds it: the green key pixel transparent, the rest opaque.
    auto colour = [](int x, int y) { return x == 0 && y == 15 ? 0u : (x + y) % 2 ? 0xFFFF0000u : 0xFF0000FFu; };
    FillBitmap24(PathButton->Glyph(), 16, 16, [&](int x, int y) {
        return x == 0 && y == 15 ? 0x00FF00u : SwapRedAndBlue(colour(x, y) & 0xFFFFFF);
    });
    Window = std::make_unique<TGtkMainWindow>(*Form, Backend);
    Show();
    GtkWidget* image = FindImage(Children()[3]);
    ASSERT_TRUE(image);
    ASSERT_EQ(gtk_image_get_storage_type(GTK_IMAGE(image)), GTK_IMAGE_SURFACE);
    cairo_surface_t* surface = nullptr;
    g_object_get(image, "surface", &surface, nullptr);
    double sx = 0, sy = 0;
    cairo_surface_get_device_scale(surface, &sx, &sy);
    EXPECT_EQ(sx, 2);
    ASSERT_EQ(cairo_image_surface_get_width(surface), 32);
    ASSERT_EQ(cairo_image_surface_get_height(surface), 32);
    cairo_surface_flush(surface);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const auto* row = cairo_image_surface_get_data(surface) + y * cairo_image_surface_get_stride(surface);
            ASSERT_EQ(reinterpret_cast<const uint32_t*>(row)[x], colour(x / 2, y / 2)) << "device pixel " << x << ", " << y;
        }
    cairo_surface_destroy(surface);
    GtkAllocation i;
    gtk_widget_get_allocation(image, &i);
    EXPECT_EQ(i.width, 16) << "the glyph's logical size";
}
