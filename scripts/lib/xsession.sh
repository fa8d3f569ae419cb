# Shared by the checks that run the real Linux program under Xvfb (sourced, not run).

# Re-runs the calling script under xvfb-run, which takes a free display from :99 up with its own
# authority file, so a display :0 that belongs to the machine is never touched. Without -noreset the
# server resets whenever its last client leaves, and a program connecting just then finds no display.
velundo_under_xvfb() {
  if [ -z "${VELUNDO_GUI_DISPLAY_READY:-}" ]; then
    exec env VELUNDO_GUI_DISPLAY_READY=1 xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp -noreset" "$@"
  fi
  export NO_AT_BRIDGE=1 GDK_BACKEND=x11
}

# The first window named exactly $1, waited for up to 10 s; empty when none came. xdotool matches
# names as case-blind patterns ("Velundo_client" would find GDK's "Velundo_Client" leader window),
# so every candidate's name is compared as it is.
velundo_find_window() {
  local w
  for w in $(xdotool search --name "^$1\$" 2>/dev/null); do
    [ "$(xdotool getwindowname "$w" 2>/dev/null)" = "$1" ] && { echo "$w"; return; }
  done
}
velundo_wait_window() {
  local win=
  for _ in $(seq 100); do
    win=$(velundo_find_window "$1")
    [ -n "$win" ] && break
    sleep 0.1
  done
  echo "$win"
}

# Builds into folder $1 a helper that sends a window what the close button of a window manager sends,
# the WM_DELETE_WINDOW message (Xvfb runs no window manager): close-window WINDOW-ID.
velundo_build_close_helper() {
  cat >"$1/close-window.c" <<'C'
#include <X11/Xlib.h>
#include <stdlib.h>
int main(int argc, char** argv) {
    Display* d = XOpenDisplay(NULL);
    if (!d || argc < 2) return 1;
    XEvent e = {0};
    e.xclient.type = ClientMessage;
    e.xclient.window = (Window)strtoul(argv[1], NULL, 0);
    e.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = (long)XInternAtom(d, "WM_DELETE_WINDOW", False);
    e.xclient.data.l[1] = CurrentTime;
    XSendEvent(d, e.xclient.window, False, NoEventMask, &e);
    XCloseDisplay(d);
    return 0;
}
C
  cc -o "$1/close-window" "$1/close-window.c" -lX11
}

# Waits up to 10 s for process $1 (a child of the calling shell) to end; sets exit_status to its
# status, or to nothing while it still runs. Not for $(...): a subshell cannot wait for it.
velundo_wait_exit() {
  exit_status=
  for _ in $(seq 100); do
    if ! kill -0 "$1" 2>/dev/null; then
      wait "$1"
      exit_status=$?
      return
    fi
    sleep 0.1
  done
}
