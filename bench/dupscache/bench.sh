#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Usage: bench/dupscache/bench.sh BUILD_DIR
# The duplicate finder's hash cache: two scans (`sweepwright-cli dups --json`)
# of one unchanged generated tree of 300,000 files (bench/treegen), the page
# cache dropped before each where that is permitted (echo 3 >
# /proc/sys/vm/drop_caches, as root outside a container), with an empty
# hash cache before the first. The second must read at most a tenth of the
# bytes of the first, measured through /proc/PID/io:
#   - rchar, every byte the scan's reads asked for (files and the cache);
#   - read_bytes, what came from the disk, less what a walk of the same tree
#     alone reads from it (`sweepwright-cli large`, which reads no file):
#     the generated files are sparse, so the directories and inodes the walk
#     reads outweigh their contents. Checked only when the page cache could
#     be dropped and the first scan read contents from the disk.
# Both must find the same sets, and the true ones. A third scan with
# --no-cache shows that the cache is what saved the reading.
# The tree is made on disk (finder_workdir) so that read_bytes means
# something; BENCH_DUPS_CACHE_FILES changes its size.
# Fails (status 1) when a condition is not met.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../finder-bench.sh"
build=$(cd "${1:-build}" && pwd)
finder_tools "$build"
files=${BENCH_DUPS_CACHE_FILES:-300000}
work=$(finder_workdir)
trap 'rm -rf "$work"' EXIT
export XDG_CACHE_HOME="$work/cache"
status=0

drop_caches() {
  sync
  if (echo 3 >/proc/sys/vm/drop_caches) 2>/dev/null; then echo dropped; else echo kept; fi
}

tree="$work/tree"
"$gen" "$tree" "$files" --truth "$work/truth"
echo "dupscache: $files files, $(wc -l <"$work/truth") true groups"
# A file changed within the last two seconds may change again unseen: the
# cache keeps nothing of it. Let the new tree settle.
sleep 3

scan() {  # LABEL OUT COMMAND [OPTION]: prints "read_bytes rchar wall_ms peak_kib"
  local label=$1 out=$2 command=$3 cache rb rc ms kb code
  shift 3
  cache=$(drop_caches)
  echo "$cache" >"$work/page-cache"
  read -r rb rc ms kb code < <("$here/procio.py" "$out" "$cli" "$command" "$tree" --json "$@")
  [ "$code" -eq 0 ] || { echo "  FAIL: $label exited with $code"; status=1; }
  printf '  %-22s read_bytes %12s  rchar %12s  %6s ms  peak %7s KiB  (page cache %s)\n' \
    "$label" "$rb" "$rc" "$ms" "$kb" "$cache" >&2
  echo "$rb $rc $ms $kb"
}

rm -rf "$XDG_CACHE_HOME"
read -r rbw rcw msw kbw < <(scan "walk alone (large)" /dev/null large)
read -r rb1 rc1 ms1 kb1 < <(scan "first scan" "$work/first.json" dups)
read -r rb2 rc2 ms2 kb2 < <(scan "second scan" "$work/second.json" dups)
read -r rb3 rc3 ms3 kb3 < <(scan "third, --no-cache" "$work/third.json" dups --no-cache)
echo "  --no-cache read $rc3 bytes (rchar), the first scan $rc1"
echo "  hash cache: $(stat -c %s "$XDG_CACHE_HOME/sweepwright/dup-digests") bytes"
echo "  time: first $ms1 ms, second $ms2 ms (ratio $(ratio "$ms2" "$ms1"))"

bytes_ratio() {  # WHAT FIRST SECOND
  local r
  r=$(awk -v a="$3" -v b="$2" 'BEGIN { printf "%.4f", (b > 0 ? a / b : 1) }')
  echo "  bytes read ($1): first $2, second $3, ratio $r (at most 0.1)"
  at_most "$r" 0.1 || { echo "  FAIL: the second scan read more than a tenth of the first's bytes ($1)"; status=1; }
}
bytes_ratio rchar "$rc1" "$rc2"
net1=$(( rb1 > rbw ? rb1 - rbw : 0 ))
net2=$(( rb2 > rbw ? rb2 - rbw : 0 ))
if [ "$(cat "$work/page-cache")" = dropped ] && [ "$net1" -gt 0 ]; then
  bytes_ratio "read_bytes less the walk's $rbw" "$net1" "$net2"
else
  echo "  read_bytes not compared: the page cache could not be dropped or the first scan read no contents from the disk"
fi
for found in second third; do
  if ! cmp -s "$work/first.json" "$work/$found.json"; then
    echo "  FAIL: the $found scan found other sets than the first"
    status=1
  fi
done
if verdict=$("$check" "$work/truth" "$tree" --json "$work/first.json"); then
  echo "  groups found: $verdict"
else
  echo "  groups found: WRONG, $verdict"
  status=1
fi
exit $status
