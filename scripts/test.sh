#!/usr/bin/env bash
# Installs what is missing, builds the native, fuzz and Windows trees, runs every test and
# ends with one summary line.
set -uo pipefail
source "$(dirname "$0")/common.sh"
set -e
ensure_packages "${NATIVE_PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}"
set +e

LOGS="$BUILD_ROOT/logs"
mkdir -p "$LOGS"
rm -f "$LOGS"/*.log # the summary counts this run alone
status=0

run_suite() { # name ctest-dir [ctest args]
    local name=$1 dir=$2
    shift 2
    echo "== $name tests"
    ctest --test-dir "$dir" --output-on-failure --timeout 300 "$@" </dev/null >"$LOGS/$name.log" 2>&1 ||
        status=1
    grep -E "tests passed|The following tests FAILED|\*\*\*Failed|Timeout|Not Run" "$LOGS/$name.log" | head -40
}

build() { # name dir [cmake args]
    local name=$1 dir=$2
    shift 2
    echo "== $name build"
    if ! { cmake -S "$TUNDECK_ROOT" -B "$dir" -G Ninja "$@" >/dev/null &&
        cmake --build "$dir" -j2 >"$LOGS/$name-build.log" 2>&1; }; then
        tail -40 "$LOGS/$name-build.log"
        status=1
        return 1
    fi
}

if build native "$BUILD_ROOT/native" -DCMAKE_BUILD_TYPE=Debug -DTUNDECK_SANITIZE=ON; then
    run_suite native "$BUILD_ROOT/native" -j2
fi

if CC=clang-14 CXX=clang++-14 build fuzz "$BUILD_ROOT/fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTUNDECK_FUZZ=ON; then
    run_suite fuzz "$BUILD_ROOT/fuzz" -j2
fi

trap 'stop_wine_session; release_fault_mounts' EXIT
echo "== windows build"
if build_windows >"$LOGS/windows-build.log" 2>&1; then
    if start_xvfb; then
        prepare_wineprefix N
        start_wineserver
        start_desktop_keeper
        prepare_fault_mounts
        run_suite windows "$BUILD_ROOT/mingw"
        release_fault_mounts
    else
        status=1
    fi
else
    tail -40 "$LOGS/windows-build.log"
    status=1
fi
stop_wine_session
trap - EXIT

# One line for the whole run, summed over the three suites.
passed=0
failed=0
for log in "$LOGS"/native.log "$LOGS"/fuzz.log "$LOGS"/windows.log; do
    [ -f "$log" ] || continue
    line=$(grep -E "tests passed, [0-9]+ tests failed out of [0-9]+" "$log" | tail -1)
    [ -n "$line" ] || continue
    total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$line")
    bad=$(sed -E 's/.* ([0-9]+) tests failed.*/\1/' <<<"$line")
    passed=$((passed + total - bad))
    failed=$((failed + bad))
done
[ $status -eq 0 ] || [ $failed -gt 0 ] || failed=1
echo "$passed passed, $failed failed"
exit $status
