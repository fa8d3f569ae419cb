# The Debian 13 (trixie) root of the checks (sourced, not run). scripts/lib/debian13-root makes it at
# set-up in build/debian13/root; after that only set-up changes it. A command runs in it through
# chroot inside a mount namespace of its own (unshare -m): whatever is mounted for it is never seen by
# this machine and goes with the namespace's last process, on every path, so no unmount can be missed.

velundo_debian13_top=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
velundo_debian13_dir=$velundo_debian13_top/build/debian13
velundo_debian13_root=$velundo_debian13_dir/root
# Shared by the commands of one run: the root's /tmp (where Wine keeps its server's socket) and
# /dev/shm, so that a Wine program started by one command finds the server another one started.
velundo_debian13_session=$velundo_debian13_dir/session

velundo_debian13_ready() {
  [ -f "$velundo_debian13_root/.velundo-packages" ] ||
    { echo "debian13: no Debian 13 root in $velundo_debian13_root: scripts/setup makes it" >&2; return 1; }
}

# velundo_debian13_mount TARGET SESSION: in the caller's own mount namespace, gives the root at TARGET
# its own /proc, /dev/pts and /dev/shm (SESSION/shm), SESSION/tmp as /tmp with this machine's X
# sockets in it (the displays of the checks' Xvfb), and the work tree at the path it has here, so
# that a file name means the same inside and out.
velundo_debian13_mount() {
  local target=$1 session=$2
  mkdir -p "$session/tmp/.X11-unix" "$session/shm" &&
    chmod 1777 "$session/tmp" "$session/shm" &&
    mount -t proc proc "$target/proc" &&
    mount -t devpts -o newinstance,ptmxmode=0666,mode=0620 devpts "$target/dev/pts" &&
    mount --bind "$target/dev/pts/ptmx" "$target/dev/ptmx" &&
    mount --bind "$session/shm" "$target/dev/shm" &&
    mount --bind "$session/tmp" "$target/tmp" &&
    { [ ! -d /tmp/.X11-unix ] || mount --bind /tmp/.X11-unix "$target/tmp/.X11-unix"; } &&
    mkdir -p "$target$velundo_debian13_top" && # after /tmp: a work tree may lie in /tmp
    mount --bind "$velundo_debian13_top" "$target$velundo_debian13_top"
}
