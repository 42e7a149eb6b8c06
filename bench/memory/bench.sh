#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Usage: bench/memory/bench.sh BUILD_DIR
# Reading the memory figures 10,000 times: microseconds per reading, beside a
# bare read of the files they come from, /proc/meminfo and
# /proc/pressure/memory (the reading must take at most 2 times that).
# Then a memory release on this machine, with MemAvailable sampled every
# 2 ms from another thread: the lowest value seen must stay at or above the
# floor of max(10 % of MemTotal, 512 MiB). Fails (status 1) when either does
# not hold.
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
cmake --build "$build" --target mem_bench >/dev/null
bench="$build/bench/memory/mem_bench"
status=0

read -r ours bare < <("$bench" read 10000)
ratio=$(awk -v a="$ours" -v b="$bare" 'BEGIN { printf "%.2f", a / b }')
echo "memory: 10000 readings of the figures"
echo "  $ours us per reading; bare read of meminfo and pressure $bare us; ratio $ratio (at most 2.00)"
awk -v r="$ratio" 'BEGIN { exit !(r <= 2.0) }' || { echo "  FAIL: reading above 2 times a bare read"; status=1; }

echo "memory: a release on this machine"
"$bench" release || { echo "  FAIL: MemAvailable went below the floor"; status=1; }
exit $status
