#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Usage: bench/extract/makedata.sh WORK
# Makes the extraction benchmark's archives in WORK:
#   mixed.tar.gz  1 GiB: 256 files of 4 MiB in 10 folders, half log-like text,
#                 half random bytes (gzip -1)
#   mixed.7z      52 of those files, 208 MiB, three quarters text (7zz -mx=1;
#                 LZMA is slow to make on random bytes)
#   small.zip     20,000 text files of 100 bytes to 8 KiB in 200 folders
set -euo pipefail
work=$1
data="$work/data"
mkdir -p "$data/mixed" "$data/small"
mib4=$((4 * 1024 * 1024))

# A block of 4 MiB of log lines (and the rest of the last line); each text
# file is it rotated by its own amount: a copy instead of an awk run per file.
awk -v size="$mib4" 'BEGIN {
  srand(7)
  split("INFO WARN DEBUG ERROR", level, " ")
  split("cache sync index mail scan trash", part, " ")
  for (n = 0; n < size; n += length(line) + 1) {
    line = sprintf("2026-12-%02d %02d:%02d:%02d %s %s: item %d took %d ms", 1 + int(rand() * 28), int(rand() * 24),
                   int(rand() * 60), int(rand() * 60), level[1 + int(rand() * 4)], part[1 + int(rand() * 6)],
                   int(rand() * 100000), int(rand() * 5000))
    print line
  }
}' >"$work/block.txt"
: >"$work/7z.list"
for i in $(seq 0 255); do
  dir="d$((i / 26))"
  mkdir -p "$data/mixed/$dir"
  if [ $((i % 2)) -eq 0 ]; then
    name="$dir/log$i.txt"
    k=$((i * 16411))
    { tail -c +$((k + 1)) "$work/block.txt"; head -c "$k" "$work/block.txt"; } >"$data/mixed/$name"
    if [ "$i" -lt 78 ]; then echo "$name" >>"$work/7z.list"; fi
  else
    name="$dir/random$i.bin"
    head -c "$mib4" /dev/urandom >"$data/mixed/$name"
    if [ "$i" -lt 26 ]; then echo "$name" >>"$work/7z.list"; fi
  fi
done
awk -v dir="$data/small" 'BEGIN {
  srand(11)
  for (i = 0; i < 20000; i++) {
    if (i % 100 == 0) { folder = sprintf("%s/f%03d", dir, i / 100); system("mkdir -p " folder) }
    path = sprintf("%s/note%05d.txt", folder, i)
    size = 100 + int(rand() * 8092)
    text = ""
    for (n = 0; n < size; n += 64) text = text sprintf("%-63.63s\n", sprintf("note %d line %d value %d", i, n / 64, int(rand() * 1e9)))
    printf "%s", text > path
    close(path)
  }
}'

(cd "$data" && tar -cf - mixed | gzip -1 >"$work/mixed.tar.gz")
(cd "$data/mixed" && 7zz a -bd -mx=1 "$work/mixed.7z" "@$work/7z.list" >/dev/null)
(cd "$data" && zip -qr "$work/small.zip" small)
rm -rf "$data" "$work/block.txt" "$work/7z.list"
