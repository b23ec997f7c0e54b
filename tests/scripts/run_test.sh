#!/usr/bin/env bash
# scripts/run as its user runs it, from a terminal without a display: the
# 64-bit exe, --i686 forced to find that 32-bit code cannot run, --i686, the
# 64-bit exe twice, then --stop. Each run must start its copy (or, with --i686
# where 32-bit x86 code cannot run, fail with the one line that says so) and
# end the copy before it: nothing of that one left running (its X server, its
# wineserver, Blinkward, what holds the WoW64 root's mounts), and nothing of
# the root ever mounted in the host's table.
#   run_test.sh <source dir>
set -u
cd "${1:?usage: run_test.sh <source dir>}" || exit 1
state=build/run/session.env out=$(mktemp)
trap 'rm -f "$out"' EXIT
if [ -f "$state" ]; then
  echo "a Blinkward started by scripts/run is running; scripts/run --stop ends it"
  exit 77
fi
failed=0
expect() { # WHAT EXPECTED ACTUAL; a failure shows the last run's output
  [ "$2" = "$3" ] && { echo "ok   - $1"; return; }
  echo "FAIL - $1: expected '$2', got '$3'"
  sed 's/^/    /' "$out"
  failed=1
}

# The running copy's processes: those its session recorded (its Xvfb), the
# holder of its root's mounts and every process of its Wine prefix.
copy() {
  [ -f "$state" ] || return 0
  local procs holder prefix
  # A line each: the prefix's path may hold a space.
  { read -r prefix; read -r procs; read -r holder; } < <(
    source "$state"
    printf '%s\n' "$WINEPREFIX" "${BW_SESSION_PROCS:-}" "${BW_WOW64_NS:-}"
  )
  echo "$(sed 's/:[0-9]*//g' <<<"$procs") $holder"
  grep -lsxzF "WINEPREFIX=$prefix" /proc/[0-9]*/environ | cut -d/ -f3
}
alive() { # PIDS...: how many still run (a zombie has ended)
  local pid n=0
  for pid; do ps -o stat= -p "$pid" 2>/dev/null | grep -qv '^Z' && n=$((n + 1)); done
  echo $n
}
# The mount table writes a space as \040.
mounts() {
  local root="$(pwd)/build/wow64/root"
  grep -cF " ${root// /\\040}" /proc/self/mounts
}
# Processes that hold a namespace with the root's mounts (pgrep never counts itself).
holders() { pgrep -fc "wow64-ns $(pwd)/build/wow64/root hold "; }

# step ARGS...: scripts/run ARGS (BW_I686_RUNS=0 first: forced to find that
# 32-bit code cannot run); prints its exit status and how many processes of
# the copy before it still run.
step() {
  local before forced=()
  before=$(copy)
  [ "${1:-}" = BW_I686_RUNS=0 ] && { forced=("$1"); shift; }
  env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin HOME="${HOME:-/root}" \
    "${forced[@]}" scripts/run "$@" >"$out" 2>&1
  echo "$? $(alive $before)"
}
# After --i686 where 32-bit code cannot run: the one line, and nothing
# mounted or running.
cannot() {
  echo "$(grep -cx "scripts/run --i686: this machine cannot run 32-bit x86 code" "$out") $(mounts) $(alive $(copy)) $(holders)"
}

expect "the first run starts, on its own display" "0 0 yes" "$(step) $(grep -q 'on display :' "$out" && echo yes)"
expect "--i686 where 32-bit code cannot run: ends the copy, says so, leaves nothing" \
  "1 0 1 0 0 0" "$(step BW_I686_RUNS=0 --i686) $(cannot)"
result=$(step --i686)
if [ "$(cannot)" = "1 0 0 0" ]; then
  expect "--i686 on this machine, which cannot run 32-bit code" "1 0" "$result"
else
  expect "--i686 starts, and nothing of the root is mounted on the host" "0 0 0" "$result $(mounts)"
fi
expect "the 64-bit run after it ends it, and nothing stays mounted" "0 0 0" "$(step) $(mounts)"
expect "the next ends that one" "0 0" "$(step)"
expect "a copy runs" yes "$([ "$(alive $(copy))" -gt 1 ] && echo yes)"
expect "--stop ends it, and nothing stays mounted" "0 0 0" "$(step --stop) $(mounts)"
exit $failed
