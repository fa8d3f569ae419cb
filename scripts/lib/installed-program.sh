# The installed Linux program as a user meets it (sourced by the package checks after xsession.sh,
# with the window's layout loaded and velundo_name set): started by an unprivileged user with a home,
# XDG folders and a session bus of its own on the current display (an Xvfb that takes any client:
# -ac), the user sees the window with its caption, chooses a server program in the file chooser,
# which the launcher keeps in its settings file, and starts it; the launcher then closes by its timer.

velundo_user=65534

# velundo_installed_run WORK SETTINGS [RUNNER...] PROGRAM: PROGRAM, run through RUNNER when it lies in
# a root (velundo_in_root, when set, runs readlink there too); WORK is an empty folder of ours,
# where the user's home (WORK/home), the server program (WORK/Server/Müller.exe: a name Windows-1252
# spells beyond ASCII) and the screenshots (WORK/window.png, chosen.png) go. SETTINGS: the file in
# which the chosen path must be kept. Sets velundo_program_exe to the program file of the window.
velundo_installed_run() {
  local work=$1 settings=$2 home=$1/home window pid uid clicked as_user
  shift 2
  velundo_user_home "$work" || { fail "cannot make the user's home in $work"; return 1; }
  as_user=(setpriv --reuid=$velundo_user --regid=$velundo_user --clear-groups env -i PATH=/usr/bin:/bin
    DISPLAY="$DISPLAY" HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_CACHE_HOME="$home/.cache"
    XDG_DATA_HOME="$home/.local/share" XDG_RUNTIME_DIR="$work/runtime" NO_AT_BRIDGE=1 GDK_BACKEND=x11)
  "${@:1:$#-1}" "${as_user[@]}" dbus-run-session -- "${@: -1}" >"$work/program.log" 2>&1 &
  app=$!
  window=$(velundo_wait_window 'Velundo Client' 15)
  [ -n "$window" ] || { fail "the program showed no window: $(tail -5 "$work/program.log")"; velundo_installed_stop; return 1; }
  pid=$(xdotool getwindowpid "$window")
  uid=$(stat -c %u "/proc/$pid")
  velundo_program_exe=$(${velundo_in_root:-} readlink "/proc/$pid/exe")
  [ "$uid" = $velundo_user ] || fail "the program ran as user $uid"
  velundo_settled_screenshot "$window" "$work/window.png" || fail "the window did not settle on a painted frame"
  [ -s "$work/window.png" ] && velundo_window_points "$work/window.png" # background and caption

  velundo_click "$window" PfadBitBtn
  if ! velundo_choose_in_gtk_chooser "$window" "$work/Server/Müller.exe"; then
    fail "\"Pfad auswählen\" opened no file chooser"
  else
    velundo_wait_until 5 test -s "$settings"
    # Kept as the user chose it, native and in Windows-1252.
    [ "$(cat "$settings" 2>/dev/null; echo .)" = \
      "$(printf '[SETTINGS]\r\nServerpath=%s\r\n.' "$work/Server/Müller.exe" | iconv -f UTF-8 -t CP1252)" ] ||
      fail "the settings file $settings holds: $(od -c "$settings" 2>&1 | head -5)"
    velundo_wait_until 5 velundo_has_no_other_window "$window" || fail "the file chooser stayed open"
    velundo_settled_screenshot "$window" "$work/chosen.png"
  fi

  clicked=$(date +%s.%N)
  velundo_click "$window" BitBtn1
  velundo_timed_close "$clicked"
  velundo_wait_until 2 test -e "$work/Server/started" || fail "\"Velundo starten\" did not start the chosen program"
  velundo_installed_stop
}
# The user's home, runtime folder and server program in WORK, all the user's own.
velundo_user_home() {
  local work=$1
  mkdir -p "$work/home/.config" "$work/home/.cache" "$work/home/.local/share" "$work/runtime" "$work/Server" &&
    printf '#!/bin/sh\necho started >"%s/Server/started"\n' "$work" >"$work/Server/Müller.exe" &&
    chmod 755 "$work/Server/Müller.exe" && chmod 700 "$work/runtime" &&
    chown -R $velundo_user:$velundo_user "$work/home" "$work/runtime" "$work/Server"
}
# Ends what still runs of the session begun by velundo_installed_run: the program and its bus end,
# and the session then ends of itself (ended itself, it would leave its bus).
velundo_installed_stop() {
  [ -n "$app" ] || return 0
  kill $(ps -o pid= --ppid "$app") 2>/dev/null
  wait "$app" 2>/dev/null
  app=
}
