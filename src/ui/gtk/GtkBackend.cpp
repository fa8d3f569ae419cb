#include "ui/gtk/GtkBackend.h"

#include <glib/gstdio.h>

#include <algorithm>
#include <cctype>
#include <optional>

#include "framework/Forms.h"
#include "framework/SysUtils.h"
#include "platform/NativePaths.h"

namespace {
// GTK's own translations of its stock labels, so the dialogs speak the desktop's language.
const char* GtkText(const char* Text) { return g_dgettext("gtk30", Text); }

std::vector<std::string> Split(const std::string& Text, char Separator) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t at; (at = Text.find(Separator, start)) != std::string::npos; start = at + 1)
        parts.push_back(Text.substr(start, at - start));
    parts.push_back(Text.substr(start));
    return parts;
}

void AddFilters(GtkFileChooser* Chooser, const std::string& Filter) {
    const std::vector<std::string> parts = Split(Filter, '|');
    for (size_t i = 0; i + 1 < parts.size(); i += 2) {
        GtkFileFilter* filter = gtk_file_filter_new();
        gtk_file_filter_set_name(filter, AnsiToUtf8(parts[i]).c_str());
        for (const std::string& pattern : Split(parts[i + 1], ';'))
            if (!pattern.empty()) gtk_file_filter_add_pattern(filter, AnsiToUtf8(CaseBlindPattern(pattern)).c_str());
        gtk_file_chooser_add_filter(Chooser, filter); // the first one added is the one in use
    }
}

// The initial folder when it exists here; otherwise (a Windows drive such as c:\) the user's home.
std::string StartFolder(const std::string& InitialDir) {
    const std::string native = ToNativePath(InitialDir);
    if (!native.empty() && g_file_test(native.c_str(), G_FILE_TEST_IS_DIR)) return native;
    return g_get_home_dir();
}

// The dialog GTK draws itself when no desktop portal runs sizes itself from the font and may be
// larger than a small screen. Its bounds are set when it is realised, before it is first shown: at
// most the work area less a margin (never below what its widgets need), which binds also the sizes
// the dialog asks for again while it fills (a default size would lose to those); and it is to stand
// centred over its parent. On X11 GTK places it so itself, clamped to the monitor; on Wayland a client
// neither knows nor sets where its windows stand, and the compositor places the dialog (sway centres
// it on the output, GNOME and KDE over its parent).
gboolean FitChooserToScreen(GSignalInvocationHint*, guint, const GValue* Values, gpointer Parent) {
    auto* widget = static_cast<GtkWidget*>(g_value_get_object(&Values[0]));
    if (!GTK_IS_FILE_CHOOSER_DIALOG(widget) || gtk_window_get_transient_for(GTK_WINDOW(widget)) != Parent)
        return TRUE;
    const GdkRectangle area = WorkArea(Parent ? GTK_WIDGET(Parent) : widget);
    GtkRequisition least{};
    gtk_widget_get_preferred_size(widget, &least, nullptr);
    GdkGeometry bounds{};
    bounds.max_width = std::max(least.width, area.width - 2 * kScreenMargin);
    bounds.max_height = std::max(least.height, area.height - 2 * kScreenMargin);
    gtk_window_set_geometry_hints(GTK_WINDOW(widget), nullptr, &bounds, GDK_HINT_MAX_SIZE);
    gtk_window_set_position(GTK_WINDOW(widget), GTK_WIN_POS_CENTER_ON_PARENT);
    return TRUE;
}

// A Windows message box's push button: 75 pixels wide at 96 dots per inch, centred under the text.
constexpr int kMessageButtonWidth = 75;

// Lines of Text wrapped at Chars average characters of the label's font.
int LineCount(PangoLayout* Layout, int CharWidth, int Chars) {
    pango_layout_set_width(Layout, CharWidth * Chars);
    return pango_layout_get_line_count(Layout);
}

// Narrows a wrapping label to the least width that needs no more lines than its widest, so the
// lines come out even and the last is not a lone word (a single word on every line cannot help).
void BalanceLines(GtkLabel* Label) {
    const int widest = gtk_label_get_max_width_chars(Label);
    if (widest <= 0 || !gtk_label_get_line_wrap(Label)) return;
    PangoLayout* layout = gtk_widget_create_pango_layout(GTK_WIDGET(Label), gtk_label_get_text(Label));
    pango_layout_set_wrap(layout, PANGO_WRAP_WORD_CHAR);
    PangoContext* context = pango_layout_get_context(layout);
    PangoFontMetrics* metrics =
        pango_context_get_metrics(context, pango_context_get_font_description(context), nullptr);
    // GTK measures label widths in characters by the wider of the average letter and digit.
    const int charWidth = std::max(pango_font_metrics_get_approximate_char_width(metrics),
                                   pango_font_metrics_get_approximate_digit_width(metrics));
    pango_font_metrics_unref(metrics);
    const int lines = LineCount(layout, charWidth, widest);
    int low = 1, high = widest;
    while (lines > 1 && low < high) {
        const int mid = (low + high) / 2;
        if (LineCount(layout, charWidth, mid) <= lines) high = mid;
        else low = mid + 1;
    }
    g_object_unref(layout);
    if (lines > 1) gtk_label_set_max_width_chars(Label, high);
}

void BalanceLabels(GtkWidget* Widget) {
    if (GTK_IS_LABEL(Widget)) BalanceLines(GTK_LABEL(Widget));
    if (GTK_IS_CONTAINER(Widget)) gtk_container_foreach(GTK_CONTAINER(Widget), [](GtkWidget* w, gpointer) { BalanceLabels(w); }, nullptr);
}

// The message box's shape on every desktop: an OK button of a push button's width, centred, and
// the text in even lines.
void ShapeMessageDialog(GtkMessageDialog* Dialog) {
    GtkWidget* ok = gtk_dialog_get_widget_for_response(GTK_DIALOG(Dialog), GTK_RESPONSE_OK);
    if (ok) {
        if (GtkWidget* box = gtk_widget_get_parent(ok); GTK_IS_BUTTON_BOX(box))
            gtk_button_box_set_layout(GTK_BUTTON_BOX(box), GTK_BUTTONBOX_CENTER);
        gtk_widget_set_hexpand(ok, FALSE);
        gtk_widget_set_halign(ok, GTK_ALIGN_CENTER);
        gtk_widget_set_size_request(ok, kMessageButtonWidth, -1);
    }
    BalanceLabels(gtk_message_dialog_get_message_area(Dialog));
}

// The refusal of a chosen file whose name Windows-1252 cannot hold; the name itself is UTF-8.
std::string UnfitNameMessage(const std::string& Native) {
    gchar* shown = g_filename_display_name(Native.c_str()); // bytes that are not UTF-8 shown as U+FFFD
    const std::string name = shown;
    g_free(shown);
    return AnsiToUtf8("Diese Datei kann nicht \xFC" "bernommen werden: Ihr Pfad enth\xE4lt Zeichen, die das "
                      "Programm nicht speichern kann.") +
           "\n\n" + name + "\n\n" +
           AnsiToUtf8("Bitte w\xE4hlen Sie eine Datei, deren Pfad nur westeurop\xE4ische Schriftzeichen enth\xE4lt, "
                      "ohne umgekehrten Schr\xE4gstrich (\\) und ohne Steuerzeichen wie Zeilenumbr\xFC" "che.");
}

std::string MessageCaption() {
    return Application ? Application->Title() : std::string();
}
} // namespace

std::string CaseBlindPattern(const std::string& Pattern) {
    std::string out;
    for (char c : Pattern) {
        const auto u = static_cast<unsigned char>(c);
        if (std::isalpha(u) && u < 0x80) {
            out += '[';
            out += static_cast<char>(std::tolower(u));
            out += static_cast<char>(std::toupper(u));
            out += ']';
        } else {
            out += c;
        }
    }
    return out;
}

TGtkBackend::~TGtkBackend() {
    for (auto& [id, timer] : FTimers) g_source_remove(timer->Source);
}

void TGtkBackend::ShowDialog(GtkMessageType Type, const std::string& Text, const std::string& Caption) {
    ShowDialogUtf8(Type, AnsiToUtf8(Text), AnsiToUtf8(Caption));
}

void TGtkBackend::ShowDialogUtf8(GtkMessageType Type, const std::string& Text, const std::string& Caption) {
    GtkWidget* dialog =
        gtk_message_dialog_new(FMainWindow, GTK_DIALOG_MODAL, Type, GTK_BUTTONS_OK, "%s", Text.c_str());
    gtk_window_set_title(GTK_WINDOW(dialog), Caption.c_str());
    // Centred on the screen where the client places its windows (X11). On Wayland the compositor
    // places every window, out of a client's sight: sway centres the dialog on the output, GNOME and
    // KDE over the launcher's window, which is where a user looks for it.
    gtk_window_set_position(GTK_WINDOW(dialog), GTK_WIN_POS_CENTER);
    if (Type == GTK_MESSAGE_ERROR) {
        // GTK 3 message dialogs show no icon of their own; the exception dialog has the error icon.
        G_GNUC_BEGIN_IGNORE_DEPRECATIONS
        GtkWidget* icon = gtk_image_new_from_icon_name("dialog-error", GTK_ICON_SIZE_DIALOG);
        gtk_message_dialog_set_image(GTK_MESSAGE_DIALOG(dialog), icon);
        gtk_widget_show(icon);
        G_GNUC_END_IGNORE_DEPRECATIONS
    }
    ShapeMessageDialog(GTK_MESSAGE_DIALOG(dialog));
    gtk_dialog_run(GTK_DIALOG(dialog));
    gtk_widget_destroy(dialog);
}

void TGtkBackend::MessageDialog(const std::string& Text, const std::string& Caption) {
    ShowDialog(GTK_MESSAGE_OTHER, Text, Caption);
}

void TGtkBackend::ErrorDialog(const std::string& Text, const std::string& Caption) {
    ShowDialog(GTK_MESSAGE_ERROR, Text, Caption);
}

GdkRectangle WorkArea(GtkWidget* Widget) {
    GdkDisplay* display = gtk_widget_get_display(Widget);
    GdkWindow* window = gtk_widget_get_window(Widget);
    GdkMonitor* monitor = window ? gdk_display_get_monitor_at_window(display, window) : nullptr;
    if (!monitor) monitor = gdk_display_get_primary_monitor(display);
    if (!monitor) monitor = gdk_display_get_monitor(display, 0);
    GdkRectangle area{0, 0, 1024, 768};
    if (monitor) gdk_monitor_get_workarea(monitor, &area);
    return area;
}

// The native chooser (the desktop portal's where one runs, else GTK's own dialog), modal and
// transient for the launcher's window. True and the chosen native path when the user confirmed.
bool TGtkBackend::RunFileChooser(const TOpenFileRequest& Request, std::string& Native) {
    const std::string title = Request.Title.empty() ? std::string(GtkText("Open")) : AnsiToUtf8(Request.Title);
    GtkFileChooserNative* native = gtk_file_chooser_native_new(title.c_str(), FMainWindow, GTK_FILE_CHOOSER_ACTION_OPEN,
                                                               GtkText("_Open"), GtkText("_Cancel"));
    GtkFileChooser* chooser = GTK_FILE_CHOOSER(native);
    gtk_native_dialog_set_modal(GTK_NATIVE_DIALOG(native), TRUE);
    AddFilters(chooser, Request.Filter);
    gtk_file_chooser_set_current_folder(chooser, StartFolder(Request.InitialDir).c_str());
    // Every realisation of a widget passes the hook while the chooser runs; it fits the chooser.
    const guint realize = g_signal_lookup("realize", GTK_TYPE_WIDGET);
    const gulong fit = g_signal_add_emission_hook(realize, 0, &FitChooserToScreen, FMainWindow, nullptr);
    const gint response = gtk_native_dialog_run(GTK_NATIVE_DIALOG(native));
    g_signal_remove_emission_hook(realize, fit);
    bool confirmed = false;
    if (response == GTK_RESPONSE_ACCEPT) {
        if (gchar* chosen = gtk_file_chooser_get_filename(chooser)) {
            Native = chosen;
            confirmed = true;
            g_free(chosen);
        }
    }
    g_object_unref(native);
    return confirmed;
}

bool TGtkBackend::OpenFileDialog(const TOpenFileRequest& Request, std::string& FileName) {
    std::string native;
    while (RunFileChooser(Request, native)) {
        const std::optional<std::string> kept = ChosenFilePath(native);
        if (!kept) {
            // Refused, and the user may choose again; nothing is stored or launched.
            ShowDialogUtf8(GTK_MESSAGE_ERROR, UnfitNameMessage(native), AnsiToUtf8(MessageCaption()));
            continue;
        }
        FileName = *kept;
        // As on Windows without the restore option: the current folder is the chosen file's.
        if (!Request.RestoreCurrentFolder) {
            gchar* folder = g_path_get_dirname(native.c_str());
            if (g_chdir(folder) != 0) g_warning("cannot change to %s", folder);
            g_free(folder);
        }
        return true;
    }
    return false;
}

gboolean TGtkBackend::OnTimer(gpointer Data) {
    auto* timer = static_cast<TTimer*>(Data);
    TGtkBackend* owner = timer->Owner;
    const guint source = timer->Source;
    const std::function<void()> tick = timer->Tick; // the tick may stop (and free) its own timer
    tick();
    for (const auto& [id, t] : owner->FTimers)
        if (t->Source == source) return G_SOURCE_CONTINUE;
    return G_SOURCE_REMOVE;
}

uintptr_t TGtkBackend::StartTimer(unsigned IntervalMs, std::function<void()> Tick) {
    auto timer = std::make_unique<TTimer>(TTimer{this, 0, std::move(Tick)});
    timer->Source = g_timeout_add(IntervalMs, &TGtkBackend::OnTimer, timer.get());
    FTimers[FNextId] = std::move(timer);
    return FNextId++;
}

guint TGtkBackend::TimerSource(uintptr_t Id) const {
    const auto it = FTimers.find(Id);
    return it == FTimers.end() ? 0 : it->second->Source;
}

void TGtkBackend::StopTimer(uintptr_t Id) {
    auto it = FTimers.find(Id);
    if (it == FTimers.end()) return;
    g_source_remove(it->second->Source);
    FTimers.erase(it);
}

void TGtkBackend::Terminate() {
    FTerminated = true;
    if (FRunning) gtk_main_quit();
}

void TGtkBackend::Run() {
    if (FTerminated) return;
    FRunning = true;
    gtk_main();
    FRunning = false;
}
