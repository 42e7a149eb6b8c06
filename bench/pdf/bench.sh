#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Usage: bench/pdf/bench.sh BUILD_DIR
# The PDF compressor's quality 1 against Ghostscript's own "/ebook" settings
# (150 ppi images, the nearest of its presets) on the same document: 40 pages,
# each a different 12-megapixel photograph (4000 x 3000, JPEG) printed 11
# inches wide. `sweepwright-cli pdf --quality 1` runs Ghostscript too, with
# our filter's settings, and also checks the copy (every page there).
# Rounds alternate which goes first; the best time of each is compared, and
# the sizes of the two copies. Fails (status 1) when our copy is larger than
# the peer's, or takes more than 1.2 times as long.
#
# Then a corpus of everyday documents that make_corpus.py builds with
# Debian's tools (typeset text, tables, vector drawings and charts, scanned
# pages, a photo album, a manual full of small icons, transparency): each
# document's copy at quality 1 against gs /ebook's, and the median of those
# ratios, which fails above 1.00.
#
# BENCH_PAGES and BENCH_RUNS change the page count and the rounds.
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../finder-bench.sh"
cmake --build "$build" --target sweepwright-cli >/dev/null
cli="$build/src/cli/sweepwright-cli"
pages=${BENCH_PAGES:-40}
runs=${BENCH_RUNS:-2}
work=$(finder_workdir)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config" TMPDIR="$work/tmp"
mkdir -p "$TMPDIR" "$work/photos"

# Eight plasma "photographs", and from each five others moved and recoloured,
# so no two pages carry the same image.
for base in $(seq 1 8); do
  convert -seed "$base" -size 4000x3000 plasma:fractal -blur 0x0.6 "$work/photos/base$base.ppm"
  for v in $(seq 1 5); do
    n=$(( (base - 1) * 5 + v ))
    [ "$n" -le "$pages" ] || continue
    convert "$work/photos/base$base.ppm" -roll "+$((v * 613))+$((v * 411))" -modulate 100,$((80 + v * 8)),$((90 + v * 4)) \
      -quality 92 "$work/photos/$(printf '%03d' "$n").jpg"
  done
  rm "$work/photos/base$base.ppm"
done
python3 "$here/make_photo_pdf.py" "$work/photos.pdf" 11 "$work"/photos/*.jpg
rm -rf "$work/photos"
echo "pdf: $pages pages of 12-megapixel photographs, $(( $(stat -c %s "$work/photos.pdf") / 1048576 )) MiB"

run_peer() {
  gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=pdfwrite -dPDFSETTINGS=/ebook -sOutputFile="$work/peer.pdf" "$work/photos.pdf"
}
run_ours() {
  rm -rf "$TMPDIR/Sweepwright"
  "$cli" pdf --quality 1 -o "$work/ours.pdf" --yes "$work/photos.pdf"
}
peer=0 ours=0
for round in $(seq "$runs"); do
  if [ $((round % 2)) -eq 1 ]; then
    tp=$(milliseconds run_peer); to=$(milliseconds run_ours)
  else
    to=$(milliseconds run_ours); tp=$(milliseconds run_peer)
  fi
  if [ "$peer" -eq 0 ] || [ "$tp" -lt "$peer" ]; then peer=$tp; fi
  if [ "$ours" -eq 0 ] || [ "$to" -lt "$ours" ]; then ours=$to; fi
done
[ -s "$work/ours.pdf" ] || { echo "  FAIL: sweepwright-cli pdf made no copy"; exit 1; }
status=0
verdict size "gs -dPDFSETTINGS=/ebook" "$(( $(stat -c %s "$work/peer.pdf") / 1024 ))" \
  "sweepwright-cli pdf --quality 1" "$(( $(stat -c %s "$work/ours.pdf") / 1024 ))" KiB 1.00 || status=1
verdict time "gs -dPDFSETTINGS=/ebook" "$peer" "sweepwright-cli pdf --quality 1" "$ours" ms 1.20 || status=1

corpus_ratios() {
  local corpus="$work/corpus" name doc peer ours
  python3 "$here/make_corpus.py" "$corpus" "$work/corpus-work" >"$work/corpus.txt"
  rm -rf "$work/corpus-work"
  echo "pdf corpus: quality 1 against gs -dPDFSETTINGS=/ebook (sizes in bytes)"
  printf '  %-16s %10s %10s %10s %6s\n' document source ebook ours ratio
  while read -r name; do
    doc="$corpus/$name.pdf"
    gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=pdfwrite -dPDFSETTINGS=/ebook -sOutputFile="$work/peer.pdf" "$doc"
    "$cli" pdf --quality 1 -o "$work/ours.pdf" --yes "$doc" >/dev/null || { echo "  FAIL: no copy of $name"; return 1; }
    peer=$(stat -c %s "$work/peer.pdf")
    ours=$(stat -c %s "$work/ours.pdf")
    printf '  %-16s %10d %10d %10d %6s\n' "$name" "$(stat -c %s "$doc")" "$peer" "$ours" "$(ratio "$ours" "$peer")"
    awk -v a="$ours" -v b="$peer" 'BEGIN { printf "%.4f\n", a / b }' >>"$work/ratios.txt"
  done <"$work/corpus.txt"
}
corpus_ratios || status=1
if [ -s "$work/ratios.txt" ]; then
  m=$(sort -n "$work/ratios.txt" | awk '{ v[NR] = $1 } END { printf "%.2f", (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }')
  echo "  median size ratio $m (at most 1.00)"
  if at_most "$m" 1.00; then echo "  PASS"; else echo "  FAIL: median size ratio above 1.00"; status=1; fi
fi
exit $status
