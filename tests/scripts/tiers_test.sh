#!/usr/bin/env bash
# The end of scripts/test as its user reads it (scripts/lib/tiers.sh): the line
# of each tier, the closing "N passed, N failed, N skipped" and the exit
# status, on a machine that runs 32-bit x86 code and on one that cannot, and
# for a tier whose CTest gives no summary. Real CTest runs small test lists of
# its own; whether 32-bit code runs is forced, or told by a stand-in probe.
#   tiers_test.sh <source dir>
set -u
src=${1:?usage: tiers_test.sh <source dir>}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failed=0
expect() { # WHAT EXPECTED ACTUAL
  if [ "$2" = "$3" ]; then echo "ok   - $1"; else echo "FAIL - $1: expected '$2', got '$3'"; failed=1; fi
}

# The 32-bit tier's list: three tests labelled "wine", one of which fails, and
# one other; and a one-test tier that runs first.
mkdir -p "$tmp/i686" "$tmp/first" "$tmp/bin"
cat >"$tmp/i686/CTestTestfile.cmake" <<'LIST'
add_test(a true)
add_test(b true)
add_test(c false)
add_test(other true)
set_tests_properties(a b c PROPERTIES LABELS wine)
LIST
echo 'add_test(d true)' >"$tmp/first/CTestTestfile.cmake"
# Runs the probe itself: Wine adds nothing to how it ends.
printf '#!/bin/sh\nexec "$@"\n' >"$tmp/bin/wine"
printf '#!/bin/sh\nkill -SEGV $$\n' >"$tmp/crashes"
chmod +x "$tmp/bin/wine" "$tmp/crashes"

# tally VERDICT PROBE [TIER-DIR]: the lines of a run of the first tier, the
# 32-bit tier and, if given, a tier in TIER-DIR, in $tmp/out; its status.
tally() {
  (
    export BW_I686_RUNS=$1 BW_TIER_LOGS=$tmp PATH="$tmp/bin:$PATH"
    source "$src/scripts/lib/wow64-root.sh"
    source "$src/scripts/lib/tiers.sh"
    run_tier first --test-dir "$tmp/first"
    run_tier_i686 wow64 "$2" wine "$tmp/i686" --test-dir "$tmp/i686"
    [ -z "${3:-}" ] || run_tier third --test-dir "$3"
    tiers_report
  ) >"$tmp/out" 2>&1
}
skip_line="wow64: skipped: this machine cannot run 32-bit x86 code"
closing() { tail -n1 "$tmp/out"; }
skip_lines() { grep -cx "$skip_line" "$tmp/out"; }

tally 0 true
expect "cannot: exit status" 0 $?
expect "cannot: the tier's one line" 1 "$(skip_lines)"
expect "cannot: its tests skipped" "1 passed, 0 failed, 3 skipped" "$(closing)"

tally 1 true
expect "can: a failed test fails the run" 1 $?
expect "can: the tier runs" "0 3 passed, 1 failed, 0 skipped" "$(skip_lines) $(closing)"

tally "" "$tmp/crashes"
expect "a probe that dies of a signal: cannot" "0 1" "$? $(skip_lines)"
tally "" true
expect "a probe that starts: can" "1 0" "$? $(skip_lines)"

tally 0 true "$tmp/none"
expect "a tier without a summary fails the run" 1 $?
expect "it counts as failed" "1 passed, 1 failed, 3 skipped" "$(closing)"
exit $failed
