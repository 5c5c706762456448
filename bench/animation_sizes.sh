#!/bin/sh
# Writes every sample as the PNG sheet and as each animated file kirabellum
# writes (GIF, APNG, WebP lossless, WebP lossy at quality 80) and prints a table
# of bytes and seconds per format. Each run renders the sample again, so the
# PNG's seconds are the render and its sheet; a format's seconds beyond them
# are its encoder's.
#   bench/animation_sizes.sh [KIRABELLUM] [SAMPLES]
set -eu
kirabellum=${1:-build/bin/kirabellum}
samples=${2:-samples}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

# run NAME OUTPUT OPTIONS...: prints "bytes seconds" of one render.
run() {
    sample=$1
    output=$2
    shift 2
    start=$(date +%s.%N)
    "$kirabellum" render "$sample" -o "$out/$output" "$@" >/dev/null
    end=$(date +%s.%N)
    printf '%s %s' "$(stat -c %s "$out/$output")" "$(echo "$end - $start" | bc)"
}

printf '%-16s %22s %22s %22s %22s %22s\n' sample "PNG sheet" GIF APNG "WebP lossless" \
    "WebP lossy 80"
for sample in "$samples"/*.df2 "$samples"/*.json; do
    name=$(basename "$sample")
    name=${name%.*}
    line=$(printf '%-16s' "$name")
    for format in png gif apng webp lossy; do
        case $format in
        lossy) set -- "$name-lossy.webp" --quality 80 ;;
        *) set -- "$name.$format" ;;
        esac
        result=$(run "$sample" "$@")
        line="$line $(printf '%12s B %6.2f s' ${result% *} ${result#* })"
    done
    echo "$line"
done
