#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Usage: bench/dups/bench.sh BUILD_DIR
# The confirmed duplicate scan against jdupes (which confirms byte by byte)
# with the same scope (files above 16 KiB, hidden ones left out, and the
# extensions our scan leaves out), side by side on generated trees of equal
# files, near-duplicates (one size, equal first, middle and last 4 KiB,
# different elsewhere) and unique files, made in /dev/shm when there is one:
#   - 100,000 files: peak memory at most 1.2 times jdupes';
#   - 300,000 and 1,000,000 files (medians of alternating runs after a
#     warm-up): wall time at most 0.8 times and CPU time (user + system) at
#     most 1.0 times jdupes'; at 1,000,000 peak memory at most 0.5 times;
#   - on every tree the groups found must be exactly the true ones;
#   - one process scanning the 300,000 files six times, as the pages do:
#     its memory after the sixth scan within 5 % of that after the first.
# Fails (status 1) when a condition is not met.
# BENCH_DUPS_MEMORY_FILES, BENCH_DUPS_FILES (a list) and BENCH_DUPS_RUNS
# shrink it while developing; BENCH_DUPS_SCANS_FILES picks the tree of the
# repeated scans (one of BENCH_DUPS_FILES).
set -euo pipefail
source "$(dirname "$0")/../finder-bench.sh"
build=$(cd "${1:-build}" && pwd)
finder_tools "$build"
cmake --build "$build" --target dupscans_bench >/dev/null
scans="$build/bench/dupscans/dupscans_bench"
command -v jdupes >/dev/null || { echo "dups: jdupes is not installed (Debian package jdupes)"; exit 1; }
[ -x /usr/bin/time ] || { echo "dups: /usr/bin/time is missing (Debian package time)"; exit 1; }
memory_files=${BENCH_DUPS_MEMORY_FILES:-100000}
sizes=${BENCH_DUPS_FILES:-300000 1000000}
runs=${BENCH_DUPS_RUNS:-3}
scans_files=${BENCH_DUPS_SCANS_FILES:-300000}
work=$(finder_workdir)
scratch=$(finder_scratchdir)
trap 'rm -rf "$work" "$scratch"' EXIT
# jdupes keeps nothing between runs: neither do the runs compared with it.
export XDG_CACHE_HOME="$work/cache"
status=0

peer_scope=(-r -q -A -X size+:16384 -X "noext:$("$scans" --excluded)")
peer_label="jdupes -r -q -A -X size+:16384"

groups_ok() {  # TREE TRUTH JSON
  local verdict
  if verdict=$("$check" "$2" "$1" --json "$3"); then
    echo "  groups found: $verdict"
  else
    echo "  groups found: WRONG, $verdict"
    status=1
  fi
}

make_tree() {  # FILES: a fresh tree of FILES files in $tree, its truth in $work/truth
  rm -rf "$tree"
  "$gen" "$tree" "$1" --truth "$work/truth"
  echo "dups: $1 files, $(wc -l <"$work/truth") true groups"
}

tree="$scratch/tree"
make_tree "$memory_files"
peer=$(peak_kb /dev/null jdupes "${peer_scope[@]}" "$tree")
ours=$(peak_kb "$work/found.json" "$cli" dups "$tree" --json --no-cache)
verdict "peak memory" "$peer_label" "$peer" "sweepwright-cli dups --json" "$ours" KiB 1.20 || status=1
groups_ok "$tree" "$work/truth" "$work/found.json"

for files in $sizes; do
  make_tree "$files"
  peer_cmd=(jdupes "${peer_scope[@]}" "$tree")
  ours_cmd=("$cli" dups "$tree" --json --no-cache)
  read -r pw pc pm ow oc om < <(duel_usage "$runs" "$work/found.json")
  verdict "wall time" "$peer_label" "$pw" "sweepwright-cli dups --json" "$ow" ms 0.80 || status=1
  verdict "CPU time" "$peer_label" "$pc" "sweepwright-cli dups --json" "$oc" ms 1.00 || status=1
  if [ "$files" -ge 1000000 ]; then
    verdict "peak memory" "$peer_label" "$pm" "sweepwright-cli dups --json" "$om" KiB 0.50 || status=1
  else
    printf '  peak memory: %s KiB, ours %s KiB (ratio %s)\n' "$pm" "$om" "$(ratio "$om" "$pm")"
  fi
  groups_ok "$tree" "$work/truth" "$work/found.json"
  if [ "$files" -eq "$scans_files" ]; then
    echo "dups: six scans of the $files files in one process"
    mapfile -t rss < <("$scans" "$tree" 6 | awk '{ print $1 }')
    if [ "${#rss[@]}" -ne 6 ]; then
      echo "  FAIL: the repeated scans did not all finish"
      status=1
    else
      echo "  resident KiB after each scan: ${rss[*]}"
      growth=$(ratio "${rss[5]}" "${rss[0]}")
      echo "  after the sixth / after the first: $growth (at most 1.05)"
      at_most "$growth" 1.05 || { echo "  FAIL: memory grows scan after scan"; status=1; }
    fi
  fi
done
exit $status
