# Shared by run.sh and test.sh: package installation and the Wine session.
# shellcheck shell=bash

TUNDECK_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD_ROOT="$TUNDECK_ROOT/build"

# id3v2 and python3-mutagen: the tag tools the tag tests read and write with.
NATIVE_PACKAGES=(g++ cmake ninja-build googletest clang-14 libclang-rt-14-dev id3v2 python3-mutagen)
WINDOWS_PACKAGES=(g++-mingw-w64-x86-64-posix wine wine64 xvfb xauth)

# Installs the Debian packages of the arguments that are missing.
ensure_packages() {
    local missing=()
    local package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing ${missing[*]}" >&2
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
}

# Configures (once) and builds the Windows tree; extra arguments name targets.
build_windows() {
    local dir="$BUILD_ROOT/mingw"
    if [ ! -f "$dir/build.ninja" ]; then
        cmake -S "$TUNDECK_ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
            -DCMAKE_TOOLCHAIN_FILE="$TUNDECK_ROOT/cmake/mingw-w64.cmake" \
            -DTUNDECK_WINEPREFIX="$WINEPREFIX" >/dev/null
    fi
    if [ $# -gt 0 ]; then
        cmake --build "$dir" -j2 --target "$@"
    else
        cmake --build "$dir" -j2
    fi
}

DEMO_DIR="$BUILD_ROOT/demo"

# The Wine name of a file under the build tree (Wine shows the Unix root as drive Z).
wine_path() {
    printf 'Z:%s' "${1//\//\\}"
}

# A program directory to try Tundeck in: the program, the stand-in player under the player's
# name, settings that name it, and a few generated tracks of different kinds in a playlist. The
# settings and the playlist are made once, so what a user changes stays.
prepare_demo() {
    mkdir -p "$DEMO_DIR/music"
    cp "$BUILD_ROOT/mingw/tundeck.exe" "$DEMO_DIR/tundeck.exe"
    cp "$BUILD_ROOT/mingw/tests/standin_player/standin_player.exe" "$DEMO_DIR/Melvane3.exe"
    # name, four header bytes (version, layer, bitrate, sample frequency) and the size in bytes
    local tracks=(
        "01 Overture.mp3:\xFF\xFB\x90\x64:3360000"
        "02 Second Movement.mp3:\xFF\xFD\xA4\x00:2160000"
        "03 Interlude.mp3:\xFF\xF3\x80\x00:720000"
        "04 Finale.mp3:\xFF\xE3\x40\x00:380000"
    )
    local track name header size list=""
    for track in "${tracks[@]}"; do
        IFS=: read -r name header size <<<"$track"
        if [ ! -f "$DEMO_DIR/music/$name" ]; then
            { printf '%b' "$header"; head -c "$((size - 4))" /dev/zero; } >"$DEMO_DIR/music/$name"
        fi
        list+="$(wine_path "$DEMO_DIR/music/$name")"$'\r\n'
    done
    [ -f "$DEMO_DIR/tmplist.m3u" ] || printf '%s' "$list" >"$DEMO_DIR/tmplist.m3u"
    [ -f "$DEMO_DIR/tundeck.ini" ] ||
        printf 'LastDir=%s\r\nMelvDir=%s\r\n' "$(wine_path "$DEMO_DIR/music")" \
            "$(wine_path "$DEMO_DIR/Melvane3.exe")" >"$DEMO_DIR/tundeck.ini"
}

# Starts an X server of our own on a free display and exports DISPLAY; fails, saying so, when
# the server does not come up within ten seconds.
start_xvfb() {
    local displayfile
    displayfile=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$displayfile" >/dev/null 2>&1 &
    XVFB_PID=$!
    local tries=0
    while [ ! -s "$displayfile" ] && [ $tries -lt 100 ] && kill -0 "$XVFB_PID" 2>/dev/null; do
        sleep 0.1
        tries=$((tries + 1))
    done
    if [ ! -s "$displayfile" ]; then
        rm -f "$displayfile"
        echo "The virtual X display (Xvfb) did not come up: no Windows test can run." >&2
        return 1
    fi
    export DISPLAY=":$(cat "$displayfile")"
    rm -f "$displayfile"
}

export WINEPREFIX="$BUILD_ROOT/wineprefix"

# Creates the prefix once and sets whether a window manager places Wine's windows: Y on the
# user's desktop, N on our own X server, which has none (every DestroyWindow would otherwise
# wait two seconds for it).
prepare_wineprefix() {
    local managed=$1
    export WINEDEBUG=-all,err+module WINEDLLOVERRIDES="mscoree,mshtml="
    if [ ! -f "$WINEPREFIX/.tundeck-ready" ]; then
        mkdir -p "$WINEPREFIX"
        wine wineboot --init </dev/null >/dev/null 2>&1
        wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
            </dev/null >/dev/null 2>&1
        touch "$WINEPREFIX/.tundeck-ready"
    fi
    if [ "$(cat "$WINEPREFIX/.tundeck-managed" 2>/dev/null)" != "$managed" ]; then
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d "$managed" /f </dev/null >/dev/null 2>&1
        echo "$managed" >"$WINEPREFIX/.tundeck-managed"
    fi
    # A changed setting only takes effect with a new server.
    wineserver -w
}

# A persistent, primed wineserver: without it every Wine process pays for starting the
# server and its helpers, and the helpers hold our output pipes open.
start_wineserver() {
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
    wineserver -p </dev/null >/dev/null 2>&1
    wine wineboot </dev/null >/dev/null 2>&1
}

# Keeps the Wine desktop process alive between GUI processes.
start_desktop_keeper() {
    wine "$BUILD_ROOT/mingw/tests/tools/wintool.exe" keep </dev/null >/dev/null 2>&1 &
}

# The conditions the fault tests need and Windows cannot make under Wine: a small file system to
# fill (TUNDECK_SMALL_DISK) and a read-only program directory (TUNDECK_READONLY_DIR, holding
# settings that name the stand-in player and a remembered playlist). Both need mount, so root;
# without it those tests skip, saying why.
FAULTS_DIR="$BUILD_ROOT/faults"
prepare_fault_mounts() {
    release_fault_mounts
    mkdir -p "$FAULTS_DIR/small" "$FAULTS_DIR/readonly" "$FAULTS_DIR/readonly-source"
    printf 'MelvDir=%s\r\n' "$(wine_path "$BUILD_ROOT/mingw/tests/standin_player/standin_player.exe")" \
        >"$FAULTS_DIR/readonly-source/tundeck.ini"
    printf 'C:\\Music\\a.mp3\r\n' >"$FAULTS_DIR/readonly-source/tmplist.m3u"
    if mount -t tmpfs -o size=256k tmpfs "$FAULTS_DIR/small" 2>/dev/null; then
        export TUNDECK_SMALL_DISK="$(wine_path "$FAULTS_DIR/small")\\"
    fi
    if mount --bind "$FAULTS_DIR/readonly-source" "$FAULTS_DIR/readonly" 2>/dev/null; then
        if mount -o remount,bind,ro "$FAULTS_DIR/readonly" 2>/dev/null; then
            export TUNDECK_READONLY_DIR="$(wine_path "$FAULTS_DIR/readonly")\\"
        else
            umount "$FAULTS_DIR/readonly" 2>/dev/null
        fi
    fi
}

release_fault_mounts() {
    umount "$FAULTS_DIR/small" 2>/dev/null || true
    umount "$FAULTS_DIR/readonly" 2>/dev/null || true
}

stop_wine_session() {
    [ -n "${WINEPREFIX:-}" ] && wineserver -k 2>/dev/null || true
    [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true
}
