#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Usage: bench/shred/bench.sh BUILD_DIR
# The shredder against rm -rf on the same tree: a generated tree of 100,000
# files (bench/treegen, sizes only) is copied twice per round; one copy goes
# with `rm -rf`, the other with `sweepwright-cli shred --yes --json`, which
# lists, measures and removes it through the removal core (every entry
# examined, never a link followed, the bytes counted). Rounds alternate which
# goes first; the best time of each is compared. Fails (status 1) when ours
# takes more than 1.2 times as long, or leaves anything behind.
#
# The trees live on the disk (SWEEPWRIGHT_BENCH_DIR, else /tmp), where a user's
# files are; BENCH_FILES and BENCH_RUNS change the size and the rounds.
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../finder-bench.sh"
cmake --build "$build" --target sweepwright-cli treegen >/dev/null
cli="$build/src/cli/sweepwright-cli"
gen="$build/bench/treegen/treegen"
files=${BENCH_FILES:-100000}
runs=${BENCH_RUNS:-3}
work=$(finder_workdir)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config"

"$gen" "$work/model" "$files" --no-data >/dev/null
echo "shred: $(find "$work/model" | wc -l) entries, $files files"

run_peer() { rm -rf "$work/peer"; }
run_ours() { "$cli" shred --yes --json "$work/ours"; }
peer=0 ours=0
for round in $(seq "$runs"); do
  cp -a "$work/model" "$work/peer"
  cp -a "$work/model" "$work/ours"
  sync
  if [ $((round % 2)) -eq 1 ]; then
    tp=$(milliseconds run_peer); to=$(milliseconds run_ours)
  else
    to=$(milliseconds run_ours); tp=$(milliseconds run_peer)
  fi
  if [ -e "$work/ours" ]; then
    echo "  FAIL: sweepwright-cli shred left $work/ours behind"
    exit 1
  fi
  if [ "$peer" -eq 0 ] || [ "$tp" -lt "$peer" ]; then peer=$tp; fi
  if [ "$ours" -eq 0 ] || [ "$to" -lt "$ours" ]; then ours=$to; fi
done
verdict time "rm -rf" "$peer" "sweepwright-cli shred --yes" "$ours" ms 1.20
