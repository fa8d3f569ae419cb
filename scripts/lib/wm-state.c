// wm-state READY-FILE: on a display without a window manager (Xvfb), does the one part of a window
// manager's work that Wine's X11 driver waits for: it keeps the ICCCM WM_STATE property of each
// top-level window, Normal while the window is mapped and gone once it is unmapped. Wine hides a window only after the manager has
// shown it, and maps it again only after the manager has withdrawn it; with no manager it waits 2 s
// each time. Creates READY-FILE once it watches the display; ends with the display.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <stdio.h>

static int ignore(Display* d, XErrorEvent* e) { (void)d; (void)e; return 0; } // a window already gone

int main(int argc, char** argv) {
    Display* d = XOpenDisplay(NULL);
    if (!d || argc < 2) return 1;
    XSetErrorHandler(ignore);
    const Atom state = XInternAtom(d, "WM_STATE", False);
    XSelectInput(d, DefaultRootWindow(d), SubstructureNotifyMask);
    XSync(d, False);
    FILE* ready = fopen(argv[1], "w");
    if (!ready) return 1;
    fclose(ready);
    for (;;) {
        XEvent e;
        XNextEvent(d, &e); // ends the program when the display goes
        if (e.type == MapNotify && !e.xmap.override_redirect) {
            const long normal[2] = {NormalState, None};
            XChangeProperty(d, e.xmap.window, state, state, 32, PropModeReplace, (const unsigned char*)normal, 2);
        } else if (e.type == UnmapNotify) {
            XDeleteProperty(d, e.xunmap.window, state);
        }
        XFlush(d);
    }
}
