#!/usr/bin/env bash
# Runs every libFuzzer harness for a bounded time, one after another, and reports the
# executions per second and the total executions of each.
#   tests/fuzz/run-fuzzers.sh FUZZ_BUILD_DIR [SECONDS_PER_HARNESS]
# FUZZ_BUILD_DIR holds the fuzz_<name> programs (build/test/fuzz after ./dev.sh test).
# The committed corpus is only read: each harness grows its own copy in
# FUZZ_BUILD_DIR/corpus/<name>, and an input that breaks a property is saved in
# FUZZ_BUILD_DIR/artifacts/. Exits non-zero when a harness fails or is missing.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:?usage: $0 FUZZ_BUILD_DIR [SECONDS_PER_HARNESS]}" && pwd)
seconds=${2:-60}

stat() { sed -n "s/^stat::$1: *//p" "$2" | tail -n 1; }

failed=0
summary=$(printf '%-14s %10s %14s  %s' harness exec/s executions result)
for seeds in "$here"/corpus/*/; do
    name=$(basename "$seeds")
    program=$build/fuzz_$name
    if [ ! -x "$program" ]; then
        summary+=$(printf '\n%-14s %10s %14s  %s' "$name" - - "missing $program")
        failed=1
        continue
    fi
    work=$build/corpus/$name
    log=$build/fuzz_$name.log
    mkdir -p "$work" "$build/artifacts"
    echo "fuzzing $name for ${seconds}s"
    result=ok
    if ! "$program" "$work" "$seeds" -max_total_time="$seconds" -timeout=10 \
        -rss_limit_mb=2048 -print_final_stats=1 -dict="$here/fuzz.dict" \
        -artifact_prefix="$build/artifacts/$name-" >"$log" 2>&1; then
        result="FAILED, see $log"
        failed=1
        tail -n 40 "$log"
    fi
    summary+=$(printf '\n%-14s %10s %14s  %s' "$name" \
        "$(stat average_exec_per_sec "$log")" "$(stat number_of_executed_units "$log")" "$result")
done
echo "$summary"
exit "$failed"
