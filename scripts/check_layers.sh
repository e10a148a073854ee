#!/usr/bin/env bash
# Fails on an include that runs up the folder table: each folder of src/ may include only
# itself and the folders it builds on.
set -uo pipefail
src=${1:-"$(dirname "$0")/../src"}

declare -A builds_on=(
    [framework]=""
    [playlist]="framework"
    [player]="framework playlist"
    [trackinfo]="framework playlist"
    [ui]="framework playlist trackinfo"
    [app]="framework playlist player trackinfo ui"
)

status=0
for dir in "$src"/*/; do
    folder=$(basename "$dir")
    if [ -z "${builds_on[$folder]+set}" ]; then
        echo "src/$folder/ has no place in the layer table of scripts/check_layers.sh"
        status=1
        continue
    fi
    allowed=" $folder ${builds_on[$folder]} "
    while IFS=: read -r file line target; do
        if [[ "$allowed" != *" ${target%%/*} "* ]]; then
            echo "src/$folder/$(basename "$file"):$line includes $target, above $folder/"
            status=1
        fi
    done < <(grep -HnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[^"]+/[^"]+"' "$dir"*.h "$dir"*.cpp 2>/dev/null |
        sed -E 's/^([^:]+):([0-9]+):.*"([^"]+)".*/\1:\2:\3/')
done
[ $status -eq 0 ] && echo "Every include keeps to the layers"
exit $status
