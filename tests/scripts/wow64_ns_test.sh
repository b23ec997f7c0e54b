#!/usr/bin/env bash
# What a 32-bit run mounts into the WoW64 root never shows in the host's mount
# table: a run from a checkout reached through a symlink and with a space in
# its path enters the root and leaves a wineserver running; while it lasts,
# after it is killed with SIGKILL, and once that server ends, nothing of the
# root or the checkout is mounted on the host, and the mounts end with the
# server. The scratch checkout uses this checkout's root (made by scripts/test
# or scripts/run --i686) and writes nothing into it.
#   wow64_ns_test.sh <source dir>
set -u
src=${1:?usage: wow64_ns_test.sh <source dir>}
real_root=$(realpath "$src/build/wow64/root")
if [ "$(id -u)" != 0 ] || [ ! -f "$real_root/.blinkward-root" ]; then
  echo "needs root and the WoW64 root in $src/build/wow64 (scripts/test or scripts/run --i686 makes it)"
  exit 77
fi
# Not while the root is being made anew.
exec 9>>"$src/build/wow64/root.lock"
flock -s 9

tmp=$(mktemp -d)
co="$tmp/link/a checkout" run= ns=
# Whatever a failure left in the run's namespace (the holder, the server) was
# started here: it ends here.
cleanup() {
  [ -n "$run" ] && kill -9 "$run" 2>/dev/null
  local f
  for f in /proc/[0-9]*/ns/mnt; do
    [ -n "$ns" ] && [ "$(readlink "$f" 2>/dev/null)" = "$ns" ] && f=${f#/proc/} && kill "${f%%/*}"
  done
  rm -f "$tmp/real dir/a checkout/build/wow64/root"   # the link, never the root
  rm -rf "$tmp"
}
trap cleanup EXIT
mkdir -p "$tmp/real dir/a checkout/build/wow64" "$tmp/real dir/a checkout/build/prefix"
cp -r "$src/scripts" "$tmp/real dir/a checkout/"
ln -s "$real_root" "$tmp/real dir/a checkout/build/wow64/root"
ln -s "real dir" "$tmp/link"
mkfifo "$tmp/never"
failed=0
expect() { # WHAT EXPECTED ACTUAL
  if [ "$2" = "$3" ]; then echo "ok   - $1"; else echo "FAIL - $1: expected '$2', got '$3'"; failed=1; fi
}
# Lines of the host's table that name the root or the scratch checkout (the
# table writes a space as \040).
host_mounts() { grep -cF -e " ${real_root// /\\040}" -e " ${tmp// /\\040}" /proc/self/mounts; }
gone_within() { # PID SECONDS (a zombie has ended)
  local i
  for i in $(seq $(($2 * 10))); do
    ps -o stat= -p "$1" 2>/dev/null | grep -qv '^Z' || return 0
    sleep 0.1
  done
  return 1
}

# The run: enters the root through the checkout's symlinked path, starts a
# wineserver with its prefix in the checkout, then waits until killed.
(
  cd "$co" || exit 1
  source scripts/lib/wow64-root.sh
  wow64_root_enter || exit 1
  echo "$BW_WOW64_NS" >"$tmp/holder"
  WINEPREFIX="$co/build/prefix" timeout 60 wineserver -p </dev/null >/dev/null 2>&1 &&
    echo started >"$tmp/server"
  read -r <"$tmp/never"
) &
run=$!
for i in $(seq 600); do [ -s "$tmp/server" ] || ! kill -0 $run 2>/dev/null && break; sleep 0.1; done
holder=$(cat "$tmp/holder" 2>/dev/null)
ns=$(readlink "/proc/${holder:-0}/ns/mnt")
[ "$ns" = "$(readlink /proc/self/ns/mnt)" ] && ns=   # never this test's own namespace
in_ns=$(nsenter --mount="/proc/${holder:-0}/ns/mnt" grep -cF " ${real_root// /\\040}/" /proc/self/mounts)
expect "the run's wineserver starts, its six mounts in the namespace alone" \
  "started 6 0" "$(cat "$tmp/server" 2>/dev/null) $in_ns $(host_mounts)"

kill -9 $run
wait $run 2>/dev/null
run=
expect "killed with SIGKILL: nothing on the host, the server keeps the mounts" \
  "0 kept" "$(host_mounts) $(gone_within "$holder" 3 && echo ended || echo kept)"

export BW_WOW64_ROOT="$co/build/wow64/root" BW_WOW64_NS=$holder
WINEPREFIX="$co/build/prefix" timeout 60 "$co/build/wow64/bin/wineserver" -k
expect "once the server ends, so do the mounts" "ended 0" \
  "$(gone_within "$holder" 10 && echo ended || echo kept) $(host_mounts)"
"$co/build/wow64/bin/wine" --version 2>/dev/null
expect "with its namespace gone, the root's wine refuses to run" 125 $?
exit $failed
