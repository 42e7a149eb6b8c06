#!/usr/bin/env bash
# Usage: bench/dups/bench.sh BUILD_DIR
# The confirmed duplicate scan against jdupes (which confirms byte by byte),
# side by side on generated trees of equal files, near-duplicates (one size,
# equal first, middle and last 4 KiB, different elsewhere) and unique files:
#   - 100,000 files: `sweepwright-cli dups --json` must be at least as fast as
#     `jdupes -r -q -X size+:16384` (best of three, after a warm-up run);
#   - 300,000 files (in /dev/shm when there is one: only memory is measured
#     there): its peak memory at most 1.5 times that of jdupes;
#   - on both trees the groups found must be exactly the true ones.
# Fails (status 1) when a condition is not met.
set -euo pipefail
source "$(dirname "$0")/../finder-bench.sh"
finder_tools "$(cd "${1:-build}" && pwd)"
command -v jdupes >/dev/null || { echo "dups: jdupes is not installed (Debian package jdupes)"; exit 1; }
[ -x /usr/bin/time ] || echo "dups: /usr/bin/time is missing (Debian package time); reading VmHWM instead"
work=$(finder_workdir)
scratch=$(finder_scratchdir)
trap 'rm -rf "$work" "$scratch"' EXIT
status=0

groups_ok() {  # TREE TRUTH JSON
  local verdict
  if verdict=$("$check" "$2" "$1" --json "$3"); then
    echo "  groups found: $verdict"
  else
    echo "  groups found: WRONG, $verdict"
    status=1
  fi
}

tree="$work/tree"
"$gen" "$tree" 100000 --truth "$work/truth"
echo "dups: 100000 files, $(wc -l <"$work/truth") true groups"
peak_kb "$work/found.json" "$cli" dups "$tree" --json >/dev/null
run_peer() { jdupes -r -q -X size+:16384 "$tree"; }
run_ours() { "$cli" dups "$tree" --json; }
read -r peer ours < <(duel)
verdict time "jdupes -r -q -X size+:16384" "$peer" "sweepwright-cli dups --json" "$ours" ms 1.00 || status=1
groups_ok "$tree" "$work/truth" "$work/found.json"
rm -rf "$tree"

tree="$scratch/tree"
"$gen" "$tree" 300000 --truth "$work/truth"
echo "dups: 300000 files, $(wc -l <"$work/truth") true groups"
peer=$(peak_kb /dev/null jdupes -r -q -X size+:16384 "$tree")
ours=$(peak_kb "$work/found.json" "$cli" dups "$tree" --json)
verdict "peak memory" "jdupes -r -q -X size+:16384" "$peer" "sweepwright-cli dups --json" "$ours" KiB 1.50 || status=1
groups_ok "$tree" "$work/truth" "$work/found.json"
exit $status
