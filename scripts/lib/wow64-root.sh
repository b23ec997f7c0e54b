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
#                       the host's X sockets into the root, in a mount
#                       namespace of their own (scripts/lib/wow64-ns), and puts
#                       build/wow64/bin first on PATH: its wine, wineserver,
#                       wineboot and wine64 enter that namespace and run the
#                       root's Wine in the root. Sets a trap that calls
#                       wow64_root_leave when the shell exits (BW_NO_TRAP=1:
#                       the caller does)
#   wow64_root_leave    lets the namespace go: its mounts end with the last
#                       process that still uses them
#   wow64_runs_i686 PROBE CONTROL   whether this machine runs 32-bit x86 code
#                       under the root's Wine (in a session: wow64_session_start)
#
# No mount of the root is ever in the host's table: only data lies below
# build/, and deleting it cannot reach the host's /dev or the checkout.
# The X server (Xvfb) and the tools that talk to it (xdotool, import) stay on
# the host; the root sees the host's /tmp/.X11-unix. Then
# scripts/lib/wine-session.sh works unchanged through the wrappers, with its
# prefixes under build/wow64/wine (Wine 10 there, Wine 8 under build/wine).

source "$(dirname "${BASH_SOURCE[0]}")/guards.sh"
bw_check_dirs
BW_ROOT=${BW_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}
BW_WOW64_DIR="$BW_ROOT/build/wow64"
BW_WOW64_ROOT="$BW_WOW64_DIR/root"
BW_WOW64_WINE_DIR=/usr/lib/x86_64-linux-gnu/wine   # wineserver lives there
# What the tests use in the root: Wine and its fonts; x11-utils and xdotool
# also bring the X extension libraries that Wine loads at run time (they are
# only recommended by Wine's packages).
BW_WOW64_PACKAGES=(wine wine64 fonts-wine x11-utils xdotool procps)
BW_WOW64_NS=       # the process that holds wow64_root_enter's namespace
BW_WOW64_HOLDER=   # the same as PID:START (bw_stamp)
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

# Every mount point of this shell's namespace at or below DIR, deepest first.
# The table names real paths (no symlink in them) and writes a space, a tab,
# a newline or a backslash as a backslash and three octal digits.
bw_mounts_below() {
  awk -v d="$(realpath -m -- "$1")" '
    function unescape(s,   out, i, o) {
      out = ""
      while ((i = index(s, "\\")) > 0) {
        o = substr(s, i + 1, 3)
        out = out substr(s, 1, i - 1) sprintf("%c", substr(o, 1, 1) * 64 + substr(o, 2, 1) * 8 + substr(o, 3, 1))
        s = substr(s, i + 4)
      }
      return out s
    }
    { m = unescape($2) }
    m == d || index(m, d "/") == 1 || d == "/" { print m }' /proc/self/mounts | sort -r
}

# Deletes DIR, never while anything is mounted below it: rm -rf would delete
# what is mounted there (the host's /dev, a checkout).
bw_remove_tree() {
  [ -e "$1" ] || return 0
  local mounted
  mounted=$(bw_mounts_below "$1" | paste -sd '\t' | sed 's/\t/, /g')
  if [ -n "$mounted" ]; then
    bw_wow64_log "will not remove $1: mounted below it: $mounted"
    return 1
  fi
  rm -rf --one-file-system -- "$1"
}

# bw_wow64_ns MODE ARGS...: scripts/lib/wow64-ns in a mount namespace of its own.
bw_wow64_ns() {
  unshare --mount --propagation private -- \
    bash "$BW_ROOT/scripts/lib/wow64-ns" "$BW_WOW64_ROOT" "$@"
}

# Complete (the stamp is written last) and its Wine starts (which needs /proc).
bw_wow64_root_ok() {
  [ -f "$BW_WOW64_ROOT/.blinkward-root" ] &&
    [ -x "$BW_WOW64_ROOT$BW_WOW64_WINE_DIR/wineserver" ] &&
    [ -d "$BW_WOW64_ROOT$BW_WOW64_WINE_DIR/i386-windows" ] &&
    bw_wow64_ns run /usr/bin/wine --version >/dev/null 2>&1
}

# apt in the root needs /proc for some maintainer scripts, /dev for /dev/null.
bw_root_apt() {
  bw_wow64_ns run /usr/bin/env DEBIAN_FRONTEND=noninteractive \
    PATH=/usr/sbin:/usr/bin:/sbin:/bin apt-get -q -y -o Acquire::Check-Valid-Until=false "$@"
}

bw_wow64_install() {
  local log="$BW_WOW64_DIR/root-apt.log"
  if ! { bw_root_apt update && bw_root_apt install --no-install-recommends "${BW_WOW64_PACKAGES[@]}"; } \
      >"$log" 2>&1; then
    tail -n 5 "$log" >&2
    return 1
  fi
  bw_root_apt clean >/dev/null 2>&1
  echo "${BW_WOW64_PACKAGES[*]}" >"$BW_WOW64_ROOT/.blinkward-root"
}

bw_wow64_create() {
  local mirror log="$BW_WOW64_DIR/debootstrap.log" started
  mirror=$(bw_debian_mirror)
  [ -n "$mirror" ] || { bw_wow64_log "no Debian archive in apt's sources"; return 1; }
  bw_wow64_log "creating the Debian sid root for Wine's WoW64 build (once, about a minute)"
  started=$(date +%s)
  mkdir -p "$BW_WOW64_ROOT"
  # debootstrap mounts /proc and /sys in the root while it works: in a
  # namespace of its own, even a killed debootstrap leaves no mount behind.
  # It quotes its target only in places, so a checkout whose path has a space
  # would break it: there the root is bound to a path of its own, without one.
  local alias status
  alias=$(mktemp -d /tmp/blinkward-root.XXXXXX) || return 1
  unshare --mount --propagation private -- sh -c \
    'mount --bind "$1" "$2" && exec debootstrap --variant=minbase --include=ca-certificates sid "$2" "$3"' \
    sh "$BW_WOW64_ROOT" "$alias" "$mirror" >"$log" 2>&1
  status=$?
  rmdir "$alias"
  if [ "$status" != 0 ]; then
    tail -n 3 "$log" >&2
    return 1
  fi
  # The root's apt goes where debootstrap went.
  echo "deb $mirror sid main" >"$BW_WOW64_ROOT/etc/apt/sources.list"
  bw_wow64_install || return 1
  bw_wow64_log "root ready in $(($(date +%s) - started)) s ($(du -sh "$BW_WOW64_ROOT" | cut -f1))"
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
    elif ! bw_remove_tree "$BW_WOW64_ROOT"; then
      why="the broken root has something mounted in it, so it is not made anew"
    elif ! bw_wow64_create; then
      why="could not create it from the Debian archive: is it reachable? (see build/wow64/*.log)"
    elif ! bw_wow64_root_ok; then
      why="its Wine does not start"
    fi
    exec 8>&-
  fi
  if [ -n "$why" ]; then
    echo "The 32-bit exe's WoW64 root (Debian sid with Wine 10) is not available: $why." >&2
    return 1
  fi
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
  # The project at its real path, which CMake's paths name, and at the path
  # this shell reached it by, where that goes through a symlink.
  local dirs=("$(realpath -- "$BW_ROOT")") owner=$BASHPID ready= fd
  case "${dirs[0]}/" in
    "$BW_ROOT/"*) ;;
    *) case "$BW_ROOT/" in "${dirs[0]}/"*) ;; *) dirs+=("$BW_ROOT") ;; esac ;;
  esac
  # The holder answers one line on a pipe ("ready", or why not) and lives on
  # in the background with this shell as its owner.
  exec {fd}< <(exec unshare --mount --propagation private -- \
    bash "$BW_ROOT/scripts/lib/wow64-ns" "$BW_WOW64_ROOT" hold "$owner" "${dirs[@]}" 2>&1)
  BW_WOW64_NS=$!
  BW_WOW64_HOLDER=$(bw_stamp "$BW_WOW64_NS")
  read -r -t 60 ready <&"$fd"
  exec {fd}<&-
  if [ "$ready" != ready ]; then
    bw_wow64_log "mounting into $BW_WOW64_ROOT failed${ready:+: $ready}"
    wow64_root_leave
    return 1
  fi
  # wine, wine64, wineboot and wineserver that enter the namespace and run the
  # root's Wine there.
  local bin="$BW_WOW64_DIR/bin" name
  mkdir -p "$bin"
  for name in wine wine64 wineboot wineserver; do
    ln -sfn "$BW_ROOT/scripts/lib/wow64-enter" "$bin/$name"
  done
  export PATH="$bin:$PATH"
  # The prefixes' directory for this shell alone: exported, it would redirect
  # the next script's deletions.
  BW_WINE_DIR="$BW_WOW64_DIR/wine"
  export BW_WOW64_ROOT BW_WOW64_NS
}

# Ends the holder: the mounts go as soon as no process of the root's Wine is
# left in the namespace.
# Only the holder this shell or the session's record names, by its start
# time: an id whose process ended may since belong to any other.
wow64_root_leave() {
  bw_end "${BW_WOW64_HOLDER:-}"
  BW_WOW64_NS= BW_WOW64_HOLDER=
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
# 64-bit process: there the WoW64 Wine itself dies of SIGSEGV (wine exits 139;
# the kernel logs a general protection fault in ntdll.so) before the first
# instruction of any i686 program, and nothing in the project can mend that.
# A broken root's Wine can die the same way: the verdict needs a 64-bit
# program that runs under the same Wine first.
#
# wow64_runs_i686 PROBE CONTROL: PROBE is the project's do-nothing i686
# program, CONTROL its x86_64 twin. Status 0: 32-bit code runs. 1: this
# machine cannot run it (CONTROL runs, PROBE's Wine dies of SIGSEGV). 2:
# anything else, said in one line in BW_I686_WHY. BW_I686_RUNS=1 or 0 forces
# 0 or 1, so that both ways can be tried on any machine.
wow64_runs_i686() {
  BW_I686_WHY=
  case ${BW_I686_RUNS:-} in
    1) return 0 ;;
    0) BW_I686_WHY=$BW_NO_I686; return 1 ;;
  esac
  local status
  timeout 60 wine "$2" </dev/null >/dev/null 2>&1
  status=$?
  if [ "$status" != 0 ]; then
    BW_I686_WHY="the 64-bit control program did not run under the root's Wine ($(bw_ended "$status"))"
    return 2
  fi
  timeout 60 wine "$1" </dev/null >/dev/null 2>&1
  status=$?
  case $status in
    0) return 0 ;;
    139) BW_I686_WHY=$BW_NO_I686; return 1 ;;
    124) BW_I686_WHY="the i686 probe did not end within 60 s" ;;
    *) if [ "$status" -gt 128 ]; then
         BW_I686_WHY="the i686 probe was killed by signal $((status - 128)) (SIG$(kill -l $((status - 128))))"
       else
         BW_I686_WHY="the i686 probe exited $status"
       fi ;;
  esac
  return 2
}

# How a `timeout 60` command ended, for a parenthesis: STATUS.
bw_ended() {
  if [ "$1" = 124 ]; then
    echo "no end within 60 s"
  elif [ "$1" -gt 128 ]; then
    echo "killed by signal $(($1 - 128)), SIG$(kill -l $(($1 - 128)))"
  else
    echo "exit $1"
  fi
}
