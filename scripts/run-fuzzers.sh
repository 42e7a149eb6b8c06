#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Usage: scripts/run-fuzzers.sh BUILD_DIR SECONDS
# Makes the seed corpus from the streams the tests build, then runs every
# fuzzer of BUILD_DIR (configured with SWEEPWRIGHT_FUZZ=ON) for SECONDS each.
# Exits non-zero when a fuzzer finds something; the input is kept under
# BUILD_DIR/fuzz-artifacts.
set -uo pipefail
build=$(cd "${1:?usage: run-fuzzers.sh BUILD_DIR SECONDS}" && pwd)
seconds=${2:-60}
fuzzdir="$build/tests/tnef/fuzz"
seeds="$build/fuzz-seeds"
corpus="$build/fuzz-corpus"
artifacts="$build/fuzz-artifacts"

if [ ! -x "$fuzzdir/tnef_make_seeds" ]; then
  echo "run-fuzzers: no fuzz targets in $build (configure with clang and -DSWEEPWRIGHT_FUZZ=ON)" >&2
  exit 1
fi
rm -rf "$seeds"
"$fuzzdir/tnef_make_seeds" "$seeds" || exit 1

status=0
for name in fuzz_parse_file fuzz_rtf; do
  exe="$fuzzdir/$name"
  if [ ! -x "$exe" ]; then
    echo "run-fuzzers: $exe is missing" >&2
    status=1
    continue
  fi
  mkdir -p "$corpus/$name" "$artifacts/$name"
  echo "== $name for ${seconds}s"
  # The decoder's own messages on every input would drown the report.
  if ! "$exe" -max_total_time="$seconds" -close_fd_mask=3 -print_final_stats=1 \
      -artifact_prefix="$artifacts/$name/" "$corpus/$name" "$seeds/$name"; then
    echo "run-fuzzers: $name found a fault; input kept in $artifacts/$name" >&2
    status=1
  fi
done
exit $status
