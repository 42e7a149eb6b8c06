#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Usage: bench/dups-link/bench.sh BUILD_DIR
# Replacing copies with hard links: `sweepwright-cli dups --link hard --yes`
# against `jdupes -L` on the same generated tree of 10,000 sets of two equal
# files (20 to 40 KB, all above our 16 KiB threshold, so both see the same
# sets), made afresh from one template before every run, in /dev/shm when
# there is one. Both scan, confirm byte by byte and link. Prints the medians
# of wall and CPU time side by side with their ratios; fails (status 1) when
# a run leaves a set unlinked. BENCH_LINK_SETS and BENCH_LINK_RUNS shrink it.
set -euo pipefail
source "$(dirname "$0")/../finder-bench.sh"
build=$(cd "${1:-build}" && pwd)
cmake --build "$build" --target sweepwright-cli >/dev/null
cli="$build/src/cli/sweepwright-cli"
command -v jdupes >/dev/null || { echo "dups-link: jdupes is not installed (Debian package jdupes)"; exit 1; }
[ -x /usr/bin/time ] || { echo "dups-link: /usr/bin/time is missing (Debian package time)"; exit 1; }
sets=${BENCH_LINK_SETS:-10000}
runs=${BENCH_LINK_RUNS:-3}
scratch=$(finder_scratchdir)
trap 'rm -rf "$scratch"' EXIT
# Our hash cache is written as on a first scan, but not into the user's.
export XDG_CACHE_HOME="$scratch/cache"
status=0

python3 - "$scratch/template" "$sets" <<'PY'
import os, random, sys
root, sets = sys.argv[1], int(sys.argv[2])
rng = random.Random(28)
for i in range(sets):
    folder = os.path.join(root, "d%03d" % (i % 500), "s%d" % i)
    os.makedirs(folder)
    data = rng.randbytes(20000 + rng.randrange(20000))
    for name in ("a.bin", "b.bin"):
        with open(os.path.join(folder, name), "wb") as f:
            f.write(data)
PY
echo "dups-link: $sets sets of two copies"

linked() { find "$1" -type f -links 2 | wc -l; }

log=$(mktemp)
trap 'rm -rf "$scratch" "$log"' EXIT
tree="$scratch/tree"
for ((i = 0; i <= runs; i++)); do  # run 0 warms up
  for who in peer ours; do
    rm -rf "$tree"
    cp -a "$scratch/template" "$tree"
    sync
    if [ "$who" = peer ]; then
      m=$(measure /dev/null jdupes -r -q -L "$tree")
    else
      m=$(measure /dev/null "$cli" dups "$tree" --keep first --link hard --yes)
    fi
    n=$(linked "$tree")
    if [ "$n" -ne $((2 * sets)) ]; then
      echo "  FAIL: $who left $(( (2 * sets - n) / 2 )) set(s) unlinked"
      status=1
    fi
    [ "$i" -gt 0 ] && echo "$who $m" >>"$log"
  done
done

col() { awk -v w="$1" -v c="$2" '$1 == w { print $c }' "$log" | median; }
pw=$(col peer 2); pc=$(col peer 3); ow=$(col ours 2); oc=$(col ours 3)
printf '  %-44s %8s %8s\n' "" "wall ms" "CPU ms"
printf '  %-44s %8s %8s\n' "jdupes -r -q -L" "$pw" "$pc"
printf '  %-44s %8s %8s\n' "sweepwright-cli dups --link hard --yes" "$ow" "$oc"
printf '  %-44s %8s %8s\n' "ratio ours / jdupes" "$(ratio "$ow" "$pw")" "$(ratio "$oc" "$pc")"
exit $status
