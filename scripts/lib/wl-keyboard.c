// wl-keyboard: a keyboard for a Wayland compositor that has none (sway's headless backend): a virtual
// keyboard (virtual-keyboard-unstable-v1) with one fixed keymap, the German layout, sent once. GTK 3
// ignores the keys it handles through bindings (Return, space) once a keymap changes, as it does with
// tools that send a keymap of their own for every text.
// Says "ready" once the compositor has the keyboard, then reads one command a line from standard
// input and answers each with "ok" (or "error: ...") once the compositor has taken the keys:
//   key [shift+][ctrl+][alt+]NAME   presses and releases the key of the keysym NAME (Tab, Return, l)
//   type TEXT                       types the UTF-8 TEXT, each character with the modifiers it needs
#define _GNU_SOURCE
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/mman.h>
#include <time.h>
#include <unistd.h>
#include <wayland-client.h>
#include <xkbcommon/xkbcommon.h>

#include "virtual-keyboard-unstable-v1-client-protocol.h"

static struct wl_display* display;
static struct wl_seat* seat;
static struct zwp_virtual_keyboard_manager_v1* manager;
static struct zwp_virtual_keyboard_v1* keyboard;
static struct xkb_keymap* keymap;

static void global(void* data, struct wl_registry* registry, uint32_t name, const char* interface,
                   uint32_t version) {
    (void)data, (void)version;
    if (!strcmp(interface, wl_seat_interface.name) && !seat)
        seat = wl_registry_bind(registry, name, &wl_seat_interface, 1);
    else if (!strcmp(interface, zwp_virtual_keyboard_manager_v1_interface.name))
        manager = wl_registry_bind(registry, name, &zwp_virtual_keyboard_manager_v1_interface, 1);
}
static void global_remove(void* data, struct wl_registry* registry, uint32_t name) {
    (void)data, (void)registry, (void)name;
}
static const struct wl_registry_listener registry_listener = {global, global_remove};

static uint32_t now_ms(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (uint32_t)(t.tv_sec * 1000 + t.tv_nsec / 1000000);
}

// The key giving keysym Sym in the first layout, and the modifiers of its level; 0 when none does.
static xkb_keycode_t find_key(xkb_keysym_t sym, xkb_mod_mask_t* mods) {
    for (xkb_keycode_t key = xkb_keymap_min_keycode(keymap); key <= xkb_keymap_max_keycode(keymap); key++)
        for (xkb_level_index_t level = 0; level < xkb_keymap_num_levels_for_key(keymap, key, 0); level++) {
            const xkb_keysym_t* syms;
            xkb_mod_mask_t masks[4];
            if (xkb_keymap_key_get_syms_by_level(keymap, key, 0, level, &syms) == 1 && syms[0] == sym &&
                xkb_keymap_key_get_mods_for_level(keymap, key, 0, level, masks, 4) > 0) {
                *mods = masks[0];
                return key;
            }
        }
    return 0;
}

static int press(xkb_keycode_t key, xkb_mod_mask_t mods) {
    zwp_virtual_keyboard_v1_modifiers(keyboard, mods, 0, 0, 0);
    zwp_virtual_keyboard_v1_key(keyboard, now_ms(), key - 8, WL_KEYBOARD_KEY_STATE_PRESSED); // evdev codes
    zwp_virtual_keyboard_v1_key(keyboard, now_ms(), key - 8, WL_KEYBOARD_KEY_STATE_RELEASED);
    zwp_virtual_keyboard_v1_modifiers(keyboard, 0, 0, 0, 0);
    return wl_display_roundtrip(display) >= 0 ? 0 : -1;
}

static xkb_mod_mask_t modifier(const char* name) {
    return 1u << xkb_keymap_mod_get_index(keymap, name);
}

static const char* key_command(char* chord) {
    xkb_mod_mask_t extra = 0, mods = 0;
    char* plus;
    while ((plus = strchr(chord, '+')) && plus[1]) {
        *plus = 0;
        if (!strcmp(chord, "shift"))
            extra |= modifier(XKB_MOD_NAME_SHIFT);
        else if (!strcmp(chord, "ctrl"))
            extra |= modifier(XKB_MOD_NAME_CTRL);
        else if (!strcmp(chord, "alt"))
            extra |= modifier(XKB_MOD_NAME_ALT);
        else
            return "no such modifier";
        chord = plus + 1;
    }
    const xkb_keycode_t key = find_key(xkb_keysym_from_name(chord, XKB_KEYSYM_NO_FLAGS), &mods);
    if (!key) return "no key gives that keysym";
    return press(key, mods | extra) ? "the compositor is gone" : NULL;
}

static const char* type_command(const char* text) {
    for (const unsigned char* p = (const unsigned char*)text; *p;) {
        uint32_t c = *p;
        int more = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
        c &= more ? 0x3F >> more : 0x7F;
        for (p++; more-- > 0; p++) {
            if ((*p & 0xC0) != 0x80) return "not UTF-8";
            c = c << 6 | (*p & 0x3F);
        }
        xkb_mod_mask_t mods = 0;
        const xkb_keycode_t key = find_key(xkb_utf32_to_keysym(c), &mods);
        if (!key) return "a character the keymap lacks";
        if (press(key, mods)) return "the compositor is gone";
    }
    return NULL;
}

static int send_keymap(void) {
    char* text = xkb_keymap_get_as_string(keymap, XKB_KEYMAP_FORMAT_TEXT_V1);
    const size_t size = strlen(text) + 1;
    const int fd = memfd_create("keymap", MFD_CLOEXEC);
    size_t done = 0;
    while (fd >= 0 && done < size) {
        const ssize_t n = write(fd, text + done, size - done);
        if (n <= 0) break;
        done += (size_t)n;
    }
    free(text);
    if (done < size) return -1;
    zwp_virtual_keyboard_v1_keymap(keyboard, WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1, fd, (uint32_t)size);
    close(fd);
    return wl_display_roundtrip(display) >= 0 ? 0 : -1;
}

int main(void) {
    display = wl_display_connect(NULL);
    if (!display) return fprintf(stderr, "wl-keyboard: no Wayland display\n"), 1;
    wl_registry_add_listener(wl_display_get_registry(display), &registry_listener, NULL);
    wl_display_roundtrip(display);
    if (!seat || !manager)
        return fprintf(stderr, "wl-keyboard: the compositor offers no virtual keyboard\n"), 1;
    struct xkb_context* context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    const struct xkb_rule_names names = {"evdev", "pc105", "de", "", ""};
    keymap = context ? xkb_keymap_new_from_names(context, &names, XKB_KEYMAP_COMPILE_NO_FLAGS) : NULL;
    if (!keymap) return fprintf(stderr, "wl-keyboard: no German keymap (xkb-data)\n"), 1;
    keyboard = zwp_virtual_keyboard_manager_v1_create_virtual_keyboard(manager, seat);
    if (send_keymap()) return fprintf(stderr, "wl-keyboard: the compositor took no keymap\n"), 1;
    printf("ready\n");
    fflush(stdout);
    char* line = NULL;
    size_t capacity = 0;
    ssize_t length;
    while ((length = getline(&line, &capacity, stdin)) > 0) {
        if (line[length - 1] == '\n') line[length - 1] = 0;
        const char* error = !strncmp(line, "key ", 4)    ? key_command(line + 4)
                            : !strncmp(line, "type ", 5) ? type_command(line + 5)
                                                         : "unknown command";
        printf(error ? "error: %s\n" : "ok\n", error);
        fflush(stdout);
    }
    free(line);
    zwp_virtual_keyboard_v1_destroy(keyboard);
    wl_display_disconnect(display);
    return 0;
}
