# A Debian sid root under build/wow64/root whose Wine (the WoW64 build) runs
# the 32-bit Blinkward.exe and its tests. Debian 12's Wine needs 32-bit Linux
# programs for 32-bit Windows code, and these machines cannot exec those; sid's
# Wine runs 32-bit Windows code inside its 64-bit process instead.
# Source this file (as root), then:
#
#   wow64_root_ready    creates the root once (debootstrap, then Wine in it),
#                       re-creates it when broken, installs what a newer list
#                       of packages adds; fails with one line saying why
#   wow64_root_enter    mounts /dev, /proc, the project (at its own path) and
#                       the host's X sockets into the root, and puts
#                       build/wow64/bin first on PATH: its wine, wineserver,
#                       wineboot and wine64 run the root's Wine in the root.
#                       Sets a trap that undoes the mounts when the shell
#                       exits (BW_NO_TRAP=1: the caller undoes them)
#   wow64_root_leave    undoes the mounts
#   wow64_runs_i686 PROBE  whether this machine runs 32-bit x86 code under the
#                       root's Wine (in a session: wow64_session_start)
#
# The X server (Xvfb) and the tools that talk to it (xdotool, import) stay on
# the host; the root sees the host's /tmp/.X11-unix. Then
# scripts/lib/wine-session.sh works unchanged through the wrappers, with its
# prefixes under build/wow64/wine (Wine 10 there, Wine 8 under build/wine).

BW_ROOT=${BW_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}
BW_WOW64_DIR="$BW_ROOT/build/wow64"
BW_WOW64_ROOT="$BW_WOW64_DIR/root"
BW_WOW64_WINE_DIR=/usr/lib/x86_64-linux-gnu/wine   # wineserver lives there
# What the tests use in the root: Wine and its fonts; x11-utils and xdotool
# also bring the X extension libraries that Wine loads at run time (they are
# only recommended by Wine's packages).
BW_WOW64_PACKAGES=(wine wine64 fonts-wine x11-utils xdotool procps)
BW_WOW64_MOUNTS=()
# Why the 32-bit exe cannot run here, in the words scripts/test and scripts/run use.
BW_NO_I686="this machine cannot run 32-bit x86 code"

bw_wow64_log() { echo "wow64-root: $*" >&2; }

# The Debian archive that apt on this machine uses (sources.list or deb822
# .sources); BW_DEBIAN_MIRROR overrides it.
bw_debian_mirror() {
  if [ -n "${BW_DEBIAN_MIRROR:-}" ]; then echo "$BW_DEBIAN_MIRROR"; return; fi
  {
    sed -E -n 's/\[[^]]*\]//; s/^[[:space:]]*deb[[:space:]]+([^[:space:]]+).*/\1/p' \
      /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null
    sed -E -n 's/^[[:space:]]*URIs:[[:space:]]*//Ip' /etc/apt/sources.list.d/*.sources 2>/dev/null |
      tr ' ' '\n'
  } | grep -E '^https?://.*/debian/?$' | head -n1
}

# Every mount point at or below $1, deepest first.
bw_mounts_below() {
  awk -v d="$1" '$2 == d || index($2, d "/") == 1 { print $2 }' /proc/self/mounts | sort -r
}

# Complete (the stamp is written last) and its Wine starts (which needs /proc).
bw_wow64_root_ok() {
  [ -f "$BW_WOW64_ROOT/.blinkward-root" ] &&
    [ -x "$BW_WOW64_ROOT$BW_WOW64_WINE_DIR/wineserver" ] &&
    [ -d "$BW_WOW64_ROOT$BW_WOW64_WINE_DIR/i386-windows" ] || return 1
  wow64_root_mount_system || { wow64_root_leave; return 1; }
  chroot "$BW_WOW64_ROOT" /usr/bin/wine --version >/dev/null 2>&1
  local status=$?
  wow64_root_leave
  return $status
}

bw_root_apt() {
  chroot "$BW_WOW64_ROOT" /usr/bin/env DEBIAN_FRONTEND=noninteractive \
    PATH=/usr/sbin:/usr/bin:/sbin:/bin apt-get -q -y -o Acquire::Check-Valid-Until=false "$@"
}

bw_wow64_install() {
  local log="$BW_WOW64_DIR/root-apt.log"
  # apt in the root needs /proc for some maintainer scripts, /dev for /dev/null.
  wow64_root_mount_system || return 1
  if ! { bw_root_apt update && bw_root_apt install --no-install-recommends "${BW_WOW64_PACKAGES[@]}"; } \
      >"$log" 2>&1; then
    wow64_root_leave
    tail -n 5 "$log" >&2
    return 1
  fi
  chroot "$BW_WOW64_ROOT" apt-get clean >/dev/null 2>&1
  wow64_root_leave
  echo "${BW_WOW64_PACKAGES[*]}" >"$BW_WOW64_ROOT/.blinkward-root"
}

bw_wow64_create() {
  local mirror log="$BW_WOW64_DIR/debootstrap.log" started
  mirror=$(bw_debian_mirror)
  [ -n "$mirror" ] || { bw_wow64_log "no Debian archive in apt's sources"; return 1; }
  bw_wow64_log "creating the Debian sid root for Wine's WoW64 build (once, about a minute)"
  started=$(date +%s)
  bw_wow64_remove || return 1
  mkdir -p "$BW_WOW64_DIR"
  if ! debootstrap --variant=minbase --include=ca-certificates sid "$BW_WOW64_ROOT" "$mirror" \
      >"$log" 2>&1; then
    tail -n 3 "$log" >&2
    return 1
  fi
  # The root's apt goes where debootstrap went.
  echo "deb $mirror sid main" >"$BW_WOW64_ROOT/etc/apt/sources.list"
  bw_wow64_install || return 1
  bw_wow64_log "root ready in $(($(date +%s) - started)) s ($(du -sh "$BW_WOW64_ROOT" | cut -f1))"
}

# Removes the root, never what is mounted in it: with /dev or the project
# bind-mounted, rm -rf would delete the host's files.
bw_wow64_remove() {
  [ -e "$BW_WOW64_ROOT" ] || return 0
  local m
  for m in $(bw_mounts_below "$BW_WOW64_ROOT"); do umount "$m" 2>/dev/null || umount -l "$m"; done
  if [ -n "$(bw_mounts_below "$BW_WOW64_ROOT")" ]; then
    bw_wow64_log "cannot unmount what is mounted in $BW_WOW64_ROOT"
    return 1
  fi
  rm -rf --one-file-system "$BW_WOW64_ROOT"
}

wow64_root_ready() {
  local why=
  if [ "$(id -u)" != 0 ]; then
    why="must run as root (debootstrap, chroot, mount)"
  else
    mkdir -p "$BW_WOW64_DIR"
    exec 8>"$BW_WOW64_DIR/root.lock"
    flock 8   # one creator at a time; a second run waits, then reuses the root
    if bw_wow64_root_ok; then
      if [ "$(cat "$BW_WOW64_ROOT/.blinkward-root")" != "${BW_WOW64_PACKAGES[*]}" ]; then
        bw_wow64_install || why="apt-get in the root failed (see build/wow64/root-apt.log)"
      fi
    else
      bw_wow64_create ||
        why="could not create it from the Debian archive: is it reachable? (see build/wow64/*.log)"
      [ -n "$why" ] || bw_wow64_root_ok || why="its Wine does not start"
    fi
    exec 8>&-
  fi
  if [ -n "$why" ]; then
    echo "The 32-bit exe's WoW64 root (Debian sid with Wine 10) is not available: $why." >&2
    return 1
  fi
}

bw_wow64_mount() {  # mount ARGS... TARGET: remembered for wow64_root_leave
  local target="${*: -1}"
  mkdir -p "$target"
  mount "$@" || return 1
  BW_WOW64_MOUNTS=("$target" "${BW_WOW64_MOUNTS[@]}")
}

wow64_root_mount_system() {
  bw_wow64_mount --bind /dev "$BW_WOW64_ROOT/dev" &&
    bw_wow64_mount -t proc proc "$BW_WOW64_ROOT/proc"
}

wow64_root_enter() {
  if [ "${BW_NO_TRAP:-0}" != 1 ]; then
    # However the shell ends: a signal's default action would skip EXIT.
    trap 'wow64_root_leave' EXIT
    trap 'exit 129' HUP
    trap 'exit 130' INT
    trap 'exit 141' PIPE
    trap 'exit 143' TERM
  fi
  [ -d /tmp/.X11-unix ] || mkdir -m 1777 /tmp/.X11-unix   # as the X server would make it
  wow64_root_mount_system &&
    bw_wow64_mount --bind "$BW_ROOT" "$BW_WOW64_ROOT$BW_ROOT" &&
    bw_wow64_mount --bind /tmp/.X11-unix "$BW_WOW64_ROOT/tmp/.X11-unix" || {
    bw_wow64_log "mounting into $BW_WOW64_ROOT failed"
    wow64_root_leave
    return 1
  }
  bw_wow64_wrappers
  export PATH="$BW_WOW64_DIR/bin:$PATH"
  export BW_WINE_DIR="$BW_WOW64_DIR/wine" BW_WOW64_ROOT
}

# wine, wine64, wineboot and wineserver on the host's PATH that run the root's
# programs in the root, in the same directory, with the same environment.
bw_wow64_wrappers() {
  local bin="$BW_WOW64_DIR/bin" name
  mkdir -p "$bin"
  cat >"$bin/.enter" <<EOF
#!/bin/sh
# Made by scripts/lib/wow64-root.sh: runs \$(basename \$0) in the WoW64 root.
dir=\$(pwd)
[ -d "$BW_WOW64_ROOT\$dir" ] || dir=/
exec chroot "$BW_WOW64_ROOT" /usr/bin/env -C "\$dir" \\
  PATH="$BW_WOW64_WINE_DIR:/usr/bin:/bin" "\$(basename "\$0")" "\$@"
EOF
  chmod +x "$bin/.enter"
  for name in wine wine64 wineboot wineserver; do ln -sf .enter "$bin/$name"; done
}

wow64_root_leave() {
  local m
  for m in "${BW_WOW64_MOUNTS[@]}"; do
    umount "$m" 2>/dev/null || umount -l "$m" 2>/dev/null || bw_wow64_log "could not unmount $m"
  done
  BW_WOW64_MOUNTS=()
  return 0
}

# A Wine session (scripts/lib/wine-session.sh, sourced first) in the root: the
# mounts, then the session; one trap ends both (BW_NO_TRAP=1: the caller does,
# with wow64_session_stop).
wow64_session_start() {
  local keep_trap=${BW_NO_TRAP:-0}
  BW_NO_TRAP=1 wow64_root_enter || return 1
  if [ "$keep_trap" != 1 ]; then
    trap 'wow64_session_stop' EXIT
    trap 'exit 129' HUP
    trap 'exit 130' INT
    trap 'exit 141' PIPE
    trap 'exit 143' TERM
  fi
  BW_NO_TRAP=1 wine_session_start "$@"
}

wow64_session_stop() {
  wine_session_stop   # also clears the traps
  wow64_root_leave
}

# Some machines (seen on a paravirtualised guest) cannot run 32-bit code in a
# 64-bit process: there the WoW64 Wine dies with a signal before the first
# instruction of any i686 program, and nothing in the project can mend that.
# Succeeds unless the project's own do-nothing i686 program (PROBE) dies so;
# any other failure is the tests' to report. BW_I686_RUNS=1 or 0 forces the
# answer, so that both ways can be tried on any machine.
wow64_runs_i686() {
  case ${BW_I686_RUNS:-} in
    1) return 0 ;;
    0) return 1 ;;
  esac
  timeout 60 wine "$1" </dev/null >/dev/null 2>&1
  [ $? -le 128 ]
}
