#!/usr/bin/env bash
# Installs what is missing, builds if needed and starts Tundeck under Wine on the user's display,
# from the demo program directory build/demo (with the stand-in player and a few tracks).
# Without a display it starts it on a virtual one, saves a screenshot of the main window, prints
# the screenshot's path and closes the program.
set -euo pipefail
source "$(dirname "$0")/common.sh"
ensure_packages cmake ninja-build googletest "${WINDOWS_PACKAGES[@]}"

TUNDECK_EXE="$DEMO_DIR/tundeck.exe"
WINTOOL="$BUILD_ROOT/mingw/tests/tools/wintool.exe"

if [ -n "${DISPLAY:-}" ]; then
    prepare_wineprefix Y
    build_windows tundeck standin_player wintool >/dev/null
    prepare_demo
    exec wine "$TUNDECK_EXE" "$@"
fi

ensure_packages imagemagick
trap stop_wine_session EXIT
start_xvfb
prepare_wineprefix N
build_windows tundeck standin_player wintool >/dev/null
prepare_demo
wine "$TUNDECK_EXE" "$@" </dev/null >/dev/null 2>&1 &
tundeck_pid=$!
read -r left top width height < <(wine "$WINTOOL" wait "Tundeck v1.4" 60 </dev/null)
wine "$WINTOOL" idle "Tundeck v1.4" 10 </dev/null >/dev/null
screenshot="$BUILD_ROOT/tundeck-screenshot.png"
import -window root -crop "${width}x${height}+${left}+${top}" +repage "$screenshot"
wine "$WINTOOL" close "Tundeck v1.4" 30 </dev/null
wait "$tundeck_pid"
echo "Screenshot of the main window: $screenshot"
