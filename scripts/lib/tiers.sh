# The tally of scripts/test: one line for each tier, then the total
# ("N passed, N failed, N skipped"). Source it (and wow64-root.sh before it,
# for run_tier_i686), call one of the functions below for each tier, and end
# with tiers_report, whose status is the run's.
#
# Whatever fails the run adds at least one failure to the total: a tier that
# ran no test or gave no count cannot end in "0 failed" with a failed run.

BW_TIER_LOGS=${BW_TIER_LOGS:-build/logs}   # where run_tier keeps CTest's output
tier_lines=()
tier_passed=0 tier_failed=0 tier_skipped=0

tier_note() { tier_lines+=("$1"); }   # a line that counts no test
tier_fail() { tier_lines+=("$1: $2"); tier_failed=$((tier_failed + 1)); }   # NAME WHY
tier_skip() { tier_lines+=("$1: skipped: $2"); tier_skipped=$((tier_skipped + $3)); }   # NAME WHY COUNT

# run_tier NAME CTEST-ARGS...: runs one tier's tests, adds CTest's counts.
run_tier() {
  local name=$1 log="$BW_TIER_LOGS/test-$1.log" t0=$SECONDS rc line total bad skip
  shift
  echo "=== test $name"
  ctest "$@" 2>&1 | tee "$log"
  rc=${PIPESTATUS[0]}
  line=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n1)
  if [ -z "$line" ]; then
    if [ "$rc" = 0 ] && grep -q 'No tests were found' "$log"; then
      tier_note "$name: no tests ($((SECONDS - t0)) s)"
    else
      tier_fail "$name" "no summary from ctest ($((SECONDS - t0)) s)"
    fi
    return
  fi
  total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$line")
  bad=$(sed -E 's/.* ([0-9]+) tests? failed.*/\1/' <<<"$line")
  skip=$(grep -cE '^[[:space:]]*[0-9]+ - .*\(Skipped\)[[:space:]]*$' "$log")
  tier_passed=$((tier_passed + total - bad - skip))
  tier_failed=$((tier_failed + bad)) tier_skipped=$((tier_skipped + skip))
  [ "$skip" -gt 0 ] && line="$line, $skip skipped"
  # CTest can fail with every test it ran passed (a test list it could not read).
  if [ "$rc" != 0 ] && [ "$bad" = 0 ]; then
    tier_failed=$((tier_failed + 1))
    line="$line, but ctest exited $rc"
  fi
  tier_lines+=("$name: $line ($((SECONDS - t0)) s)")
}

# run_tier_i686 NAME PROBE CONTROL LABEL TWIN-DIR CTEST-ARGS...: the tests
# labelled LABEL, where this machine runs 32-bit x86 code (wow64_runs_i686
# PROBE CONTROL). Where it cannot, one line says so and they count as skipped:
# as many as CTest lists in TWIN-DIR, the x86_64 build of the same test
# programs (listing the i686 ones would run them). Where the answer itself
# failed (the root's Wine, a probe killed otherwise), the tier fails with why.
run_tier_i686() {
  local name=$1 probe=$2 control=$3 label=$4 twin=$5 count
  shift 5
  wow64_runs_i686 "$probe" "$control"
  case $? in
    0) run_tier "$name" "$@" -L "$label"; return ;;
    1) ;;
    *) tier_fail "$name" "$BW_I686_WHY"; return ;;
  esac
  count=$(ctest --test-dir "$twin" -N -L "$label" 2>/dev/null | sed -n 's/^Total Tests: //p')
  tier_skip "$name" "$BW_NO_I686" "${count:-0}"
}

# The tests' lines against the rest of the source's (README, "Builds and tests").
tests_ratio() {
  local files tests code
  files=$(git ls-files 2>/dev/null | grep -E '\.(c|cc|cpp|h|hpp|inl|ipp|hh|cxx|sh|cmake|py|in)$|(^|/)CMakeLists\.txt$|^scripts/[a-z0-9-]+$|^scripts/lib/[a-z0-9-]+$|^\.ci/run$')
  [ -n "$files" ] || return 0
  tests=$(grep -E '^(tests|tools/tests)/' <<<"$files" | xargs -r cat | wc -l)
  code=$(grep -vE '^(tests|tools/tests)/' <<<"$files" | xargs -r cat | wc -l)
  # Their share of all the source, tests included: the owner's bound is a third.
  awk -v t="$tests" -v c="$code" 'BEGIN { printf "tests: %d of %d source lines (%.2f of the source; at most 0.33)\n", t, t + c, t / (t + c) }'
}

tiers_report() {
  printf '%s\n' "${tier_lines[@]}"
  echo "$tier_passed passed, $tier_failed failed, $tier_skipped skipped"
  [ "$tier_failed" = 0 ]
}
