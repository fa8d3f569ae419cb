#include "ui/gtk/GtkBackend.h"

#include <glib/gstdio.h>

#include <cctype>

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
    GtkWidget* dialog = gtk_message_dialog_new(FMainWindow, GTK_DIALOG_MODAL, Type, GTK_BUTTONS_OK, "%s",
                                               AnsiToUtf8(Text).c_str());
    gtk_window_set_title(GTK_WINDOW(dialog), AnsiToUtf8(Caption).c_str());
    gtk_window_set_position(GTK_WINDOW(dialog), GTK_WIN_POS_CENTER);
    if (Type == GTK_MESSAGE_ERROR) {
        // GTK 3 message dialogs show no icon of their own; the exception dialog has the error icon.
        G_GNUC_BEGIN_IGNORE_DEPRECATIONS
        GtkWidget* icon = gtk_image_new_from_icon_name("dialog-error", GTK_ICON_SIZE_DIALOG);
        gtk_message_dialog_set_image(GTK_MESSAGE_DIALOG(dialog), icon);
        gtk_widget_show(icon);
        G_GNUC_END_IGNORE_DEPRECATIONS
    }
    gtk_dialog_run(GTK_DIALOG(dialog));
    gtk_widget_destroy(dialog);
}

void TGtkBackend::MessageDialog(const std::string& Text, const std::string& Caption) {
    ShowDialog(GTK_MESSAGE_OTHER, Text, Caption);
}

void TGtkBackend::ErrorDialog(const std::string& Text, const std::string& Caption) {
    ShowDialog(GTK_MESSAGE_ERROR, Text, Caption);
}

bool TGtkBackend::OpenFileDialog(const TOpenFileRequest& Request, std::string& FileName) {
    const std::string title = Request.Title.empty() ? std::string(GtkText("Open")) : AnsiToUtf8(Request.Title);
    GtkWidget* dialog = gtk_file_chooser_dialog_new(title.c_str(), FMainWindow, GTK_FILE_CHOOSER_ACTION_OPEN,
                                                    GtkText("_Cancel"), GTK_RESPONSE_CANCEL, GtkText("_Open"),
                                                    GTK_RESPONSE_ACCEPT, nullptr);
    GtkFileChooser* chooser = GTK_FILE_CHOOSER(dialog);
    gtk_window_set_position(GTK_WINDOW(dialog), GTK_WIN_POS_CENTER);
    AddFilters(chooser, Request.Filter);
    gtk_file_chooser_set_current_folder(chooser, StartFolder(Request.InitialDir).c_str());
    bool confirmed = false;
    if (gtk_dialog_run(GTK_DIALOG(dialog)) == GTK_RESPONSE_ACCEPT) {
        if (gchar* chosen = gtk_file_chooser_get_filename(chooser)) {
            FileName = FromNativePath(chosen);
            confirmed = true;
            // As on Windows without the restore option: the current folder is the chosen file's.
            if (!Request.RestoreCurrentFolder) {
                gchar* folder = g_path_get_dirname(chosen);
                if (g_chdir(folder) != 0) g_warning("cannot change to %s", folder);
                g_free(folder);
            }
            g_free(chosen);
        }
    }
    gtk_widget_destroy(dialog);
    return confirmed;
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
