#include "ui/gtk/GtkIcon.h"

#include <cstdint>
#include <map>
#include <string>

#include "platform/ProgramResource.h"

namespace {
unsigned Word(std::string_view Bytes, size_t At) {
    return static_cast<uint8_t>(Bytes[At]) | static_cast<uint8_t>(Bytes[At + 1]) << 8;
}
uint32_t DWord(std::string_view Bytes, size_t At) { return Word(Bytes, At) | Word(Bytes, At + 2) << 16; }

struct TEntry {
    unsigned Bits{0};
    std::string_view Directory, Image;
};

// The entry as an icon file of its own, which gdk-pixbuf's loader reads as it is.
GdkPixbuf* Decode(const TEntry& Entry) {
    std::string file("\0\0\1\0\1\0", 6);
    file.append(Entry.Directory.substr(0, 12));
    file.append("\x16\0\0\0", 4); // the picture follows the 22 bytes of header and entry
    file.append(Entry.Image);
    GdkPixbufLoader* loader = gdk_pixbuf_loader_new_with_type("ico", nullptr);
    if (!loader) return nullptr;
    GdkPixbuf* pixbuf = nullptr;
    if (gdk_pixbuf_loader_write(loader, reinterpret_cast<const guchar*>(file.data()), file.size(), nullptr) &&
        gdk_pixbuf_loader_close(loader, nullptr)) {
        pixbuf = gdk_pixbuf_loader_get_pixbuf(loader);
        if (pixbuf) g_object_ref(pixbuf);
    } else {
        gdk_pixbuf_loader_close(loader, nullptr);
    }
    g_object_unref(loader);
    return pixbuf;
}
} // namespace

GList* IconPixbufs(std::string_view Ico) {
    if (Ico.size() < 6 || Word(Ico, 0) != 0 || Word(Ico, 2) != 1) return nullptr;
    const unsigned count = Word(Ico, 4);
    std::map<unsigned, TEntry, std::greater<>> best; // by size, largest first
    for (unsigned i = 0; i < count; ++i) {
        const size_t at = 6 + 16 * size_t{i};
        if (at + 16 > Ico.size()) break;
        const unsigned size = static_cast<uint8_t>(Ico[at]) ? static_cast<uint8_t>(Ico[at]) : 256;
        const unsigned bits = Word(Ico, at + 6);
        const uint32_t length = DWord(Ico, at + 8), offset = DWord(Ico, at + 12);
        if (offset > Ico.size() || length > Ico.size() - offset) continue;
        TEntry& kept = best[size];
        if (kept.Image.empty() || bits > kept.Bits) kept = {bits, Ico.substr(at, 16), Ico.substr(offset, length)};
    }
    GList* list = nullptr;
    for (const auto& [size, entry] : best)
        if (GdkPixbuf* pixbuf = Decode(entry)) list = g_list_append(list, pixbuf);
    return list;
}

void SetProgramIcon(GtkWindow* Window) {
    const auto ico = ProgramResource("MAINICON");
    if (!ico) return;
    GList* icons = IconPixbufs(*ico);
    gtk_window_set_icon_list(Window, icons);
    g_list_free_full(icons, g_object_unref);
}
