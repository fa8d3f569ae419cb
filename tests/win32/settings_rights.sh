#!/usr/bin/env bash
# Where a chosen path is kept under Wine, with rights as the kernel judges them for an unprivileged
# user (root ignores permissions), in a scratch prefix of that user's: Wine's
# WritePrivateProfileStringA, its error codes and its application-data folder decide.
# Usage: settings_rights.sh CHOOSER SCRATCH
set -uo pipefail
chooser=$1 scratch=$2
. "$(dirname "$0")/../../scripts/lib/wine.sh"
problems=0 runs=0
problem() { echo "settings_rights: $*" >&2; problems=$((problems + 1)); }
[ "$(id -u)" = 0 ] || { echo "settings_rights: needs root, to drop to an unprivileged user with setpriv" >&2; exit 1; }
velundo_wine_prefix_ready || exit 1
velundo_wine_user_prefix "$scratch" || { echo "settings_rights: cannot make the user's prefix" >&2; exit 1; }
nobody=$velundo_wine_uid prefix=$scratch/prefix
velundo_wine_as_user wineserver -p
trap 'velundo_wine_user_down; rm -rf "$scratch"' EXIT
appdata=$(velundo_wine_as_user wine cmd /c echo %APPDATA% | tr -d '\r')
[ "$appdata" = 'C:\users\nobody\AppData\Roaming' ] || problem "the user's application data is '$appdata'"
peruser=$prefix/drive_c/users/nobody/AppData/Roaming/Velundo
old=$'; kept\r\n[SETTINGS]\r\nServerpath=C:\\old\\Velundo.exe\r\n'
chosen='C:\Server\Velundo.exe'
new=$'; kept\r\n[SETTINGS]\r\nServerpath=C:\\Server\\Velundo.exe\r\n'
fresh=$'[SETTINGS]\r\nServerpath=C:\\Server\\Velundo.exe\r\n'

# Rows: the program folder's mode; the file beside it (owner mode, or -); the per-user folder
# (- none yet; file: holds a settings file; closed: root's, mode 755); where the path lands (beside,
# user), or "refused" (the message names the per-user file, which both places refuse).
while read -r folder_mode owner file_mode user expect what; do
  rdir=$scratch/rights
  rm -rf "$rdir" "$peruser" && mkdir -p "$rdir" && install -m 755 "$chooser" "$rdir/" && chmod "$folder_mode" "$rdir"
  if [ "$file_mode" != - ]; then
    printf %s "$old" >"$rdir/Velundo_Client.ini" && chown "$owner" "$rdir/Velundo_Client.ini" && chmod "$file_mode" "$rdir/Velundo_Client.ini"
  fi
  case $user in
    file) mkdir -p "$peruser" && printf %s "$old" >"$peruser/Velundo_Client.ini" && chown -R $nobody:$nobody "$peruser" ;;
    closed) mkdir -p "$peruser" && chmod 755 "$peruser" ;;
  esac
  before=$(ls -l --time-style=+ "$rdir")
  out=$(velundo_wine_as_user wine "$rdir/$(basename "$chooser")" "$chosen" 2>&1 | tr -d '\r')
  runs=$((runs + 1))
  grep -qxF "field: $chosen" <<<"$out" || problem "$what: the field does not show the chosen path: $out"
  case $expect in
    beside) landed=$rdir/Velundo_Client.ini ;;
    user) landed=$peruser/Velundo_Client.ini ;;
    refused) landed=
      grep -qxF "error: In C:\\users\\nobody\\AppData\\Roaming\\Velundo\\Velundo_Client.ini kann nicht geschrieben werden." <<<"$out" ||
        problem "$what: not the message naming the per-user file: $out"
      [ -z "$(ls -A "$peruser")" ] || problem "$what: left in the per-user folder: $(ls -A "$peruser")" ;;
  esac
  if [ -n "$landed" ]; then
    grep -q '^error: ' <<<"$out" && problem "$what: refused: $out"
    expected=$fresh
    [ "$landed" = "$rdir/Velundo_Client.ini" ] && [ "$file_mode" != - ] && expected=$new
    [ "$user" = file ] && expected=$new
    [ "$(cat "$landed" 2>/dev/null; echo .)" = "$expected." ] ||
      problem "$what: $landed holds '$(od -c "$landed" 2>/dev/null | head -3)'"
  fi
  # The file beside the program is left as it was (bytes, owner, mode) unless it took the path.
  [ "$landed" = "$rdir/Velundo_Client.ini" ] || [ "$(ls -l --time-style=+ "$rdir")" = "$before" ] ||
    problem "$what: the program folder changed: $(ls -l --time-style=+ "$rdir")"
  [ "$landed" = "$rdir/Velundo_Client.ini" ] || [ "$file_mode" = - ] || [ "$(cat "$rdir/Velundo_Client.ini"; echo .)" = "$old." ] ||
    problem "$what: the file beside the program changed"
  [ "$expect" = beside ] && [ -e "$peruser" ] && problem "$what: a per-user folder was made"
done <<ROWS
777 - - - beside a-writable-folder
755 - - - user a-read-only-folder-without-a-file
755 root:root 644 - user a-read-only-folder-with-a-file
777 $nobody:$nobody 444 - user a-read-only-file
777 $nobody:$nobody 644 file user a-per-user-file-wins
755 root:root 644 closed refused both-refuse
ROWS
echo "settings_rights: $runs rows under Wine as user $nobody, $problems problem(s)"
[ "$problems" = 0 ]
