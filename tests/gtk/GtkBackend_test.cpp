// The GTK back end's pieces that need no window (file patterns, glyph images, timers on the loop,
// the close timer as the loop holds it) and its dialogs.
#include <gtest/gtest.h>

#include <gdk/gdkwayland.h>
#include <glib/gstdio.h>

#include <functional>
#include <string>
#include <vector>

#include "app/fArbeitsplatz.h"
#include "framework/Graphics.h"
#include "support/FakePlatform.h"
#include "support/Pixels.h"
#include "ui/gtk/GtkBackend.h"
#include "ui/gtk/GtkMainWindow.h"

TEST(GtkBackend, FilterPatternsMatchWithoutRegardToCase) {
    struct Row {
        const char* Pattern;
        const char* Expected;
    };
    const Row rows[] = {{"*.exe", "*.[eE][xX][eE]"}, {"*.*", "*.*"}, {"a1?.Z", "[aA]1?.[zZ]"}, {"", ""},
                        {"\xE4*.exe", "\xE4*.[eE][xX][eE]"}};
    for (const auto& r : rows) EXPECT_EQ(CaseBlindPattern(r.Pattern), r.Expected) << r.Pattern;
    // And GTK agrees: the pattern matches EXE names in any case, and nothing else.
    GtkFileFilter* filter = gtk_file_filter_new();
    g_object_ref_sink(filter);
    gtk_file_filter_add_pattern(filter, CaseBlindPattern("*.exe").c_str());
    for (const char* name : {"Velundo.exe", "VELUNDO.EXE", "v.Exe", "v.exe.txt", "vexe"}) {
        GtkFileFilterInfo info{};
        info.contains = GTK_FILE_FILTER_DISPLAY_NAME;
        info.display_name = name;
        const bool matches = gtk_file_filter_filter(filter, &info);
        const std::string n = name;
        EXPECT_EQ(matches, n.size() > 4 && g_ascii_strcasecmp(n.c_str() + n.size() - 4, ".exe") == 0) << name;
    }
    g_object_unref(filter);
}

TEST(GtkBackend, GlyphImagesLeaveOutTheBottomLeftColour) {
    TBitmap glyph; // two 2 x 2 images: key (248, 0, 248) bottom left, red, and grey
    FillBitmap24(glyph, 4, 2, [](int x, int y) {
        return y == 1 && x % 2 == 0 ? 0xF800F8u : x < 2 ? 0x0000FFu : 0x808080u;
    });
    for (int index : {0, 1}) {
        GdkPixbuf* p = GlyphPixbuf(glyph, 2, index);
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(gdk_pixbuf_get_width(p), 2);
        const guchar* px = gdk_pixbuf_get_pixels(p);
        const int stride = gdk_pixbuf_get_rowstride(p);
        EXPECT_EQ(px[stride + 3], 0) << "bottom-left pixel transparent, image " << index;
        EXPECT_EQ(px[3], 255) << "top-left pixel opaque, image " << index;
        EXPECT_EQ(px[0], index == 0 ? 255 : 128) << "red channel, image " << index;
        EXPECT_EQ(px[2], index == 0 ? 0 : 128) << "blue channel, image " << index;
        g_object_unref(p);
    }
}

TEST(GtkBackend, TimersTickOnTheLoopAndMayStopThemselves) {
    ASSERT_TRUE(gtk_init_check(nullptr, nullptr));
    TGtkBackend backend;
    int ticks = 0, otherTicks = 0;
    uintptr_t id = 0;
    id = backend.StartTimer(5, [&] {
        if (++ticks == 3) {
            backend.StopTimer(id);
            backend.Terminate();
        }
    });
    const uintptr_t other = backend.StartTimer(1, [&] { ++otherTicks; });
    backend.Run();
    EXPECT_EQ(ticks, 3);
    EXPECT_GT(otherTicks, 0);
    backend.StopTimer(other);
    // Stopped timers stay quiet while the loop keeps running.
    const int before = otherTicks;
    for (int i = 0; i < 20; ++i) {
        g_usleep(2000);
        while (gtk_events_pending()) gtk_main_iteration();
    }
    EXPECT_EQ(otherTicks, before);
    EXPECT_EQ(ticks, 3);
}

// A successful launch arms the close timer for the 2000 ms of the window description: GLib's own
// expiry time of the source lies two seconds after the click.
TEST(GtkBackend, ASuccessfulLaunchArmsTheCloseTimerOnTheLoopForTwoSeconds) {
    ASSERT_TRUE(gtk_init_check(nullptr, nullptr));
    struct TArming : TGtkBackend {
        uintptr_t StartTimer(unsigned IntervalMs, std::function<void()> Tick) override {
            return Armed = TGtkBackend::StartTimer(IntervalMs, std::move(Tick));
        }
        uintptr_t Armed{0};
    } backend;
    FakePlatform platform;
    TApplication app(backend, platform.Program.Path);
    Application = &app;
    auto* form = new TMainForm(&app, platform.Services);
    app.SetMainForm(form);
    form->DoCreate();
    form->ServerEdit->SetText("C:\\Velundo\\Velundo.exe");
    const gint64 before = g_get_monotonic_time();
    form->BitBtn1->Click();
    const gint64 after = g_get_monotonic_time();
    GSource* source = g_main_context_find_source_by_id(nullptr, backend.TimerSource(backend.Armed));
    ASSERT_NE(source, nullptr) << "no timer armed";
    EXPECT_GE(g_source_get_ready_time(source), before + 2000 * G_TIME_SPAN_MILLISECOND);
    EXPECT_LE(g_source_get_ready_time(source), after + 2000 * G_TIME_SPAN_MILLISECOND);
    Application = nullptr;
}

TEST(GtkBackend, TerminateBeforeTheLoopMeansNoLoop) {
    ASSERT_TRUE(gtk_init_check(nullptr, nullptr));
    TGtkBackend backend;
    backend.Terminate();
    backend.Run(); // returns at once
    EXPECT_TRUE(backend.Terminated());
}

namespace {
// The first shown toplevel of the type, other than Except.
GtkWindow* ShownWindow(GType Type, GtkWindow* Except = nullptr) {
    GtkWindow* found = nullptr;
    GList* windows = gtk_window_list_toplevels();
    for (GList* l = windows; l && !found; l = l->next)
        if (G_TYPE_CHECK_INSTANCE_TYPE(l->data, Type) && gtk_widget_get_mapped(GTK_WIDGET(l->data)) &&
            l->data != Except)
            found = GTK_WINDOW(l->data);
    g_list_free(windows);
    return found;
}

void Pump(int Rounds = 20) {
    for (int i = 0; i < Rounds; ++i) {
        while (gtk_events_pending()) gtk_main_iteration();
        g_usleep(2000);
    }
}

// A user at a modal dialog: each step waits for its window, looks, and answers it.
struct TDialogScript {
    std::vector<std::function<bool()>> Steps; // true when the step is done
    size_t Next{0};
    int Ticks{0};
    // A step that never comes true fails the test instead of leaving the dialog open for ever.
    static gboolean Tick(gpointer Self) {
        auto* s = static_cast<TDialogScript*>(Self);
        if (s->Next < s->Steps.size() && s->Steps[s->Next]()) ++s->Next;
        if (s->Next < s->Steps.size() && ++s->Ticks > 1000) {
            ADD_FAILURE() << "step " << s->Next << " did not come true in 20 s";
            s->Next = s->Steps.size() + 1;
            if (GtkWindow* open = ShownWindow(GTK_TYPE_DIALOG)) gtk_dialog_response(GTK_DIALOG(open), GTK_RESPONSE_CANCEL);
            return G_SOURCE_CONTINUE; // until no dialog is left
        }
        if (s->Next > s->Steps.size()) {
            GtkWindow* open = ShownWindow(GTK_TYPE_DIALOG);
            if (open) gtk_dialog_response(GTK_DIALOG(open), GTK_RESPONSE_CANCEL);
            return open ? G_SOURCE_CONTINUE : G_SOURCE_REMOVE;
        }
        return s->Next < s->Steps.size() ? G_SOURCE_CONTINUE : G_SOURCE_REMOVE;
    }
    void Start() {
        Source = g_timeout_source_new(20);
        g_source_set_callback(Source, &TDialogScript::Tick, this, nullptr);
        g_source_attach(Source, nullptr);
    }
    ~TDialogScript() {
        if (!Source) return;
        g_source_destroy(Source);
        g_source_unref(Source);
    }
    GSource* Source{nullptr};
};

class GtkDialogs : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(gtk_init_check(nullptr, nullptr));
        Main = GTK_WINDOW(gtk_window_new(GTK_WINDOW_TOPLEVEL));
        gtk_window_set_default_size(Main, 506, 294);
        gtk_widget_show(GTK_WIDGET(Main));
        Backend.SetMainWindow(Main);
        Pump();
    }
    void TearDown() override {
        Backend.SetMainWindow(nullptr);
        gtk_widget_destroy(GTK_WIDGET(Main));
    }
    // Whether a client sees where its windows stand: X11 tells it; Wayland does not (the compositor
    // places every window, and GTK reports 0, 0).
    static bool PositionsKnown() { return !GDK_IS_WAYLAND_DISPLAY(gdk_display_get_default()); }
    // The window lies on the screen's work area. On Wayland, where the compositor places it and may
    // draw a frame around it, the window keeps the dialogs' margin from every edge of the work area.
    static bool Fits(GtkWindow* Window) {
        const GdkRectangle area = WorkArea(GTK_WIDGET(Window));
        int x = 0, y = 0, w = 0, h = 0;
        gtk_window_get_size(Window, &w, &h);
        if (!PositionsKnown())
            return w + 2 * kScreenMargin <= area.width && h + 2 * kScreenMargin <= area.height;
        gtk_window_get_position(Window, &x, &y);
        return x >= area.x && y >= area.y && x + w <= area.x + area.width && y + h <= area.y + area.height;
    }
    // The window lies on the screen's work area and belongs to the launcher's window.
    void ExpectFitsAndBelongs(GtkWindow* Window, const char* What) {
        int w = 0, h = 0;
        gtk_window_get_size(Window, &w, &h);
        EXPECT_EQ(gtk_window_get_transient_for(Window), Main) << What;
        EXPECT_TRUE(gtk_window_get_modal(Window)) << What;
        EXPECT_TRUE(Fits(Window)) << What << " of size " << w << "x" << h << " does not fit the work area";
    }
    TGtkBackend Backend;
    GtkWindow* Main{nullptr};
};

// Picks Name in the open chooser and confirms, once GTK has selected it.
std::function<bool()> Choose(std::string Name) {
    return [Name, asked = false, waited = 0]() mutable {
        GtkWindow* w = ShownWindow(GTK_TYPE_FILE_CHOOSER_DIALOG);
        if (!w) return false;
        if (!asked || ++waited % 25 == 0) asked = gtk_file_chooser_set_filename(GTK_FILE_CHOOSER(w), Name.c_str());
        gchar* now = gtk_file_chooser_get_filename(GTK_FILE_CHOOSER(w));
        const bool selected = now && Name == now;
        g_free(now);
        if (selected) gtk_dialog_response(GTK_DIALOG(w), GTK_RESPONSE_ACCEPT);
        return selected;
    };
}
} // namespace

TEST_F(GtkDialogs, TheFileChooserFitsTheScreenStartsAtHomeForWindowsDrivesAndListsExeFiles) {
    gchar* tmp = g_dir_make_tmp("velundo-chooser-XXXXXX", nullptr);
    const std::string folder = tmp;
    g_free(tmp);
    struct Row {
        std::string InitialDir, Folder;
    } rows[] = {{"c:\\", g_get_home_dir()}, {"Z:" + folder, folder}};
    for (const Row& row : rows) {
        std::string seenFolder, filterName;
        int filters = 0;
        TDialogScript user;
        user.Steps.push_back([&] {
            GtkWindow* w = ShownWindow(GTK_TYPE_FILE_CHOOSER_DIALOG);
            if (!w) return false;
            // The fit to the screen comes once the dialog is up.
            for (int i = 0; i < 100 && !Fits(w); ++i) Pump(1);
            ExpectFitsAndBelongs(w, "file chooser");
            // The chooser learns its folder asynchronously (NULL until then). A dialog restored at the
            // size its settings kept from the last one fits at once, before that; so wait for it.
            for (int i = 0; i < 500 && seenFolder.empty(); ++i) {
                gchar* f = gtk_file_chooser_get_current_folder(GTK_FILE_CHOOSER(w));
                seenFolder = f ? f : "";
                g_free(f);
                if (seenFolder.empty()) Pump(1);
            }
            GSList* all = gtk_file_chooser_list_filters(GTK_FILE_CHOOSER(w));
            filters = static_cast<int>(g_slist_length(all));
            g_slist_free(all);
            if (GtkFileFilter* in = gtk_file_chooser_get_filter(GTK_FILE_CHOOSER(w)))
                filterName = gtk_file_filter_get_name(in);
            gtk_dialog_response(GTK_DIALOG(w), GTK_RESPONSE_CANCEL);
            return true;
        });
        user.Start();
        std::string chosen = "unchanged";
        EXPECT_FALSE(Backend.OpenFileDialog({"*.exe|*.exe", row.InitialDir, "", "", false}, chosen));
        EXPECT_EQ(chosen, "unchanged");
        EXPECT_EQ(user.Next, user.Steps.size()) << "the chooser never showed";
        EXPECT_EQ(seenFolder, row.Folder) << "initial folder " << row.InitialDir;
        EXPECT_EQ(filters, 1);
        EXPECT_EQ(filterName, "*.exe");
    }
    g_rmdir(folder.c_str());
}

TEST_F(GtkDialogs, AChosenFileKeepsItsNativePathAndANameWindows1252LacksIsRefused) {
    gchar* tmp = g_dir_make_tmp("velundo-chosen-XXXXXX", nullptr);
    const std::string folder = tmp;
    g_free(tmp);
    // A character Windows-1252 lacks; a backslash, which would be read back as a separator; a line
    // break, which would split the stored value.
    const std::vector<std::string> unfits = {folder + "/\xE4\xB8\xAD.exe", folder + "/a\\b.exe", folder + "/V\nneu.exe"};
    const std::string unfit = unfits[0], fit = folder + "/M\xC3\xBCller.exe";
    for (const std::string& name : unfits) g_file_set_contents(name.c_str(), "", 0, nullptr);
    g_file_set_contents(fit.c_str(), "", 0, nullptr);
    std::vector<std::string> refusals;
    TDialogScript user;
    for (const std::string& name : unfits) {
        user.Steps.push_back(Choose(name));
        user.Steps.push_back([&] {
            GtkWindow* w = ShownWindow(GTK_TYPE_MESSAGE_DIALOG);
            if (!w) return false;
            ExpectFitsAndBelongs(w, "refusal");
            gchar* text = nullptr;
            g_object_get(w, "text", &text, nullptr);
            refusals.push_back(text ? text : "");
            g_free(text);
            gtk_dialog_response(GTK_DIALOG(w), GTK_RESPONSE_OK);
            return true;
        });
    }
    user.Steps.push_back(Choose(fit));
    user.Start();
    const std::string before = g_get_current_dir();
    std::string chosen;
    EXPECT_TRUE(Backend.OpenFileDialog({"*.exe|*.exe", "Z:" + folder, "", "", false}, chosen));
    EXPECT_EQ(user.Next, user.Steps.size());
    EXPECT_EQ(chosen, folder + "/M\xFCller.exe") << "the native path, in Windows-1252";
    ASSERT_EQ(refusals.size(), unfits.size());
    for (const std::string& refusal : refusals)
        EXPECT_NE(refusal.find("nicht \xC3\xBC" "bernommen"), std::string::npos) << refusal;
    EXPECT_NE(refusals[0].find(unfit), std::string::npos) << "the refusal names the file: " << refusals[0];
    gchar* now = g_get_current_dir();
    EXPECT_EQ(std::string(now), folder) << "the current folder is the chosen file's";
    g_free(now);
    g_chdir(before.c_str());
    for (const std::string& name : unfits) g_remove(name.c_str());
    g_remove(fit.c_str());
    g_rmdir(folder.c_str());
}

TEST_F(GtkDialogs, TheMessageBoxIsCentredWithAnOkButtonOfPushButtonWidthAndEvenLines) {
    const std::string text = "Bitte geben Sie zuerst in Einstellungen den Pfad f\xFCr Ihre Serverversion an!";
    const std::string longer = "Kann Programm nicht starten: /home/ann/Server mit einem sehr langen Namen/und noch "
                               "einem Ordner/Velundo Server.exe";
    for (const std::string& message : {text, longer}) {
        TDialogScript user;
        user.Steps.push_back([&] {
            auto* w = ShownWindow(GTK_TYPE_MESSAGE_DIALOG);
            if (!w) return false;
            Pump(5);
            ExpectFitsAndBelongs(w, "message");
            EXPECT_STREQ(gtk_window_get_title(w), "Velundo_client");
            int x = 0, y = 0, width = 0, height = 0;
            gtk_window_get_position(w, &x, &y);
            gtk_window_get_size(w, &width, &height);
            const GdkRectangle area = WorkArea(GTK_WIDGET(w));
            // On Wayland no client learns or chooses where its windows stand: the compositor places
            // the dialog (sway centres it on the output, GNOME and KDE over the launcher's window).
            if (PositionsKnown()) {
                EXPECT_NEAR(x + width / 2, area.x + area.width / 2, 1) << "centred across";
                EXPECT_NEAR(y + height / 2, area.y + area.height / 2, 1) << "centred down";
            }
            // Within the dialog's contents (GTK may draw a frame with a shadow around them).
            GtkWidget* contents = gtk_bin_get_child(GTK_BIN(w));
            GtkWidget* ok = gtk_dialog_get_widget_for_response(GTK_DIALOG(w), GTK_RESPONSE_OK);
            GtkAllocation button;
            gtk_widget_get_allocation(ok, &button);
            const int inner = gtk_widget_get_allocated_width(contents);
            EXPECT_GE(button.width, 75);
            EXPECT_LT(button.width, inner / 2) << "the OK button spans the dialog";
            int bx = 0, by = 0;
            gtk_widget_translate_coordinates(ok, contents, 0, 0, &bx, &by);
            EXPECT_NEAR(bx + button.width / 2, inner / 2, 2) << "button centred";
            // Pango's own lines of the label as shown: more than one word on the last.
            GtkWidget* area2 = gtk_message_dialog_get_message_area(GTK_MESSAGE_DIALOG(w));
            GList* labels = gtk_container_get_children(GTK_CONTAINER(area2));
            PangoLayout* layout = gtk_label_get_layout(GTK_LABEL(labels->data));
            g_list_free(labels);
            const int lines = pango_layout_get_line_count(layout);
            EXPECT_GT(lines, 1) << "the text is wrapped";
            PangoLayoutLine* last = pango_layout_get_line_readonly(layout, lines - 1);
            const std::string lastLine(pango_layout_get_text(layout) + last->start_index, last->length);
            EXPECT_NE(lastLine.find(' '), std::string::npos) << "a lone last word: '" << lastLine << "'";
            gtk_dialog_response(GTK_DIALOG(w), GTK_RESPONSE_OK);
            return true;
        });
        user.Start();
        Backend.MessageDialog(message, "Velundo_client");
        EXPECT_EQ(user.Next, user.Steps.size());
    }
}
