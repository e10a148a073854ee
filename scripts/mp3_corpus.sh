#!/usr/bin/env bash
# Builds a corpus of MP3 files the way people get them (Debian's lame, twolame and ffmpeg; tags
# from id3v2, eyeD3 and mutagen: a cover picture, ID3v1, APEv2, junk before the first frame;
# MPEG-1, 2 and 2.5), reads each with the program's own reading under Wine (tests/tools/
# track_facts) and compares with ffprobe: the time must be ffprobe's duration rounded down or
# within a second of it, version, layer and sample rate the same, the bitrate within 1 kbit/s
# (a VBR file's is an average; without a VBR header it is an estimate, within 5 %). Prints a
# line per file and ends with
# "N passed, M failed". The corpus stays in build/mp3-corpus.
set -uo pipefail
source "$(dirname "$0")/common.sh"
set -e
ensure_packages lame twolame ffmpeg eyed3 id3v2 python3-mutagen "${WINDOWS_PACKAGES[@]}"
build_windows track_facts >/dev/null
set +e

corpus="$BUILD_ROOT/mp3-corpus"
rm -rf "$corpus"
mkdir -p "$corpus/work"
cd "$corpus/work" || exit 1

quiet() { "$@" >/dev/null 2>&1 || echo "failed: $*" >&2; }

# Six seconds of a tone over pink noise, so VBR rates vary from frame to frame.
quiet ffmpeg -y -f lavfi -i "sine=f=440:d=6" -f lavfi -i "anoisesrc=d=6:c=pink:a=0.2" \
    -filter_complex "amix=inputs=2,volume=2" -ac 2 -ar 44100 in.wav
quiet ffmpeg -y -i in.wav -ac 1 mono.wav

quiet lame -b 128 in.wav ../lame-cbr-info.mp3
quiet lame -t -b 128 in.wav plain.mp3
cp plain.mp3 ../lame-cbr-bare.mp3
quiet lame -V 2 in.wav vbr.mp3
cp vbr.mp3 ../lame-vbr-xing.mp3
quiet lame -t -V 5 in.wav ../lame-vbr-bare.mp3
quiet lame -m m -V 4 mono.wav ../lame-vbr-mono.mp3
quiet lame -b 96 --add-id3v2 --tt Title --ta Artist --ty 2001 in.wav ../lame-id3v2-id3v1.mp3
quiet lame --resample 22.05 -b 64 in.wav ../lame-mpeg2-cbr.mp3
quiet lame --resample 16 -m m -V 6 mono.wav ../lame-mpeg2-vbr-mono.mp3
quiet lame --resample 8 -m m -b 16 mono.wav ../lame-mpeg25-cbr-mono.mp3
quiet lame --resample 11.025 -V 7 in.wav ../lame-mpeg25-vbr.mp3
quiet ffmpeg -y -i in.wav -b:a 128k ../ffmpeg-cbr.mp3
quiet ffmpeg -y -i in.wav -q:a 4 ../ffmpeg-vbr.mp3
quiet ffmpeg -y -i in.wav -ar 24000 -b:a 48k ../ffmpeg-mpeg2-cbr.mp3
quiet twolame -b 192 in.wav ../twolame-layer2.mp3
quiet twolame -m m -b 96 mono.wav ../twolame-layer2-mono.mp3

cp plain.mp3 ../id3v2-tool.mp3
quiet id3v2 -t Title -a Artist -A Album -y 2001 ../id3v2-tool.mp3
cp vbr.mp3 ../eyed3-v24.mp3
quiet eyeD3 --v2 -t Title -a Artist -A Album ../eyed3-v24.mp3
cp vbr.mp3 ../eyed3-v23-v1.mp3
quiet eyeD3 --to-v2.3 -t Title -a Artist ../eyed3-v23-v1.mp3
quiet eyeD3 --to-v1.1 ../eyed3-v23-v1.mp3
cp vbr.mp3 ../mutagen-cover.mp3
cp plain.mp3 ../mutagen-cover-cbr.mp3
cp plain.mp3 ../apev2.mp3
cp plain.mp3 ../apev2-id3v1.mp3
/usr/bin/python3 - "$corpus" <<'EOF'
import os, sys
from mutagen.apev2 import APEv2
from mutagen.id3 import ID3, APIC, TIT2
corpus = sys.argv[1]
for name in ("mutagen-cover.mp3", "mutagen-cover-cbr.mp3"):
    tags = ID3()
    tags.add(TIT2(encoding=3, text="With a cover"))
    tags.add(APIC(encoding=3, mime="image/jpeg", type=3, desc="Cover", data=os.urandom(300_000)))
    tags.save(os.path.join(corpus, name))
for name in ("apev2.mp3", "apev2-id3v1.mp3"):
    tags = APEv2()
    tags["Title"] = "An APE title"
    tags["Comment"] = "x" * 20_000
    tags.save(os.path.join(corpus, name))
# Junk in front: an untagged file after 1,500 bytes of noise; a tagged one with zeros after the tag.
plain = open("plain.mp3", "rb").read()
tagged = open(os.path.join(corpus, "id3v2-tool.mp3"), "rb").read()
size = 10 + (tagged[6] << 21 | tagged[7] << 14 | tagged[8] << 7 | tagged[9])
open(os.path.join(corpus, "junk-before-frame.mp3"), "wb").write(os.urandom(1500) + plain)
open(os.path.join(corpus, "tag-zeros-frame.mp3"), "wb").write(tagged[:size] + bytes(2000) + tagged[size:])
EOF
quiet id3v2 -1 -t "Also ID3v1" ../apev2-id3v1.mp3
cd "$corpus" && rm -rf work

# ffprobe's facts: codec (mp1/mp2/mp3), sample rate, and its duration and bitrate twice: as it
# states them, and from the frames it decodes (the stated ones are estimates from the size for
# files without a VBR header, and count an APEv2 tag as audio; the decoded ones count every
# frame whole, where the size formula cuts a file whose encoder never pads its frames).
probe() {
    ffprobe -v error "$@" -select_streams a:0 -show_entries format=duration:stream=codec_name,sample_rate,bit_rate \
        -show_entries stream=nb_read_frames -of default=nw=1 "$file" | tr '\n' ' '
}
field() { sed -nE "s/.*$1=([0-9.]+).*/\\1/p" <<<"$2"; }

start_wine() {
    prepare_wineprefix N
    start_wineserver
}
trap 'stop_wine_session' EXIT
start_wine
files=("$corpus"/*.mp3)
wine_files=()
for file in "${files[@]}"; do
    wine_files+=("$(wine_path "$file")")
done
facts=$(wine "$BUILD_ROOT/mingw/tests/tools/track_facts.exe" "${wine_files[@]}" </dev/null 2>/dev/null | tr -d '\r')

passed=0
failed=0
i=0
while IFS=$'\t' read -r seconds version layer kbits hertz _; do
    file=${files[$i]}
    i=$((i + 1))
    stated=$(probe)
    decoded=$(probe -count_frames)
    codec=$(sed -nE 's/.*codec_name=mp([123]).*/\1/p' <<<"$stated")
    rate=$(field sample_rate "$stated")
    duration=$(field duration "$stated")
    bits=$(field bit_rate "$stated")
    counted=$(awk -v f="$(field nb_read_frames "$decoded")" -v c="$codec" -v r="$rate" \
        'BEGIN { printf "%.6f", f * (c == 1 ? 384 : c == 2 || r >= 32000 ? 1152 : 576) / r }')
    counted_bits=$(field bit_rate "$decoded")
    expected_version=$(awk -v r="$rate" 'BEGIN { print (r >= 32000 ? 1 : r >= 16000 ? 2 : 3) }')
    verdict=$(awk -v s="$seconds" -v d="$duration" -v cd="$counted" -v v="$version" -v ev="$expected_version" \
        -v l="$layer" -v el="$codec" -v hz="$hertz" -v r="$rate" -v k="$kbits" -v b="$bits" -v cb="$counted_bits" '
        function near(x, y, most) { return x - y <= most && y - x <= most }
        BEGIN {
            why = ""
            if (!(s == int(d) || s == int(cd) || near(s, d, 0.999999) || near(s, cd, 0.999999))) why = why " time"
            if (v != ev) why = why " version"
            if (l != el) why = why " layer"
            if (hz != r) why = why " rate"
            # Where ffprobe'"'"'s two bitrates differ it estimates (a VBR file without a VBR header),
            # and so do we, from frames sampled across the file: within 5 % of the decoded one.
            most = b == cb ? 1 : cb / 1000 * 0.05
            if (!near(k, b / 1000, 1) && !near(k, cb / 1000, most)) why = why " bitrate"
            print why == "" ? "ok" : "MISMATCH:" why
        }')
    printf '%-26s ours %3ss v%s L%s %3s kbit/s %5s Hz | ffprobe %8ss/%8ss v%s L%s %6s/%6s bit/s %5s Hz  %s\n' \
        "$(basename "$file")" "$seconds" "$version" "$layer" "$kbits" "$hertz" "$duration" "$counted" \
        "$expected_version" "$codec" "$bits" "$counted_bits" "$rate" "$verdict"
    if [ "$verdict" = ok ]; then passed=$((passed + 1)); else failed=$((failed + 1)); fi
done <<<"$facts"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ] && [ "$i" -eq ${#files[@]} ]
