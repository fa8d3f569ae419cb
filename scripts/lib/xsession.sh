# Shared by the end-to-end checks that run a real program under Xvfb (sourced, not run): the X
# session in a home of its own, the start and end of the programs, waiting for a condition, a window
# or an exit, the control rectangles of the main window, clicks and screenshots. Every wait polls
# with a time limit; nothing sleeps a fixed time.

velundo_session_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

# velundo_under_xvfb NAME [--bridge|--wine|--any-client] SCRIPT ARGS...: re-runs the calling script as on a desktop, but
# on nothing of the user's: in a home of its own, build/gui-home/NAME (HOME, the XDG folders, a private
# runtime folder), with a session bus of its own (scripts/lib/gui-session; --bridge: the script starts
# GTK, whose accessibility bridge must come up on that bus; --wine: the script runs Wine, whose windows'
# WM_STATE scripts/lib/with-wm-state keeps as a window manager would), and on an Xvfb display that xvfb-run
# takes from :99 up with its own authority file, so a display :0 that belongs to the machine is never
# touched (--any-client: the display takes clients without the file too, for programs the script runs
# as another user). Without -noreset the server resets whenever its last client leaves, and a program
# connecting just then finds no display.
velundo_under_xvfb() {
  local name=$1 bridge= keeper= access=
  shift
  [ "$1" = --bridge ] && { bridge=--bridge; shift; }
  [ "$1" = --wine ] && { keeper=$velundo_session_root/scripts/lib/with-wm-state; shift; }
  [ "$1" = --any-client ] && { access=-ac; shift; }
  if [ -z "${VELUNDO_GUI_DISPLAY_READY:-}" ]; then
    exec env VELUNDO_GUI_DISPLAY_READY=1 "$velundo_session_root/scripts/lib/gui-session" $bridge \
      "$velundo_session_root/build/gui-home/$name" \
      xvfb-run -a -s "$access -screen 0 1024x768x24 -nolisten tcp -noreset" $keeper "$@"
  fi
  export GDK_BACKEND=x11
}

# velundo_need NAME PRESET FILE...: ends check NAME at once when a FILE that the PRESET builds is missing.
velundo_need() {
  local name=$1 preset=$2 file
  shift 2
  for file in "$@"; do
    [ -e "$file" ] || { echo "$name: $file is missing (build the $preset preset first)" >&2; exit 1; }
  done
}

# velundo_gui_begin NAME: the check's problems are counted by fail; its files go to a folder of its
# own, $work, with the helper close-window (velundo_build_close_helper) in it. At the end the program
# still running ($app) is stopped, velundo_gui_cleanup runs when the script defines one, and $work is
# removed.
velundo_gui_begin() {
  velundo_name=$1 errors=0 app= work=$(mktemp -d)
  trap velundo_gui_end EXIT
  velundo_build_close_helper "$work" || { echo "$velundo_name: cannot build the close helper" >&2; exit 1; }
}
velundo_gui_end() {
  [ -n "$app" ] && kill "$app" 2>/dev/null
  declare -F velundo_gui_cleanup >/dev/null && velundo_gui_cleanup
  rm -rf "$work"
}
fail() { echo "$velundo_name: $*" >&2; errors=$((errors + 1)); }
# Ends the check: status 1 after any problem, else prints "NAME: $1".
velundo_gui_done() {
  if ((errors)); then echo "$velundo_name: $errors problem(s)" >&2; exit 1; fi
  echo "$velundo_name: $1"
}

# velundo_start FOLDER COMMAND...: runs COMMAND in FOLDER (its output in FOLDER/out.log) and waits up
# to ${velundo_window_wait:-10} seconds for its window "Velundo Client"; sets app and win (empty, and a
# problem counted, when none came).
velundo_start() {
  local folder=$1
  shift
  (cd "$folder" && exec "$@") >"$folder/out.log" 2>&1 &
  app=$!
  win=$(velundo_wait_window 'Velundo Client' "${velundo_window_wait:-10}")
  [ -n "$win" ] || { fail "no window named \"Velundo Client\"; output:"; cat "$folder/out.log" >&2; }
}
# velundo_close [TRIES]: sends the window $win the close request until the program $app ends, at most
# TRIES (default 1) times, each waiting up to 10 s (a program may still be busy with the input before);
# fails with $1 unless it then ended with status 0.
velundo_close() {
  local what=${1:-closing the window} tries
  exit_status=
  for ((tries = ${2:-1}; tries > 0; tries--)); do
    "$work/close-window" "$win"
    velundo_wait_exit "$app" && break
  done
  [ -n "$exit_status" ] && app=
  [ "$exit_status" = 0 ] || fail "$what ended the program with status '${exit_status:-none: it still runs}'"
}

# velundo_timed_close CLICKED: after a successful launch clicked at CLICKED (date +%s.%N, taken just
# before the click, so before the close timer was armed), the program must end by its two-second close
# timer with status 0: no earlier than 2.0 s after the click (a timer never fires early, on however
# loaded a machine) and within 5 s, which a wrong period does not meet.
velundo_timed_close() {
  local ended seconds
  velundo_wait_exit "$app" 5
  ended=$(date +%s.%N)
  seconds=$(awk -v a="$1" -v b="$ended" 'BEGIN { printf "%.2f", b - a }')
  if [ -z "$exit_status" ]; then fail "the launcher still runs $seconds s after the start"; return; fi
  app=
  echo "$velundo_name: the launcher closed $seconds s after the click on the start button"
  [ "$exit_status" -eq 0 ] || fail "the launcher ended with status $exit_status"
  awk -v s="$seconds" 'BEGIN { exit !(s >= 2.0 && s <= 5.0) }' ||
    fail "the launcher closed $seconds s after the start, not between 2.0 and 5 s"
}

# velundo_wait_until SECONDS COMMAND...: runs COMMAND every tenth of a second until it succeeds
# (status 0) or SECONDS have passed (status 1).
velundo_wait_until() {
  local seconds=$1 tries
  shift
  for ((tries = seconds * 10; tries > 0; tries--)); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

# The first window named exactly $1, or nothing. xdotool matches names as case-blind patterns
# ("Velundo_client" would find GDK's "Velundo_Client" leader window), so every candidate's name is
# compared as it is.
velundo_find_window() {
  local w
  for w in $(xdotool search --name "^$1\$" 2>/dev/null); do
    [ "$(xdotool getwindowname "$w" 2>/dev/null)" = "$1" ] && { echo "$w"; return; }
  done
}
velundo_has_window() { [ -n "$(velundo_find_window "$1")" ]; }
velundo_has_no_window() { [ -z "$(velundo_find_window "$1")" ]; }
# The window named $1, waited for up to $2 seconds (default 10); empty when none came.
velundo_wait_window() {
  velundo_wait_until "${2:-10}" velundo_has_window "$1" && velundo_find_window "$1"
}
# Waits up to $2 seconds (default 5) until no window is named $1.
velundo_wait_window_gone() { velundo_wait_until "${2:-5}" velundo_has_no_window "$1"; }
# velundo_other_window WINDOW: a shown window other than WINDOW (a dialog the program opened).
velundo_other_window() { xdotool search --onlyvisible --name . 2>/dev/null | grep -vx "$1" | head -1; }
velundo_has_other_window() { [ -n "$(velundo_other_window "$1")" ]; }
velundo_has_no_other_window() { [ -z "$(velundo_other_window "$1")" ]; }
# velundo_choose_in_gtk_chooser WINDOW PATH: waits for the file chooser that WINDOW's program opened,
# types PATH into its location field (Ctrl+L) and confirms it; false when no chooser comes.
velundo_choose_in_gtk_chooser() {
  local chooser=
  velundo_wait_until 10 velundo_has_other_window "$1" && chooser=$(velundo_other_window "$1")
  [ -n "$chooser" ] || return 1
  sleep 0.5
  xdotool windowfocus --sync "$chooser" 2>/dev/null
  xdotool key --clearmodifiers ctrl+l && sleep 0.3 && xdotool type --delay 20 "$2"
  sleep 0.3 && xdotool key --clearmodifiers Return
}
# velundo_choose_in_wine_dialog WINDOW PATH: types PATH as the file name in Wine's open-file dialog
# WINDOW (titled "Open") and confirms it, until the dialog is gone; false after three tries. Each try
# goes to the name field by its mnemonic (Alt+N) and empties it first, so that keys a busy Wine gave
# elsewhere, or lost, spoil nothing; a Return more closes a message the dialog may have shown.
velundo_choose_in_wine_dialog() {
  local try
  velundo_settled_screenshot "$1" "$work/open.png"
  for try in 1 2 3; do
    xdotool key --clearmodifiers alt+n Home shift+End BackSpace
    xdotool type --delay 5 "$2"
    velundo_settled_screenshot "$1" "$work/open.png"
    xdotool key Return
    velundo_wait_window_gone Open 3 && return 0
    xdotool key Return
    velundo_wait_window_gone Open 1 && return 0
  done
  return 1
}

# Waits up to $2 seconds (default 10) for process $1 (a child of the calling shell) to end; sets
# exit_status to its status, or to nothing while it still runs. Not for $(...): a subshell cannot
# wait for it.
velundo_wait_exit() {
  exit_status=
  velundo_wait_until "${2:-10}" velundo_has_ended "$1" || return 1
  wait "$1"
  exit_status=$?
}
velundo_has_ended() { ! kill -0 "$1" 2>/dev/null; }

# Builds into folder $1 the helper close-window WINDOW-ID, which sends a window what the close button
# of a window manager sends, the WM_DELETE_WINDOW message (Xvfb runs no window manager).
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

# --- The main window's controls, from its stored description ---------------------------------------

# Reads the control rectangles from the headless render tool's layout listing (the command given,
# for example "$build/tools/velundo_render_window" --layout, or that tool under Wine) into
# velundo_layout[NAME]="left top width height", in client coordinates of the main window.
declare -gA velundo_layout=()
velundo_load_layout() {
  local name left top width height listing
  listing=$("$@") || { echo "cannot list the window's layout with: $*" >&2; return 1; }
  while read -r name left top width height; do
    [ -n "$name" ] && velundo_layout[$name]="$left $top $width $height"
  done < <(tr -d '\r' <<<"$listing")
  [ ${#velundo_layout[@]} -gt 0 ] || { echo "the layout listing of $* is empty" >&2; return 1; }
}
# The rectangle of control $1: left top width height.
velundo_rect() {
  [ -n "${velundo_layout[$1]:-}" ] || { echo "no control $1 in the window's layout" >&2; return 1; }
  echo "${velundo_layout[$1]}"
}
# Clicks the middle of control $2 of window $1.
velundo_click() {
  local left top width height
  read -r left top width height < <(velundo_rect "$2") || return 1
  xdotool mousemove --window "$1" $((left + width / 2)) $((top + height / 2)) click 1
}
# Sets velundo_mask to ImageMagick arguments that paint controls $2... black, each grown by $1
# pixels on every side (for shadows and focus rings a toolkit draws around a control).
velundo_mask_controls() {
  local margin=$1 name left top width height
  shift
  velundo_mask=(-fill black)
  for name in "$@"; do
    read -r left top width height < <(velundo_rect "$name") || return 1
    velundo_mask+=(-draw "rectangle $((left - margin)),$((top - margin)) $((left + width - 1 + margin)),$((top + height - 1 + margin))")
  done
}

# velundo_matches_render RENDER SHOT MARGIN WHAT: counts a problem (named WHAT) unless screenshot SHOT
# shows exactly the headless RENDER outside the start button and the group box of the loaded layout,
# each grown by MARGIN pixels; status 1 then.
velundo_matches_render() {
  local differing
  velundo_mask_controls "$3" BitBtn1 GroupBox1 || { fail "$4: no layout of the window's controls"; return 1; }
  [ -s "$1" ] && [ -s "$2" ] || { fail "$4: no screenshot or no render to compare"; return 1; }
  convert "$1" "${velundo_mask[@]}" "$work/render-masked.png"
  convert "$2" "${velundo_mask[@]}" "$work/shot-masked.png"
  differing=$(compare -metric AE "$work/render-masked.png" "$work/shot-masked.png" null: 2>&1)
  [ "$differing" = "0" ] || { fail "$4: $differing pixels of the window differ from the headless render"; return 1; }
}

# --- Screenshots ------------------------------------------------------------------------------------

# Writes the client area of window $1 to file $2 (sets WIDTH, HEIGHT, X, Y from its geometry).
velundo_screenshot() {
  WIDTH= HEIGHT= X= Y=
  eval "$(xdotool getwindowgeometry --shell "$1")"
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$2" 2>/dev/null
}
# The file names the same pixels as the one before it and is not one flat colour.
velundo_same_painted_shot() {
  local next=${2%.png}.next.png deviation differing
  velundo_screenshot "$1" "$next" || return 1
  deviation=$(convert "$next" -colorspace gray -format '%[fx:int(1000*standard_deviation)]' info: 2>/dev/null)
  differing=$([ -s "$2" ] && compare -metric AE "$2" "$next" null: 2>&1)
  mv -f "$next" "$2"
  [ "${deviation:-0}" -gt 0 ] && [ "$differing" = "0" ]
}
# Waits up to $3 seconds (default 10) until window $1 is painted and two screenshots in a row agree,
# and leaves the last in file $2; status 1 when it did not settle.
velundo_settled_screenshot() {
  rm -f "$2"
  velundo_wait_until "${3:-10}" velundo_same_painted_shot "$1" "$2"
}

# The edge energy of the part $2 (an ImageMagick geometry such as 80x50+424+7) of picture $1: the mean
# squared difference of neighbouring pixels' grey values, across plus down, times a million. A sharp
# edge rises in one large step; a smoothed one spreads the same rise over several small steps, whose
# squares add up to less.
velundo_edge_energy() {
  local across down
  across=$(convert "$1" -crop "$2" +repage -colorspace gray \( +clone -roll +1+0 \) -compose difference \
    -composite -crop +1+0 +repage -evaluate pow 2 -format '%[fx:mean]' info: 2>/dev/null)
  down=$(convert "$1" -crop "$2" +repage -colorspace gray \( +clone -roll +0+1 \) -compose difference \
    -composite -crop +0+1 +repage -evaluate pow 2 -format '%[fx:mean]' info: 2>/dev/null)
  [ -n "$across" ] && [ -n "$down" ] && awk -v a="$across" -v d="$down" 'BEGIN { printf "%.0f\n", (a + d) * 1e6 }'
}

# The part of the caption "Client" that shows inside the banner panel (inside its one-pixel bevel), as
# an ImageMagick geometry, from the loaded layout.
velundo_caption_part() {
  local left top width height pleft ptop pwidth pheight
  read -r left top width height < <(velundo_rect AdvSmoothLabel1) || return 1
  read -r pleft ptop pwidth pheight < <(velundo_rect Panel1) || return 1
  ((width > pleft + pwidth - 1 - left)) && width=$((pleft + pwidth - 1 - left))
  ((height > ptop + pheight - 1 - top)) && height=$((ptop + pheight - 1 - top))
  echo "${width}x${height}+${left}+${top}"
}
# Whether part $4 of picture $3, drawn at twice the resolution, has sharper edges than part $2 of
# picture $1 resized to twice its size: at least 5/4 of its edge energy. Prints both energies.
velundo_sharper_than_resize() {
  local resized smooth sharp
  resized=$(mktemp --suffix=.png)
  convert "$1" -crop "$2" +repage -resize 200% "$resized" 2>/dev/null
  smooth=$(velundo_edge_energy "$resized" "$(identify -format '%wx%h+0+0' "$resized" 2>/dev/null)")
  sharp=$(velundo_edge_energy "$3" "$4")
  rm -f "$resized"
  echo "edge energy of the caption: ${sharp:-none} drawn at 2x, ${smooth:-none} resized from 1x"
  [ -n "$smooth" ] && [ -n "$sharp" ] && ((sharp * 4 >= smooth * 5))
}

# velundo_window_points SHOT: points of the real window at 96 dots per inch (SHOT: its client area)
# worked out from the window's stored numbers, not from our render; counts a problem for each miss.
# Background: client row y shows gradient row y + 16 (310 rows aligned to the bottom of 294); band i
# spans gradient rows round(3.1 i) to round(3.1 (i + 1)) in round(start + i (end - start) / 100) per
# channel, from 239,246,253 to 199,218,240: row 57 is band 23, row 58 band 24 (229.4, 239.28,
# 249.88), row 140 band 50, row 200 band 69 (211.4, 226.68, 244.03), row 293 band 99.
velundo_band_points=("8 57 230,240,250" "8 58 229,239,250" "8 140 219,232,246" "495 200 211,227,244"
  "8 293 199,218,240")
# Banner: djpeg's decoding of resources/banner.jpg at its natural size inside the panel's bevel (from
# 1, 1); only the caption "Client" may differ from it, by more than velundo_ink_fuzz. The caption's
# text box starts at the label's left edge, column 424 (the first glyph a few pixels after it), and is
# centred in the label's text rectangle, rows 7 to 56: its ink (20-point letters, 19 pixels high, and
# the shadow one below) centred on row 31.5 within 2 rows.
velundo_ink_fuzz=4%
velundo_window_points() {
  local shot=$1 point x y want got banner ink w h left top
  for point in "${velundo_band_points[@]}"; do
    read -r x y want <<<"$point"
    got=$(convert "$shot" -format "%[pixel:p{$x,$y}]" info: 2>/dev/null)
    [ "$got" = "srgb($want)" ] || fail "the background at $x,$y is ${got:-unreadable}, expected srgb($want)"
  done
  banner=$(mktemp --suffix=.bmp)
  djpeg -bmp "$velundo_session_root/resources/banner.jpg" >"$banner" || fail "djpeg cannot decode the banner"
  ink=$(convert \( "$banner" -crop 504x55+0+0 +repage \) \( "$shot" -crop 504x55+1+1 +repage \) \
    -compose difference -composite -threshold "$velundo_ink_fuzz" -format %@ info: 2>/dev/null)
  rm -f "$banner"
  IFS='x+' read -r w h left top <<<"$ink"
  left=$((${left:-0} + 1)) top=$((${top:-0} + 1))
  if ! ((${w:-0} > 0 && h > 0 && left >= 424 && left <= 431 && h >= 15 && h <= 25 &&
    2 * top + h - 1 >= 59 && 2 * top + h - 1 <= 67)); then
    fail "the caption's ink in the banner is ${w:-0}x${h:-0} from $left,$top, expected from about 424..431, 15 to 25 rows centred on 31.5"
  fi
}
