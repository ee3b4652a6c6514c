#!/usr/bin/env bash
# Runs every libFuzzer harness for a bounded time, as many at once as there are
# processors (each harness is one process), and reports the executions per second
# and the total executions of each.
#   tests/fuzz/run-fuzzers.sh FUZZ_BUILD_DIR [SECONDS_PER_HARNESS]
# FUZZ_BUILD_DIR holds the fuzz_<name> programs (build/test/fuzz after ./dev.sh test).
# The committed corpus is only read: each harness grows its own copy in
# FUZZ_BUILD_DIR/corpus/<name>, and an input that breaks a property is saved in
# FUZZ_BUILD_DIR/artifacts/. Exits non-zero when a harness fails or is missing.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:?usage: $0 FUZZ_BUILD_DIR [SECONDS_PER_HARNESS]}" && pwd)
seconds=${2:-60}
slots=$(nproc 2>/dev/null || echo 1)

stat() { sed -n "s/^stat::$1: *//p" "$2" | tail -n 1; }

# Fuzzes one harness; its result line goes to FUZZ_BUILD_DIR/fuzz_<name>.result.
fuzz() {
    local name=$1 program=$build/fuzz_$1 work=$build/corpus/$1 log=$build/fuzz_$1.log
    local result=ok
    if ! "$program" "$work" "$here/corpus/$name/" -max_total_time="$seconds" -timeout=10 \
        -rss_limit_mb=2048 -print_final_stats=1 -dict="$here/fuzz.dict" \
        -artifact_prefix="$build/artifacts/$name-" >"$log" 2>&1; then
        result="FAILED, see $log"
    fi
    printf '%-14s %10s %14s  %s' "$name" "$(stat average_exec_per_sec "$log")" \
        "$(stat number_of_executed_units "$log")" "$result" >"$build/fuzz_$name.result"
}

names=()
for seeds in "$here"/corpus/*/; do
    names+=("$(basename "$seeds")")
done
mkdir -p "$build/artifacts"
running=0
for name in "${names[@]}"; do
    rm -f "$build/fuzz_$name.result"
    [ -x "$build/fuzz_$name" ] || continue
    mkdir -p "$build/corpus/$name"
    if [ "$running" -ge "$slots" ]; then
        wait -n
        running=$((running - 1))
    fi
    echo "fuzzing $name for ${seconds}s"
    fuzz "$name" &
    running=$((running + 1))
done
wait

failed=0
summary=$(printf '%-14s %10s %14s  %s' harness exec/s executions result)
for name in "${names[@]}"; do
    if [ ! -x "$build/fuzz_$name" ]; then
        summary+=$(printf '\n%-14s %10s %14s  %s' "$name" - - "missing $build/fuzz_$name")
        failed=1
        continue
    fi
    line=$(cat "$build/fuzz_$name.result")
    summary+=$'\n'"$line"
    if [[ "$line" != *" ok" ]]; then
        failed=1
        tail -n 40 "$build/fuzz_$name.log"
    fi
done
echo "$summary"
exit "$failed"
