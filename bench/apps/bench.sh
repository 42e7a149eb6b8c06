#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Usage: bench/apps/bench.sh BUILD_DIR
# The application scan against du, side by side on 300 generated bundles and
# their leftovers (bench/apps/makeapps.sh): `sweepwright-cli apps --layout
# macos --json` must take at most 1.5 times the time of `du -s` over the
# bundles and the leftover folders (best of three, after a warm-up run) and
# list every application. Fails (status 1) when it does not.
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../finder-bench.sh"
cmake --build "$build" --target sweepwright-cli >/dev/null
cli="$build/src/cli/sweepwright-cli"
work=$(finder_workdir)
trap 'rm -rf "$work"' EXIT
status=0

root="$work/root" home="$work/home"
"$here/makeapps.sh" "$root" "$home" 300
echo "apps: 300 bundles and their leftovers, $(find "$root" "$home" | wc -l) entries"
run_peer() { du -s "$root/Applications" "$home/Library"; }
run_ours() { "$cli" apps --layout macos --root "$root" --home "$home" --json; }
read -r peer ours < <(duel)
verdict time "du -s (bundles, leftovers)" "$peer" "sweepwright-cli apps --json" "$ours" ms 1.50 || status=1
listed=$(run_ours | grep -c '"groupName"' || true)
if [ "$listed" -eq 300 ]; then
  echo "  applications listed: 300"
else
  echo "  applications listed: $listed of 300"
  status=1
fi
exit $status
