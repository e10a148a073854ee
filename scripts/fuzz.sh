#!/usr/bin/env bash
# A local fuzzing campaign: builds the fuzz targets and runs each for SECONDS (default 600),
# growing its kept corpus in tests/fuzz/corpus/<target>/ (merged, so only new coverage stays),
# then prints the executions per target. Any crash, leak or sanitizer report fails the run and
# leaves the input beside the corpus as crash-*, leak-* or timeout-*.
set -uo pipefail
source "$(dirname "$0")/common.sh"

seconds=${1:-600}
ensure_packages "${NATIVE_PACKAGES[@]}"
dir="$BUILD_ROOT/fuzz"
CC=clang-14 CXX=clang++-14 cmake -S "$TUNDECK_ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTUNDECK_FUZZ=ON >/dev/null && cmake --build "$dir" -j2 >/dev/null || exit 1

status=0
report=()
for target in "$dir"/tests/fuzz/*_fuzz; do
    name=$(basename "$target")
    corpus="$TUNDECK_ROOT/tests/fuzz/corpus/$name"
    found="$dir/tests/fuzz/campaign/$name"
    mkdir -p "$corpus" "$found"
    echo "== $name for $seconds s"
    log="$dir/tests/fuzz/campaign/$name.log"
    max_len=4096
    [ "$name" != mpeg_header_fuzz ] || max_len=262144 # track files are read past their head
    if ! "$target" -max_total_time="$seconds" -rss_limit_mb=2048 -max_len=$max_len -print_final_stats=1 \
        -artifact_prefix="$TUNDECK_ROOT/tests/fuzz/corpus/$name-" "$found" "$corpus" >"$log" 2>&1; then
        tail -30 "$log"
        status=1
    fi
    # Only inputs that add coverage join the kept corpus.
    "$target" -merge=1 "$corpus" "$found" >/dev/null 2>&1
    runs=$(grep -E '^stat::number_of_executed_units:' "$log" | awk '{print $2}')
    report+=("$(printf '%-20s %12s executions' "$name" "${runs:-?}")")
done
printf '%s\n' "${report[@]}"
exit $status
