#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Usage: bench/cli-memory/bench.sh BUILD_DIR
# What every run of the command line costs before it does anything: the peak
# memory of `sweepwright-cli large` on an empty folder, beside a minimal
# QtCore program that lists the same folder (qtcore_floor). The program must
# stay at or under 10 MiB, which it can only while it loads no graphics
# library. Fails (status 1) when it does not.
set -euo pipefail
source "$(dirname "$0")/../finder-bench.sh"
build=$(cd "${1:-build}" && pwd)
cmake --build "$build" --target sweepwright-cli qtcore_floor >/dev/null
cli="$build/src/cli/sweepwright-cli"
floor="$build/bench/cli-memory/qtcore_floor"
work=$(finder_scratchdir)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/empty" "$work/config"
export XDG_CONFIG_HOME="$work/config"
limit_kb=10240

# The smallest of three runs each: what a start costs, without the noise.
best_peak() {
  local best=0 kb
  for _ in 1 2 3; do
    kb=$(peak_kb /dev/null "$@")
    if [ "$best" -eq 0 ] || [ "$kb" -lt "$best" ]; then best=$kb; fi
  done
  echo "$best"
}
peer=$(best_peak "$floor" "$work/empty")
ours=$(best_peak "$cli" large "$work/empty" --json)
echo "cli-memory: peak memory of one run on an empty folder"
printf '  %-32s %s KiB\n' "qtcore_floor (QtCore alone)" "$peer"
printf '  %-32s %s KiB\n' "sweepwright-cli large --json" "$ours"
echo "  ratio $(ratio "$ours" "$peer"); sweepwright-cli at most $limit_kb KiB"
if [ "$ours" -gt "$limit_kb" ]; then
  echo "  FAIL: sweepwright-cli above $limit_kb KiB"
  exit 1
fi
