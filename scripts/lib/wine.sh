# Shared by every script that runs Wine (sourced, not run). Wine runs only in the project's own
# prefix, build/wineprefix, which scripts/setup creates: the user's ~/.wine is never created, read
# or changed, and the only Wine server these scripts start or stop is the one of that prefix.
# With VELUNDO_WINE=debian13 the same scripts run Debian 13's Wine (10) from the checks' Debian 13
# root (debian13.sh) instead of this machine's, in a prefix of its own, build/debian13/wineprefix,
# made the same way.

velundo_wine_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
# Always ours, even when the caller's environment names another prefix (often ~/.wine).
export WINEPREFIX=$velundo_wine_root/build/wineprefix
# velundo_wine_tag tells the outputs of the two Wines apart (screenshots, folders); velundo_wine_exec
# runs a command where the Wine is (in the root, or here).
velundo_wine_tag= velundo_wine_exec=
case ${VELUNDO_WINE:-} in
"" | machine) ;;
debian13)
  . "$velundo_wine_root/scripts/lib/debian13.sh"
  export WINEPREFIX=$velundo_wine_root/build/debian13/wineprefix
  export PATH=$velundo_wine_root/scripts/lib/debian13-bin:$PATH
  velundo_wine_tag=-debian13 velundo_wine_exec=$velundo_wine_root/scripts/lib/in-debian13
  ;;
*) echo "wine: VELUNDO_WINE=$VELUNDO_WINE names no Wine (machine or debian13)" >&2; return 1 ;;
esac

# velundo_wine_each SCRIPT ARGS...: a check that runs under every Wine calls this first. Unless
# VELUNDO_WINE names one Wine, it runs SCRIPT under this machine's (VELUNDO_WINE=machine), then under
# Debian 13's (debian13), and ends with status 1 when either failed. Under Debian 13's, temporary
# files go to build/debian13/tmp, where the root sees them at the same path (Wine's programs and
# their folders, the display's authority file), and the home is build/debian13/home.
velundo_wine_each() {
  local status=0
  if [ -n "${VELUNDO_WINE:-}" ]; then
    [ "$VELUNDO_WINE" != debian13 ] || export TMPDIR=$velundo_debian13_dir/tmp HOME=$velundo_debian13_dir/home
    [ "$VELUNDO_WINE" != debian13 ] || mkdir -p "$TMPDIR" "$HOME"
    return 0
  fi
  VELUNDO_WINE=machine "$@" || status=1
  VELUNDO_WINE=debian13 "$@" || status=1
  exit $status
}
export WINEDEBUG=${WINEDEBUG:--all}
# Wine's menu builder copies every shortcut and file type of the prefix into the user's own
# ~/.local/share/applications, mime and ~/.config/menus; the prefix's shortcuts stay the prefix's.
export WINEDLLOVERRIDES="winemenubuilder.exe=d${WINEDLLOVERRIDES:+;$WINEDLLOVERRIDES}"

# Wine links the prefix's Desktop, Documents, ... to the user's own home folder; the tests put and
# sweep shortcut files on that desktop, so each becomes a folder of the prefix's own.
velundo_wine_home_links() { find "$WINEPREFIX/drive_c/users" -mindepth 2 -maxdepth 2 -type l 2>/dev/null; }
velundo_wine_unlink_home() {
  local link
  while IFS= read -r link; do rm -f "$link" && mkdir -p "$link"; done < <(velundo_wine_home_links)
}
# The user's desktop folder as Windows keeps it, never empty (its desktop.ini): Wine's shell finds
# no special folder at all without it, and Wine's msiexec removes it when the last shortcut in it
# goes, empty.
velundo_wine_desktop=$WINEPREFIX/drive_c/users/$(id -un)/Desktop
velundo_wine_keep_desktop() { # [FOLDER]: the desktop folder, by default the project's user's
  local desktop=${1:-$velundo_wine_desktop}
  mkdir -p "$desktop" && [ -f "$desktop/desktop.ini" ] || printf '[.ShellClassInfo]\r\n' >"$desktop/desktop.ini"
}

# Creates the prefix when it is missing, as wineboot makes it: no font is mapped or added, so every
# Windows check meets Wine as its users have it (a prefix without Arial, Tahoma or Microsoft Sans
# Serif). Only the folders that Wine links to the user's home become folders of its own. A prefix of
# an older checkout that mapped Arial to Liberation Sans is made afresh. Two callers at once (ctest -j)
# take turns.
velundo_wine_fonts_mapped() { grep -q '^\[Software\\\\Wine\\\\Fonts\\\\Replacements\]' "$WINEPREFIX/user.reg" 2>/dev/null; }
velundo_wine_prefix_ready() {
  [ -z "$velundo_wine_exec" ] || velundo_debian13_ready || return 1
  [ -f "$WINEPREFIX/system.reg" ] && ! velundo_wine_fonts_mapped && [ -z "$(velundo_wine_home_links)" ] &&
    [ -f "$velundo_wine_desktop/desktop.ini" ] && return 0
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    # The root's Wine links the prefix's folders into a home of ours, never into this machine's.
    [ -z "$velundo_wine_exec" ] || { export HOME=$velundo_debian13_dir/home && mkdir -p "$HOME"; }
    if velundo_wine_fonts_mapped; then
      echo "wine: making $WINEPREFIX afresh, without the font mapping of an older checkout" >&2
      wineserver -k 2>/dev/null || true # none may run; scripts/setup runs this under set -e
      rm -rf "$WINEPREFIX"
    fi
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
      echo "wine: creating the prefix $WINEPREFIX" >&2
      wineboot -i >/dev/null 2>&1 || true
      # The registry reaches its files when the server ends (a few seconds after its last client).
      timeout 60 wineserver -w 2>/dev/null || true
    fi
    velundo_wine_unlink_home
    velundo_wine_keep_desktop
  ) 9>"$WINEPREFIX.lock"
  [ -f "$WINEPREFIX/system.reg" ] || { echo "wine: could not create $WINEPREFIX" >&2; return 1; }
}

# One Wine server for a whole suite: each program then starts in a fraction of the time it takes to
# bring up a server. velundo_wine_server_down stops only a server that velundo_wine_server_up
# started, and only ours (wineserver acts on $WINEPREFIX's server).
velundo_wine_server_ours=
velundo_wine_server_up() {
  wineserver -p 2>/dev/null && velundo_wine_server_ours=1
  # A first program connects and starts the prefix's services once.
  wine cmd /c exit >/dev/null 2>&1 || true
}
velundo_wine_server_down() {
  [ -n "$velundo_wine_server_ours" ] || return 0
  wineserver -k 2>/dev/null
  timeout 30 wineserver -w 2>/dev/null
  velundo_wine_server_ours=
}

# velundo_wine_user_prefix SCRATCH: a prefix for the unprivileged user 65534 (root ignores
# permissions; Wine runs only in a prefix its user owns) in SCRATCH/prefix, copied from the project's
# as it is now: Windows' own folder hard-linked and the program folders copied, both root's and so
# read-only to the user, as on a machine an administrator set up; the user's profile with its desktop
# folder and a home SCRATCH/home. velundo_wine_as_user COMMAND... runs COMMAND in it as that user
# (DISPLAY passed on); velundo_wine_user_down stops that user's server.
velundo_wine_uid=65534
velundo_wine_user_prefix() {
  local prefix=$1/prefix folder
  velundo_wine_user_scratch=$1 velundo_wine_user_name=$(id -nu $velundo_wine_uid) || return 1
  rm -rf "$1" && mkdir -p "$prefix/drive_c/users/$velundo_wine_user_name/Desktop" "$1/home" &&
    cp -a "$WINEPREFIX"/{.update-timestamp,*.reg,dosdevices} "$prefix/" &&
    cp -a "$WINEPREFIX/drive_c/users/Public" "$prefix/drive_c/users/" &&
    cp -al "$WINEPREFIX/drive_c/windows" "$prefix/drive_c/" || return 1
  velundo_wine_keep_desktop "$prefix/drive_c/users/$velundo_wine_user_name/Desktop" || return 1
  find "$prefix" -type d -exec chown $velundo_wine_uid:$velundo_wine_uid {} + &&
    chown -R $velundo_wine_uid:$velundo_wine_uid "$prefix"/*.reg "$prefix/.update-timestamp" "$1/home" \
      "$prefix/drive_c/users" || return 1
  for folder in "$WINEPREFIX/drive_c/"*; do
    [ -e "$prefix/drive_c/${folder##*/}" ] || cp -a "$folder" "$prefix/drive_c/" || return 1
  done
}
velundo_wine_as_user() {
  $velundo_wine_exec setpriv --reuid=$velundo_wine_uid --regid=$velundo_wine_uid --clear-groups env -i PATH=/usr/bin:/bin \
    HOME="$velundo_wine_user_scratch/home" WINEPREFIX="$velundo_wine_user_scratch/prefix" WINEDEBUG=-all \
    WINEDLLOVERRIDES=winemenubuilder.exe=d ${DISPLAY:+DISPLAY="$DISPLAY"} "$@"
}
velundo_wine_user_down() { velundo_wine_as_user wineserver -k 2>/dev/null; }
