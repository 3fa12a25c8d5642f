#!/usr/bin/env bash
# Times `trellis transparent IMAGE... -d OUTDIR` against one trellis process per picture, on the
# same pictures, with hyperfine (Debian package hyperfine) alternating the two.
#
#   bench/batch.sh BUILD_DIR [COUNT] [SIZE]
#
# COUNT pictures (24 by default) of SIZE pixels (1600x1200) are made from the test photographs
# with ImageMagick, each with its own hue, so no two are alike.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
trellis="$(cd "${1:?usage: bench/batch.sh BUILD_DIR [COUNT] [SIZE]}" && pwd)/bin/trellis"
count="${2:-24}"
size="${3:-1600x1200}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/in" "$work/batch" "$work/single"

sources=("$root/tests/data/coffee.jpg" "$root/tests/data/rocket.jpg" "$root/tests/data/chelsea.png")
for i in $(seq 1 "$count"); do
    source="${sources[$((i % ${#sources[@]}))]}"
    convert "$source" -resize "$size!" -modulate 100,100,$((80 + i * 40 / count)) -quality 92 \
        "$work/in/picture$i.jpg"
done

single="for f in $work/in/*.jpg; do n=\$(basename \"\$f\" .jpg); \
$trellis transparent \"\$f\" -o $work/single/\$n.gif --corner --recolor white >/dev/null; done"
batch="$trellis transparent $work/in/*.jpg -d $work/batch --corner --recolor white --quiet >/dev/null"

echo "$count pictures of $size on $(nproc) cores"
hyperfine --warmup 1 --runs "${RUNS:-5}" --export-markdown "$work/table.md" \
    -n "one process per picture" "$single" -n "one batch run" "$batch"
cat "$work/table.md"
# The batch writes the same bytes as single runs.
for f in "$work"/single/*.gif; do
    cmp -s "$f" "$work/batch/$(basename "$f")" || { echo "batch differs: $(basename "$f")"; exit 1; }
done
echo "every batch output equals its single run"
