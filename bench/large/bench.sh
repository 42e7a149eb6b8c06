#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Usage: bench/large/bench.sh BUILD_DIR
# The large-file scan against find, side by side on generated trees of
# 300,000 and 1,000,000 files with 200 sparse files of 32 MiB to 3 GiB (in
# /dev/shm when there is one): `sweepwright-cli large --json` must take at
# most the time of `find DIR -type f -size +33554431c` (medians of
# alternating runs after a warm-up) and list the same files.
# BENCH_LARGE_FILES (a list) and BENCH_LARGE_RUNS shrink it while developing.
# Fails (status 1) when it does not.
set -euo pipefail
source "$(dirname "$0")/../finder-bench.sh"
finder_tools "$(cd "${1:-build}" && pwd)"
[ -x /usr/bin/time ] || { echo "large: /usr/bin/time is missing (Debian package time)"; exit 1; }
sizes=${BENCH_LARGE_FILES:-300000 1000000}
runs=${BENCH_LARGE_RUNS:-5}
work=$(finder_workdir)
scratch=$(finder_scratchdir)
trap 'rm -rf "$work" "$scratch"' EXIT
status=0

tree="$scratch/tree"
for files in $sizes; do
  rm -rf "$tree"
  "$gen" "$tree" "$files" --big 200 --no-data
  echo "large: $files files and 200 large ones"
  peer_cmd=(find "$tree" -type f -size +33554431c)
  ours_cmd=("$cli" large "$tree" --json)
  read -r pw pc pm ow oc om < <(duel_usage "$runs" "$work/found.json")
  verdict time "find DIR -type f -size +33554431c" "$pw" "sweepwright-cli large --json" "$ow" ms 1.00 || status=1
  printf '  CPU time: find %s ms, ours %s ms; peak memory: find %s KiB, ours %s KiB\n' "$pc" "$oc" "$pm" "$om"
  listed=$(grep -c '"itemPath"' "$work/found.json" || true)
  found=$(find "$tree" -type f -size +33554431c | wc -l)
  if [ "$listed" -eq "$found" ]; then
    echo "  files listed: the same $found as find"
  else
    echo "  files listed: $listed, find: $found"
    status=1
  fi
done
exit $status
