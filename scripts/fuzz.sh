#!/usr/bin/env bash
# Runs every fuzz target for SECONDS each (default 300) with its dictionary,
# starting from the seed corpus in fuzz/corpus/ and growing a corpus of its
# own outside the tree (KICKOFF_FUZZ_DIR, default ~/.cache/kickoff-clock-fuzz).
# Prints each target's executions and executions per second; a finding is
# saved there as crash-* and fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-300}
out=${KICKOFF_FUZZ_DIR:-$HOME/.cache/kickoff-clock-fuzz}

cmake -S . -B build-fuzz -G Ninja -DKICKOFF_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build build-fuzz >/dev/null

status=0
printf '%-16s %14s %10s  %s\n' target executions exec/s result
for seeds in fuzz/corpus/*/; do
    name=$(basename "$seeds")
    mkdir -p "$out/$name"
    log="$out/$name.log"
    result=ok
    build-fuzz/fuzz/${name}_fuzz -max_total_time="$seconds" -print_final_stats=1 \
        -dict="fuzz/dict/$name.dict" -artifact_prefix="$out/$name-" \
        "$out/$name" "$seeds" >"$log" 2>&1 || { result="FINDING (see $log)"; status=1; }
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
    printf '%-16s %14s %10s  %s\n' "$name" "${runs:-?}" "${rate:-?}" "$result"
done
exit $status
