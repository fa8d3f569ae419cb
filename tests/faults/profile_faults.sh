#!/usr/bin/env bash
# Fails every open, write, fsync, rename, truncate, close and link of a settings write, one at a
# time, with ENOSPC, EIO and EDQUOT, through the atomic replacement (writable folder) and through the
# rewrite in place (a folder that refuses new files), each with whole and with short writes. After each run the file holds its
# old or its new content, nothing else is left in the folder, the field shows the chosen path, and
# the error dialog appears exactly when the file kept its old content. Each mode must make the calls
# its procedure needs (so a writer that moved to a call the shim does not see, or a shim not loaded,
# fails), and each fault run must reach the call it fails. Beside them a writer is killed at random
# moments.
# Usage: profile_faults.sh SHIM WRITER
set -uo pipefail
shim=$1 writer=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
dir=$work/app
mkdir -p "$dir"
ini=$dir/Velundo_Client.ini
chosen=/n/Velundo.exe # shorter than the old path: a rewrite in place truncates
printf '; kept\r\n[SETTINGS]\r\nServerpath=/old/Velundo.exe\r\n[Other]\r\nk=v\r\n' >"$work/old"
printf '; kept\r\n[SETTINGS]\r\nServerpath=%s\r\n[Other]\r\nk=v\r\n' "$chosen" >"$work/new"
error="error: In $ini kann nicht geschrieben werden."
runs=0 problems=0
problem() { echo "profile_faults: $*" >&2; problems=$((problems + 1)); }

# The kill run waits on the disk most of its time (each write is flushed): it runs beside the fault
# runs, in a folder of its own.
mkdir "$work/killed"
"$writer" kill "$work/killed" 200 >"$work/kill.out" 2>&1 &
killer=$!

# One write under the shim; the remaining arguments are VAR=value settings of the shim.
write_once() {
  env VELUNDO_FAULT_DIR="$dir" LD_PRELOAD="$shim" "$@" "$writer" choose "$dir" "$chosen" >"$work/out" 2>&1
}

# Checks the outcome of one write whose new content would be $1; $2 names the run.
check() {
  local expect_new=$1 what=$2
  runs=$((runs + 1))
  grep -qxF "field: $chosen" "$work/out" || problem "$what: the field does not show the chosen path"
  local errors
  errors=$(grep -c '^error: ' "$work/out")
  if cmp -s "$ini" "$work/old"; then
    [ "$errors" = 1 ] && grep -qxF "$error" "$work/out" || problem "$what: old content kept but no error shown: $(cat "$work/out")"
  elif cmp -s "$ini" "$expect_new"; then
    [ "$errors" = 0 ] || problem "$what: new content stored but an error shown"
  else
    problem "$what: the file holds neither its old nor its new content"
  fi
  local strays
  strays=$(ls -A "$dir" | grep -vxF Velundo_Client.ini)
  [ -z "$strays" ] || { problem "$what: left behind: $strays"; (cd "$dir" && rm -f -- $strays); }
}

# "short" modes write each call's bytes by halves, so a failing write comes after some have landed.
for mode in replace in-place "replace short" "in-place short"; do
  ro=0 short=0 new=$work/new
  case $mode in in-place*) ro=1 ;; esac
  case $mode in *short) short=1 ;; esac
  cp "$work/old" "$ini"
  rm -f "$work/counts"
  write_once VELUNDO_FAULT_READONLY_DIR=$ro VELUNDO_FAULT_SHORT=$short VELUNDO_FAULT_COUNT="$work/counts"
  check "$new" "$mode without faults"
  cmp -s "$ini" "$new" || problem "$mode: the undisturbed write did not store the new content"
  [ -s "$work/counts" ] || problem "$mode: the shim counted nothing (not loaded?)"
  # What the procedure cannot do without: a new file opened, written, flushed and closed, and then
  # renamed over the old one, or the old one rewritten and cut to the shorter new content; halved
  # writes take more than one call.
  needed="open write fsync close"
  case $mode in replace*) needed+=" rename" ;; in-place*) needed+=" truncate" ;; esac
  for kind in $needed; do
    made=$(sed -n "s/^$kind //p" "$work/counts" 2>/dev/null)
    minimum=1
    [ "$kind" = write ] && ((short)) && minimum=2
    [ "${made:-0}" -ge "$minimum" ] || problem "$mode: the shim saw ${made:-no} $kind call(s), at least $minimum expected"
  done
  while read -r kind count; do
    for ((nth = 1; nth <= count; nth++)); do
      for code in ENOSPC:28 EIO:5 EDQUOT:122; do
        cp "$work/old" "$ini"
        rm -f "$work/fault-counts"
        write_once VELUNDO_FAULT_READONLY_DIR=$ro VELUNDO_FAULT_SHORT=$short VELUNDO_FAULT_CALL="$kind" \
          VELUNDO_FAULT_NTH="$nth" VELUNDO_FAULT_ERRNO="${code#*:}" VELUNDO_FAULT_COUNT="$work/fault-counts"
        check "$new" "$mode, $kind #$nth fails with ${code%:*}"
        # The run reached the call it fails: as many fault runs of each kind as the write makes calls.
        reached=$(sed -n "s/^$kind //p" "$work/fault-counts" 2>/dev/null)
        [ "${reached:-0}" -ge "$nth" ] || problem "$mode, $kind #$nth: the write made only ${reached:-no} $kind call(s)"
      done
    done
  done < <(cat "$work/counts" 2>/dev/null)
  echo "profile_faults: $mode: $(tr '\n' ' ' 2>/dev/null <"$work/counts")"
done

# A read-only file is refused, also where the folder refuses new files.
cp "$work/old" "$ini"
chmod a-w "$ini"
write_once VELUNDO_FAULT_READONLY_DIR=1
check "$work/new" "read-only file"
chmod u+w "$ini"
cmp -s "$ini" "$work/old" || problem "read-only file: it was written"

wait $killer || problem "the kill run found a mixed file or a stray file"
cat "$work/kill.out"

# Two launchers writing at once where the file system has no unnamed temporary files: no write
# fails, and the user's own files that merely look like temporaries (backups) stay.
printf 'backup' >"$dir/Velundo_Client.ini.~1~"
printf 'backup' >"$dir/Velundo_Client.ini.~orig"
printf 'backup' >"$dir/.Velundo_Client.ini.velundo-write-0123"
env VELUNDO_FAULT_DIR="$dir" VELUNDO_FAULT_NO_TMPFILE=1 LD_PRELOAD="$shim" "$writer" race "$dir" 2000 ||
  problem "concurrent writes failed"
for kept in Velundo_Client.ini.~1~ Velundo_Client.ini.~orig .Velundo_Client.ini.velundo-write-0123; do
  [ -f "$dir/$kept" ] || problem "a write removed the user's $kept"
done

# Where the path is kept, with rights as the kernel judges them, for an unprivileged user (root
# ignores permissions). Rows: the program folder's mode; the file beside it (owner:group mode, or -);
# the user's application-data folder (- none known; missing: no velundo folder yet; file: a per-user
# file exists; closed: root's, mode 755; home, home-xdg-empty, home-xdg-relative: the folder of the
# XDG rules in a home of the user's own without .config, with XDG_CONFIG_HOME unset, empty or
# relative); where the path lands (beside, user, or the file named in the message when both refuse).
# The folders a write makes are the user's alone (mode 700).
if [ "$(id -u)" != 0 ]; then
  problem "the rights rows need root, to drop to an unprivileged user with setpriv"
else
  nobody=65534 group=4242
  chmod 755 "$work"
  install -m 755 "$writer" "$work/writer" # the build folder may be closed to others
  rdir=$work/rights appdata=$work/config home=$work/home
  while read -r folder_mode owner file_mode user expect what; do
    peruser=$appdata/velundo/Velundo_Client.ini
    [[ $user = home* ]] && peruser=$home/.config/velundo/Velundo_Client.ini
    rm -rf "$rdir" "$appdata" "$home" && mkdir -m "$folder_mode" "$rdir" && chmod "$folder_mode" "$rdir"
    if [ "$file_mode" != - ]; then
      cp "$work/old" "$rdir/Velundo_Client.ini"
      chown "$owner" "$rdir/Velundo_Client.ini" && chmod "$file_mode" "$rdir/Velundo_Client.ini"
    fi
    appdata_env=()
    if [[ $user = home* ]]; then
      mkdir -m 755 "$home" && chown $nobody:$nobody "$home" && (cd "$home" && mkdir -m 777 relative)
      appdata_env=(-u XDG_CONFIG_HOME VELUNDO_USERS_FOLDERS=1 HOME="$home")
      [ "$user" = home-xdg-empty ] && appdata_env=(VELUNDO_USERS_FOLDERS=1 HOME="$home" XDG_CONFIG_HOME=)
      [ "$user" = home-xdg-relative ] && appdata_env=(VELUNDO_USERS_FOLDERS=1 HOME="$home" XDG_CONFIG_HOME=relative)
    elif [ "$user" != - ]; then
      mkdir -m 755 "$appdata" && appdata_env=(VELUNDO_APPDATA="$appdata")
      [ "$user" = closed ] || chown $nobody:$nobody "$appdata"
      if [ "$user" = file ]; then
        mkdir "$appdata/velundo" && cp "$work/old" "$peruser" && chown -R $nobody:$nobody "$appdata"
      fi
    fi
    before=$(stat -c '%u:%g %a' "$rdir/Velundo_Client.ini" 2>/dev/null)
    (cd "$home" 2>/dev/null; env "${appdata_env[@]}" setpriv --reuid=$nobody --regid=$nobody --groups=$group \
      "$work/writer" choose "$rdir" "$chosen") >"$work/out" 2>&1
    case $expect in
      beside) landed=$rdir/Velundo_Client.ini ;;
      user) landed=$peruser ;;
      *) landed= ;;
    esac
    if [ -n "$landed" ]; then
      grep -q '^error: ' "$work/out" && problem "$what: refused: $(cat "$work/out")"
      grep -qF "Serverpath=$chosen" "$landed" || problem "$what: not written to $landed"
    else
      grep -qxF "error: In $work/$expect kann nicht geschrieben werden." "$work/out" ||
        problem "$what: not the message naming $expect: $(cat "$work/out")"
    fi
    [ "$landed" = "$rdir/Velundo_Client.ini" ] || [ "$file_mode" = - ] || cmp -s "$rdir/Velundo_Client.ini" "$work/old" ||
      problem "$what: the file beside the program changed"
    [ "$(stat -c '%u:%g %a' "$rdir/Velundo_Client.ini" 2>/dev/null)" = "$before" ] || [ "$file_mode" = - ] ||
      problem "$what: owner or mode beside changed to $(stat -c '%u:%g %a' "$rdir/Velundo_Client.ini")"
    [ "$landed" != "$rdir/Velundo_Client.ini" ] && [ "$file_mode" = - ] && [ -n "$(ls -A "$rdir")" ] &&
      problem "$what: left beside the program: $(ls -A "$rdir")"
    [ "$landed" != "$peruser" ] && [ "$user" != file ] && [ -e "$(dirname "$peruser")" ] &&
      problem "$what: a per-user folder was made"
    if [[ $landed = "$home"/* ]]; then
      [ "$(stat -c %a "$home/.config" "$home/.config/velundo" 2>&1 | tr '\n' ' ')" = "700 700 " ] ||
        problem "$what: the folders made are not the user's alone: $(stat -c '%n %a' "$home/.config" "$home/.config/velundo" 2>&1)"
      [ -z "$(ls -A "$home/relative")" ] || problem "$what: a relative XDG_CONFIG_HOME was used"
    fi
    runs=$((runs + 1))
  done <<ROWS
777 - - missing beside a-writable-folder
777 $nobody:$nobody 644 missing beside this-users-own-file
777 root:$group 464 - beside a-file-this-users-group-may-write
755 root:root - missing user a-read-only-folder-without-a-file
755 root:root 644 missing user a-read-only-folder-with-a-file
777 $nobody:$nobody 444 missing user a-read-only-file
777 root:root 644 missing user another-users-file-in-an-open-folder
777 $nobody:$nobody 644 file user a-per-user-file-wins
755 root:root - closed config/velundo/Velundo_Client.ini both-refuse
777 root:root 644 - rights/Velundo_Client.ini refused-without-a-per-user-folder
755 root:root - home user a-home-without-a-config-folder
755 root:root - home-xdg-empty user an-empty-xdg-config-home-means-unset
755 root:root - home-xdg-relative user a-relative-xdg-config-home-is-ignored
ROWS
fi

echo "profile_faults: $runs fault runs, $problems problem(s)"
[ "$problems" = 0 ]
