#pragma once
// The main form on screen with GTK 3: a fixed-size toplevel whose client area is a GtkFixed holding a
// drawing area that shows the painted layers (the form's memory canvas, handed to cairo as it is)
// and, above it, GTK widgets for the standard controls: frames for group boxes, entries for edit
// fields, buttons for buttons. Windows-1252 texts become UTF-8 here.
// The form is kept in device pixels, scaled to the desktop's text resolution times the screen's
// scale (and again when either changes); GTK places the widgets in logical pixels, and the layers
// are painted at device resolution. The colours follow the theme when it changes.
#include <gtk/gtk.h>

#include <memory>
#include <vector>

#include "framework/ControlPainter.h"
#include "framework/Forms.h"
#include "platform/Surface.h"
#include "ui/gtk/GtkBackend.h"

class TGtkMainWindow {
public:
    TGtkMainWindow(TForm& Form, TGtkBackend& Backend);
    // Destroys the window; the framework's repaint requests go nowhere afterwards.
    ~TGtkMainWindow();
    TGtkMainWindow(const TGtkMainWindow&) = delete;
    TGtkMainWindow& operator=(const TGtkMainWindow&) = delete;

    GtkWindow* Window() const { return GTK_WINDOW(FWindow); }
    // Shows the window centred, the focus on the first control in tab order.
    void Show();
    // Paints the layers into the memory canvas now (a draw does it when something changed).
    const TSurface& PaintLayers();

private:
    struct TNative {
        TWinControl* Control{nullptr};
        GtkWidget* Widget{nullptr};
        GtkWidget* Image{nullptr}; // a bitmap button's glyph
        TRect Bounds;              // where the widget stands, in client coordinates (device pixels)
        std::string Text;
        std::string Hint; // the tooltip shown
        int GlyphIndex{-1};
    };

    void AddChildren(TWinControl& Parent, TPoint Origin);
    GtkWidget* CreateWidget(TWinControl& Control, TNative& Native);
    void Sync(TNative& Native, TPoint Origin, bool ParentVisible);
    void SyncAll();
    TNative* Find(const TControl* Control);
    void SetFocusChain();
    void MoveFocus(bool Forward);
    void InstallFonts();
    void RemoveFonts();
    void SizeClientArea();
    void Place(TNative& Native, TPoint At);
    void Rescale();
    void Invalidated();
    void SetAccessibles();
    void SetAccessible(TNative& Native);
    void FollowTheme();

    static gboolean OnDraw(GtkWidget* Widget, cairo_t* Cr, gpointer Self);
    static gboolean OnDelete(GtkWidget* Widget, GdkEvent* Event, gpointer Self);
    static gboolean OnDestroyEvent(GtkWidget* Widget, GdkEvent* Event, gpointer Self);
    static void OnDestroyed(GtkWidget* Widget, gpointer Self);
    static gboolean OnFocusIn(GtkWidget* Widget, GdkEvent* Event, gpointer Self);
    static gboolean OnFocusOut(GtkWidget* Widget, GdkEvent* Event, gpointer Self);
    static gboolean OnMap(GtkWidget* Widget, GdkEvent* Event, gpointer Self);
    void BecameActive();
    static void OnRealize(GtkWidget* Widget, gpointer Self);
    static void OnClicked(GtkButton* Button, gpointer Control);
    static gboolean OnKeyPress(GtkWidget* Widget, GdkEventKey* Event, gpointer Self);
    static void OnResolutionChanged(GObject* Object, GParamSpec* Property, gpointer Self);
    static void OnThemeChanged(GObject* Object, GParamSpec* Property, gpointer Self);

    TForm& FForm;
    TGtkBackend& FBackend;
    GtkWidget* FWindow{nullptr};
    GtkWidget* FFixed{nullptr};
    GtkWidget* FLayers{nullptr};
    std::unique_ptr<TSurface> FSurface;
    cairo_surface_t* FCairoSurface{nullptr};
    GtkCssProvider* FFonts{nullptr};
    int FScale{1}; // device pixels per logical pixel
    TNativeFace FNativeFace{TNativeFace::Background};
    GtkStyleProvider* FLightVariant{nullptr}; // the theme's, on every widget of the window; GTK owns it
    bool FDirty{true};
    bool FActive{false};
    std::vector<TNative> FNatives;
    std::vector<GtkWidget*> FTabChain; // the tab stops in tab order
};

// The glyph image a bitmap button shows: image Index of NumGlyphs side by side, the colour of the
// bitmap's bottom-left pixel made transparent.
GdkPixbuf* GlyphPixbuf(TBitmap& Glyph, int NumGlyphs, int Index);

// The resolution GTK renders text at, in dots per logical inch (Xft.dpi; 96 when unknown).
int DesktopTextDpi();
