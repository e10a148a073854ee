#!/usr/bin/env bash
# Builds the release executable in a clean tree and packs it with the user's guide, the licence
# and the third-party notices into build/dist/tundeck-<version>-win64.zip, with SHA256SUMS
# beside it. The same commit gives the same bytes in any directory, on any day: the commit's
# time stands in for every time, and build paths are kept out of the binaries.
set -euo pipefail
source "$(dirname "$0")/common.sh"
ensure_packages cmake ninja-build googletest python3 "${WINDOWS_PACKAGES[@]}"

export LC_ALL=C TZ=UTC
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
    if ! SOURCE_DATE_EPOCH=$(git -C "$TUNDECK_ROOT" log -1 --format=%ct 2>/dev/null); then
        echo "Not a git checkout: set SOURCE_DATE_EPOCH to the release's time (seconds since 1970)." >&2
        exit 1
    fi
fi
export SOURCE_DATE_EPOCH

RELEASE_DIR="$BUILD_ROOT/release"
DIST_DIR="$BUILD_ROOT/dist"
rm -rf "$RELEASE_DIR" "$DIST_DIR"
# Stripped: the runtime libraries' debug sections are of no use to a user.
cmake -S "$TUNDECK_ROOT" -B "$RELEASE_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$TUNDECK_ROOT/cmake/mingw-w64.cmake" -DTUNDECK_REPRODUCIBLE=ON \
    -DCMAKE_EXE_LINKER_FLAGS_RELEASE=-s >/dev/null
cmake --build "$RELEASE_DIR" -j2 --target tundeck >/dev/null

version=$(sed -n 's/^#define TUNDECK_VERSION_SHORT "\(.*\)"$/\1/p' "$RELEASE_DIR/generated/tundeck_version.h")
zip="$DIST_DIR/tundeck-$version-win64.zip"
mkdir -p "$DIST_DIR"

# Entries in a fixed order with the commit's time; the texts get Windows line ends.
/usr/bin/python3 - "$zip" "$SOURCE_DATE_EPOCH" \
    "tundeck.exe=$RELEASE_DIR/tundeck.exe" \
    "README.txt=$TUNDECK_ROOT/dist/README.txt" \
    "LICENSE.txt=$TUNDECK_ROOT/LICENSE" \
    "THIRD-PARTY-NOTICES.txt=$TUNDECK_ROOT/THIRD-PARTY-NOTICES.txt" <<'EOF'
import sys, time, zipfile

target, epoch, entries = sys.argv[1], int(sys.argv[2]), sys.argv[3:]
stamp = time.gmtime(max(epoch, 315532800))[:6]  # zip times start in 1980
with zipfile.ZipFile(target, "w") as archive:
    for entry in entries:
        name, source = entry.split("=", 1)
        data = open(source, "rb").read()
        if name.endswith(".txt"):
            data = data.replace(b"\r\n", b"\n").replace(b"\n", b"\r\n")
        info = zipfile.ZipInfo(name, stamp)
        info.create_system = 3  # fixed Unix modes, whatever the checkout's; Windows ignores them
        info.external_attr = (0o100755 if name.endswith(".exe") else 0o100644) << 16
        info.compress_type = zipfile.ZIP_DEFLATED
        archive.writestr(info, data, compresslevel=9)
EOF

(cd "$DIST_DIR" && sha256sum "$(basename "$zip")" >SHA256SUMS)
echo "Package: $zip"
echo "SHA-256 $(cut -d' ' -f1 "$DIST_DIR/SHA256SUMS")  $(basename "$zip")"
echo "SHA-256 $(sha256sum "$RELEASE_DIR/tundeck.exe" | cut -d' ' -f1)  tundeck.exe"
