#!/usr/bin/env bash
# What keeps scripts/test and scripts/run from harming what they did not make,
# in a scratch checkout below this one's build/ whose packages' step fails at
# once (neither script goes further): a BW_WINE_DIR or BW_ROOT outside build/
# is refused in one line; what a killed scripts/test left is ended at the next
# start, but never a process that only reuses a recorded id, nor a session
# whose shell still runs; a second scripts/test refuses while one runs, a
# second scripts/run waits for the first. Sleeping processes stand in for the
# X server and the rest.
#   guards_test.sh <source dir>
set -u
src=${1:?usage: guards_test.sh <source dir>}
unset BW_ROOT BW_WINE_DIR
mkdir -p "$src/build"
tmp=$(mktemp -d -p "$src/build" guards.XXXXXX)
co=$tmp/checkout wine=$tmp/checkout/build/wine pids=()
trap 'kill "${pids[@]}" 2>/dev/null; rm -rf "$tmp"' EXIT
mkdir -p "$wine" "$co/build/run"
cp -r "$src/scripts" "$co/"
printf '#!/bin/sh\necho packages >>"%s/steps"\nexit 1\n' "$tmp" >"$co/scripts/lib/install-deps"
ln -s /tmp "$co/build/out"
failed=0
expect() { # WHAT EXPECTED ACTUAL
  if [ "$2" = "$3" ]; then echo "ok   - $1"; else echo "FAIL - $1: expected '$2', got '$3'"; failed=1; fi
}
started() { # VAR...: a sleeping stand-in each, recorded as PID:START
  for v; do sleep 300 >/dev/null & pids+=($!) && printf -v "$v" %s:%s $! "$(cut -d' ' -f22 /proc/$!/stat)"; done
}
runs() { # RECORDS...: whether each still runs (a zombie has ended)
  for p; do ps -o stat= -p "${p%%:*}" | grep -qv '^Z' && echo -n "runs " || echo -n "ended "; done
}
# record FILE PREFIX OWNER PROCS...: a session's record as wine-session.sh writes it.
record() (
  source "$co/scripts/lib/wine-session.sh"
  WINEPREFIX=$2 WINEDLLOVERRIDES= BW_SESSION_RECORD=$1 BW_SESSION_OWNER=$3 BW_PREFIX_IS_COPY=1
  shift 3
  BW_SESSION_PROCS="$*"
  wine_session_state >"$BW_SESSION_RECORD"
)

refused() { # WHAT VAR=VALUE SCRIPT
  local out
  out=$(env "$2" bash "$co/scripts/$3" --stop 2>&1)
  expect "$1: refused in one line" "2 1 1" \
    "$? $(wc -l <<<"$out") $(grep -cF "scripts: $2 is not below $(realpath "$co")/build/" <<<"$out")"
}
refused "outside build/" BW_WINE_DIR=/tmp/x run
refused "through .." "BW_WINE_DIR=$co/build/../scripts" run
refused "through a symlink" "BW_WINE_DIR=$co/build/out/x" run
refused "the checkout" "BW_WINE_DIR=$co" run
refused "BW_ROOT above the checkout" "BW_ROOT=$tmp" test
out=$(BW_WINE_DIR="$co/build/x" bash "$co/scripts/run" --stop 2>&1)
expect "a directory below build/: taken" "0 Blinkward stopped." "$? $out"

# A scripts/test killed with its session: its owner ended, its X server runs,
# a recorded id now another process's; a copy without a record; a session
# whose shell (this one) runs. And a scripts/run killed the same way.
sh -c 'exit 0' & dead=$! && wait $dead
started xvfb reused live run_xvfb run_reused
mkdir -p "$wine/test-$dead" "$wine/adhoc-$dead" "$wine/test-$$"
record "$wine/test-$dead.session" "$wine/test-$dead" "$dead:1" "$xvfb" "${reused%:*}:1"
record "$wine/test-$$.session" "$wine/test-$$" "$$:$(cut -d' ' -f22 /proc/$$/stat)" "$live"
record "$co/build/run/session.env" "$wine/none" "" "$run_xvfb" "${run_reused%:*}:1"
bash "$co/scripts/test" >/dev/null 2>&1
expect "the next scripts/test ends what the killed one left, and only that" \
  "ended runs runs test-$$ test-$$.session " "$(runs "$xvfb" "$reused" "$live")$(ls "$wine" | grep -v lock | tr '\n' ' ')"
bash "$co/scripts/run" --stop >/dev/null 2>&1
expect "scripts/run --stop ends the recorded X server, not a reused id" "ended runs " "$(runs "$run_xvfb" "$run_reused")"

# One scripts/test at a time; a second scripts/run waits for the first.
: >"$tmp/steps"
exec {held}< <(source "$co/scripts/lib/guards.sh"
  bw_lock "$co/build/test.lock" 0 held && bw_lock "$co/build/run/run.lock" 0 held && echo held
  exec sleep 300)
holder=$! && pids+=($holder)
read -r -t 30 _ <&"$held"
out=$(bash "$co/scripts/test" 2>&1)
expect "a second scripts/test refuses, in one line" \
  "1|scripts/test: another scripts/test runs in this checkout (process $holder); not started|" \
  "$?|$out|$(cat "$tmp/steps")"
bash "$co/scripts/run" >"$tmp/run.out" 2>&1 &
run=$!
for _ in $(seq 100); do [ -s "$tmp/run.out" ] && break; sleep 0.1; done
expect "a second scripts/run waits" "runs |" "$(runs $run)|$(cat "$tmp/steps")"
kill $holder
wait $run
expect "and goes on once the first has ended" \
  "1|scripts/run: waiting for another scripts/run in this checkout (process $holder) to end, at most 300 s|packages" \
  "$?|$(cat "$tmp/run.out")|$(cat "$tmp/steps")"
exit $failed
