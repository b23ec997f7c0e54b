#!/usr/bin/env bash
# The end of scripts/test as its user reads it (scripts/lib/tiers.sh): the line
# of each tier, the closing "N passed, N failed, N skipped" and the exit
# status, on a machine that runs 32-bit x86 code, on one that cannot, where
# the check itself fails, and for a tier whose CTest gives no summary. Real
# CTest runs small test lists of its own; whether 32-bit code runs is forced,
# or told by stand-ins for the i686 probe and its 64-bit control.
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
# Runs the program itself: Wine adds nothing to how it ends, as where the
# WoW64 Wine dies with the i686 program.
printf '#!/bin/sh\nexec "$@"\n' >"$tmp/bin/wine"
for sig in SEGV KILL; do printf '#!/bin/sh\nkill -%s $$\n' $sig >"$tmp/dies-$sig"; done
chmod +x "$tmp/bin/wine" "$tmp"/dies-*

# tally VERDICT PROBE CONTROL [TIER-DIR]: the lines of a run of the first
# tier, the 32-bit tier and, if given, a tier in TIER-DIR, in $tmp/out; its
# status.
tally() {
  (
    export BW_I686_RUNS=$1 BW_TIER_LOGS=$tmp PATH="$tmp/bin:$PATH"
    source "$src/scripts/lib/wow64-root.sh"
    source "$src/scripts/lib/tiers.sh"
    run_tier first --test-dir "$tmp/first"
    run_tier_i686 wow64 "$2" "$3" wine "$tmp/i686" --test-dir "$tmp/i686"
    [ -z "${4:-}" ] || run_tier third --test-dir "$4"
    tiers_report
  ) >"$tmp/out" 2>&1
}
skip_line="wow64: skipped: this machine cannot run 32-bit x86 code"
closing() { tail -n1 "$tmp/out"; }
skip_lines() { grep -cx "$skip_line" "$tmp/out"; }
wow64_line() { grep '^wow64: ' "$tmp/out"; }

tally 0 true true
expect "cannot: exit status" 0 $?
expect "cannot: the tier's one line" 1 "$(skip_lines)"
expect "cannot: its tests skipped" "1 passed, 0 failed, 3 skipped" "$(closing)"

tally 1 true true
expect "can: a failed test fails the run" 1 $?
expect "can: the tier runs" "0 3 passed, 1 failed, 0 skipped" "$(skip_lines) $(closing)"

tally "" "$tmp/dies-SEGV" true
expect "the probe's Wine dies of SIGSEGV, the control runs: cannot" "0 1" "$? $(skip_lines)"
tally "" true true
expect "a probe that starts: can" "1 0" "$? $(skip_lines)"

# Where the answer cannot be trusted the tier fails, saying what happened.
tally "" "$tmp/dies-SEGV" false
expect "a control that fails: the tier fails" \
  "1|wow64: the 64-bit control program did not run under the root's Wine (exit 1)|1 passed, 1 failed, 0 skipped" \
  "$?|$(wow64_line)|$(closing)"
tally "" "$tmp/dies-KILL" true
expect "a probe killed by another signal: the tier fails" \
  "1|wow64: the i686 probe was killed by signal 9 (SIGKILL)" "$?|$(wow64_line)"

tally 0 true true "$tmp/none"
expect "a tier without a summary fails the run" 1 $?
expect "it counts as failed" "1 passed, 1 failed, 3 skipped" "$(closing)"
exit $failed
