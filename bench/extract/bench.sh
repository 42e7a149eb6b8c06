#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Usage: bench/extract/bench.sh BUILD_DIR
# Extraction against the archivers themselves, side by side on generated
# archives (in /dev/shm when it has room, so the disk is not what is measured):
#   - a tar.gz of 1 GiB of mixed text and random files, and a zip of 20,000
#     small files: `sweepwright-cli extract FILE -C DIR` within 1.2 times
#     `bsdtar -xf FILE -C DIR`;
#   - a 7z of about 200 MiB: within 1.2 times `7zz x -oDIR FILE`.
# Best of three runs each, alternating; every output is compared with the
# peer's. Fails (status 1) when a ratio is above its limit or the trees differ.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../finder-bench.sh"
build=$(cd "${1:-build}" && pwd)
cmake --build "$build" --target sweepwright-cli >/dev/null
cli="$build/src/cli/sweepwright-cli"
for tool in bsdtar 7zz zip; do
  command -v "$tool" >/dev/null || { echo "extract: $tool is missing (install-deps.sh installs it)"; exit 1; }
done

need_gib=5
base=/dev/shm
[ -d "$base" ] && [ -w "$base" ] || base=${TMPDIR:-/tmp}
avail=$(df -P -k "$base" | awk 'NR == 2 { print $4 }')
if [ "$avail" -lt $((need_gib * 1024 * 1024)) ]; then
  echo "extract: skipped, $base has $((avail / 1024)) MiB free and the archives need $need_gib GiB"
  exit 0
fi
work=$(mktemp -d "$base/sweepwright-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
status=0

echo "extract: making the archives in $base"
"$here/makedata.sh" "$work"
peer_out="$work/peer"
ours_out="$work/ours"

# best_of3 OUT COMMAND...: runs the command three times into a fresh OUT
# (emptying it is not timed); prints the best wall time in ms.
best_of3() {
  local out=$1 best=0 t
  shift
  for _ in 1 2 3; do
    rm -rf "$out" && mkdir "$out"
    t=$(milliseconds "$@")
    if [ "$best" -eq 0 ] || [ "$t" -lt "$best" ]; then best=$t; fi
  done
  echo "$best"
}

# compare LABEL PEER_LABEL PEER_COMMAND... -- OURS_COMMAND...
compare() {
  local label=$1 peer_label=$2 peer ours
  shift 2
  local -a peer_cmd=() ours_cmd=()
  while [ "$1" != -- ]; do peer_cmd+=("$1"); shift; done
  shift
  ours_cmd=("$@")
  echo "$label"
  peer=$(best_of3 "$peer_out" "${peer_cmd[@]}")
  ours=$(best_of3 "$ours_out" "${ours_cmd[@]}")
  verdict time "$peer_label" "$peer" "sweepwright-cli extract -C" "$ours" ms 1.20 || status=1
  if diff -r "$peer_out" "$ours_out" >/dev/null 2>&1; then
    echo "  extracted trees: the same"
  else
    echo "  extracted trees: DIFFERENT"
    status=1
  fi
}

compare "tar.gz: $(du -h "$work/mixed.tar.gz" | cut -f1) holding 1 GiB" "bsdtar -xf" \
  bsdtar -xf "$work/mixed.tar.gz" -C "$peer_out" -- "$cli" extract "$work/mixed.tar.gz" -C "$ours_out"
compare "zip: 20000 small files" "bsdtar -xf" \
  bsdtar -xf "$work/small.zip" -C "$peer_out" -- "$cli" extract "$work/small.zip" -C "$ours_out"
compare "7z: $(du -h "$work/mixed.7z" | cut -f1) holding 200 MiB" "7zz x" \
  7zz x -y -bd "-o$peer_out" "$work/mixed.7z" -- "$cli" extract "$work/mixed.7z" -C "$ours_out"
exit $status
