// The GTK back end's pieces that need no window: file patterns, glyph images, timers on the loop.
#include <gtest/gtest.h>

#include "framework/Graphics.h"
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
    TBitmap glyph;
    glyph.SetPixelFormat(pf24bit);
    glyph.SetSize(4, 2); // two 2 x 2 images: key (248, 0, 248) bottom left, red, and grey
    const uint8_t key[3] = {248, 0, 248}, red[3] = {0, 0, 255}, grey[3] = {128, 128, 128};
    const uint8_t* pixels[2][4] = {{red, red, grey, grey}, {key, red, key, grey}};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x)
            for (int c = 0; c < 3; ++c) glyph.ScanLine(y)[x * 3 + c] = pixels[y][x][c];
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

TEST(GtkBackend, TerminateBeforeTheLoopMeansNoLoop) {
    ASSERT_TRUE(gtk_init_check(nullptr, nullptr));
    TGtkBackend backend;
    backend.Terminate();
    backend.Run(); // returns at once
    EXPECT_TRUE(backend.Terminated());
}
