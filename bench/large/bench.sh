#!/usr/bin/env bash
# Usage: bench/large/bench.sh BUILD_DIR
# The large-file scan against find, side by side on a generated tree of
# 100,000 files with 200 sparse files of 32 MiB to 3 GiB: `sweepwright-cli
# large --json` must take at most 1.5 times the time of `find DIR -type f
# -size +32M` (best of three, after a warm-up run) and list the same files.
# Fails (status 1) when it does not.
set -euo pipefail
source "$(dirname "$0")/../finder-bench.sh"
finder_tools "$(cd "${1:-build}" && pwd)"
work=$(finder_workdir)
trap 'rm -rf "$work"' EXIT
status=0

tree="$work/tree"
"$gen" "$tree" 100000 --big 200 --no-data
echo "large: 100000 files and 200 large ones"
run_peer() { find "$tree" -type f -size +32M; }
run_ours() { "$cli" large "$tree" --json; }
read -r peer ours < <(duel)
verdict time "find DIR -type f -size +32M" "$peer" "sweepwright-cli large --json" "$ours" ms 1.50 || status=1
listed=$("$cli" large "$tree" --json | grep -c '"itemPath"' || true)
found=$(find "$tree" -type f -size +32M | wc -l)
if [ "$listed" -eq "$found" ]; then
  echo "  files listed: the same $found as find"
else
  echo "  files listed: $listed, find: $found"
  status=1
fi
exit $status
