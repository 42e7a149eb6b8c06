#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs every benchmark (bench/*/bench.sh BUILD_DIR); each prints its ratios.
set -uo pipefail
build=$(cd "${1:-build}" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
status=0
for b in "$here"/*/bench.sh; do
  [ -x "$b" ] || continue
  echo "== $(basename "$(dirname "$b")")"
  "$b" "$build" || status=1
done
exit $status
