#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Usage: bench/cancel/bench.sh BUILD_DIR
# The time a cancelled large-file scan takes to return: a tree of 1,000,000
# empty files (in folders of 1,000), the engine's scan started on a thread
# and cancelled about a second later. From cancel() to the scan's return
# must take at most 0.5 s, and the scan must leave no result. Fails (status
# 1) when it does not.
set -euo pipefail
source "$(dirname "$0")/../finder-bench.sh"
build=$(cd "${1:-build}" && pwd)
cmake --build "$build" --target cancel_bench >/dev/null
work=$(finder_workdir)
trap 'rm -rf "$work"' EXIT
status=0

echo "cancel: a scan of 1000000 files"
if seconds=$("$build/bench/cancel/cancel_bench" "$work" 1000000 2>"$work/log"); then
  sed 's/^cancel_bench: /  /' "$work/log"
  echo "  cancel time $seconds s (at most 0.50 s)"
  at_most "$seconds" 0.50 || { echo "  FAIL: cancel time above 0.50 s"; status=1; }
else
  sed 's/^cancel_bench: /  /' "$work/log"
  echo "  FAIL: the cancelled scan did not end as it should"
  status=1
fi
exit $status
