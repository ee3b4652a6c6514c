#!/usr/bin/env bash
# Grows the committed corpus: fuzzes every harness at once for a long run (each in a
# work copy of its committed corpus, at the lowest priority so that it only takes idle
# time), then merges into corpus/<name>/ only the inputs that reach code the committed
# ones do not (libFuzzer's -merge=1). The merge counts edges, not how often each is taken
# (-use_counters=0): with hit counts the compile corpus grows ten times larger and its
# replay in CTest takes many seconds. The committed inputs themselves stay as they are.
#   tests/fuzz/grow-corpus.sh FUZZ_BUILD_DIR [SECONDS_PER_HARNESS]
# FUZZ_BUILD_DIR holds the fuzz_<name> programs (build/test/fuzz after ./dev.sh test).
# The work corpora, logs and any crashing input stay in FUZZ_BUILD_DIR/grow/. A harness
# that breaks a property is not merged; the script then exits non-zero.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:?usage: $0 FUZZ_BUILD_DIR [SECONDS_PER_HARNESS]}" && pwd)
seconds=${2:-1800}
grow=$build/grow

stat() { sed -n "s/^stat::$1: *//p" "$2" | tail -n 1; }
count() { find "$1" -maxdepth 1 -type f | wc -l; }

mkdir -p "$grow/artifacts"
declare -A pids
for seeds in "$here"/corpus/*/; do
    name=$(basename "$seeds")
    program=$build/fuzz_$name
    [ -x "$program" ] || { echo "missing $program" >&2; exit 1; }
    rm -rf "$grow/$name"
    mkdir -p "$grow/$name"
    cp "$seeds"/* "$grow/$name/"
    echo "fuzzing $name for ${seconds}s, log in $grow/$name.log"
    nice -n 19 "$program" "$grow/$name" -max_total_time="$seconds" -timeout=10 \
        -rss_limit_mb=2048 -print_final_stats=1 -dict="$here/fuzz.dict" \
        -artifact_prefix="$grow/artifacts/$name-" >"$grow/$name.log" 2>&1 &
    pids[$name]=$!
done

failed=0
summary=$(printf '%-12s %8s %12s %8s %8s %8s  %s' harness exec/s executions grown before after result)
for seeds in "$here"/corpus/*/; do
    name=$(basename "$seeds")
    log=$grow/$name.log
    before=$(count "$seeds")
    result=ok
    if ! wait "${pids[$name]}"; then
        result="FAILED, see $log"
        failed=1
    else
        nice -n 19 "$build/fuzz_$name" -merge=1 -use_counters=0 "$seeds" "$grow/$name" \
            >"$grow/$name-merge.log" 2>&1 || { result="merge failed"; failed=1; }
    fi
    summary+=$(printf '\n%-12s %8s %12s %8s %8s %8s  %s' "$name" \
        "$(stat average_exec_per_sec "$log")" "$(stat number_of_executed_units "$log")" \
        "$(count "$grow/$name")" "$before" "$(count "$seeds")" "$result")
done
echo "$summary" | tee "$grow/summary.txt"
exit "$failed"
