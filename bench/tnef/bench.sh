#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Usage: bench/tnef/bench.sh BUILD_DIR
# Decodes a generated 50 MB winmail.dat (ten attachments, three bodies) and
# prints MB/s; fails below the required 200 MB/s.
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
exe="$build/bench/tnef/tnef_bench"
[ -x "$exe" ] || cmake --build "$build" --target tnef_bench >/dev/null
exec "$exe"
