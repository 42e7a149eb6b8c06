#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The junk scan against `du -s` over the same folders, and the number of
# events a scan of a million entries queues to the main thread.
#
#   bench/junk/bench.sh BUILD_DIR
#
# 1. Generates a home of 100,000 files shaped like a freedesktop home (50
#    application caches, 200 trashed folders, 30 download folders), warms the
#    cache, then times `sweepwright-cli junk --json` on the categories that
#    scan those folders against `du -s` on the folders themselves, in
#    alternating runs, and compares the medians. Fails when ours takes more
#    than 1.5 times as long.
# 2. Generates a Downloads folder of 1,000,000 entries (one in a thousand not
#    empty), scans it with the hidden --stats option and fails when more than
#    5,000 wake-ups reached the main thread.
# 3. Times the scan of that Downloads folder (`junk --json --category 8`)
#    against `du -s` on it, side by side (medians of alternating runs after a
#    warm-up), and fails when the scan's CPU time (user and system) is more
#    than that of du. Both run on one core and, in /dev/shm, never wait for
#    a disk, so CPU time is what the work costs whatever else the machine
#    runs; wall time is printed beside it.
#
# BENCH_FILES, BENCH_ENTRIES and BENCH_RUNS change the sizes for a quick look.
# Needs /usr/bin/time (Debian package time) for part 3.
set -euo pipefail
source "$(dirname "$0")/../finder-bench.sh"

build=$(cd "${1:-build}" && pwd)
cli="$build/src/cli/sweepwright-cli"
if [ ! -x "$cli" ]; then
    echo "missing $cli: build the project first" >&2
    exit 1
fi
files=${BENCH_FILES:-100000}
entries=${BENCH_ENTRIES:-1000000}
runs=${BENCH_RUNS:-5}
max_ratio=1.5
max_wakeups=5000

# A memory file system when there is room: creating and removing a million
# files on a disk can take minutes, and both scans are timed with a warm
# cache anyway, where they cost the same system calls.
base=${TMPDIR:-/tmp}
if [ -d /dev/shm ] && [ -w /dev/shm ] && [ "$(df -Pk /dev/shm | awk 'NR == 2 { print $4 }')" -gt 4000000 ]; then
    base=/dev/shm
fi
work=$(mktemp -d "$base/sweepwright-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
home="$work/home"
root="$work/root"
mkdir -p "$root"

# fill DIR COUNT SIZE: COUNT sparse files of SIZE bytes named f0001, ... in DIR.
fill() {
    mkdir -p "$1"
    (cd "$1" && seq -f 'f%04.0f' 1 "$2" | xargs truncate -s "$3")
}

# Half the files in 50 application caches of 10 folders each, a fifth in 200
# trashed folders (each with its .trashinfo), the rest in 30 download folders.
generate_home() {
    local i j
    mkdir -p "$home/.local/share/Trash/info"
    for i in $(seq -w 1 50); do
        for j in $(seq 0 9); do
            fill "$home/.cache/app$i/d$j" $((files / 1000)) $((200 + (10#$i * 37 + j * 101) % 3000))
        done
    done
    for i in $(seq -w 1 200); do
        fill "$home/.local/share/Trash/files/item$i" $((files / 1000)) $((100 + 10#$i * 13))
        printf '[Trash Info]\nPath=/tmp/item%s\n' "$i" >"$home/.local/share/Trash/info/item$i.trashinfo"
    done
    for i in $(seq -w 1 30); do
        fill "$home/Downloads/dl$i" $((files / 100)) $((500 + 10#$i * 71))
    done
}

now_ns() { date +%s%N; }

ours() {
    "$cli" junk --home "$home" --root "$root" --json --category 0 --category 6 --category 8 >/dev/null 2>&1
}

theirs() {
    du -s "$home/.cache" "$home/.local/share/Trash/files" "$home/Downloads" >/dev/null
}

# time_ms COMMAND: wall time of one run in milliseconds.
time_ms() {
    local start end
    start=$(now_ns)
    "$@"
    end=$(now_ns)
    awk -v d=$((end - start)) 'BEGIN { printf "%.1f", d / 1e6 }'
}

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

status=0

echo "generating $files files in $work ..."
generate_home
echo "files: $(find "$home/.cache" "$home/.local/share/Trash/files" "$home/Downloads" -type f | wc -l)"
ours # warm both
theirs
our_times=()
du_times=()
for _ in $(seq 1 "$runs"); do
    our_times+=("$(time_ms ours)")
    du_times+=("$(time_ms theirs)")
done
our_median=$(printf '%s\n' "${our_times[@]}" | median)
du_median=$(printf '%s\n' "${du_times[@]}" | median)
ratio=$(awk -v a="$our_median" -v b="$du_median" 'BEGIN { printf "%.2f", a / b }')
echo "junk scan: $our_median ms median (runs: ${our_times[*]})"
echo "du -s:     $du_median ms median (runs: ${du_times[*]})"
echo "ratio ours/du: $ratio (limit $max_ratio)"
if awk -v r="$ratio" -v m="$max_ratio" 'BEGIN { exit !(r > m) }'; then
    echo "FAIL: the junk scan took more than $max_ratio times as long as du -s"
    status=1
fi
rm -rf "$home"

echo "generating $entries entries in one Downloads folder ..."
mkdir -p "$home/Downloads"
(cd "$home/Downloads" && seq -f 'e%07.0f' 1 "$entries" | xargs touch)
# One entry in a thousand has content, so the scan reports sizes as well.
(cd "$home/Downloads" && seq -f 'e%07.0f' 1000 1000 "$entries" | xargs truncate -s 4096)
start=$(now_ns)
# On a terminal (script(1) gives it one), as a user runs it: the scan then
# runs on a worker while the main thread draws the progress line. Redirected,
# the scan runs on the main thread itself and there is nothing to wake.
scan=$(printf '%q ' "$cli" junk --home "$home" --root "$root" --category 8 --stats)
stats=$(script -qec "$scan 2>&1 >/dev/null" /dev/null | tr '\r' '\n' | grep -o 'stats:.*' || true)
elapsed=$((($(now_ns) - start) / 1000000))
wakeups=$(printf '%s\n' "$stats" | awk '{ print $NF }')
echo "scan of $entries entries: ${wakeups:-?} main-thread wake-ups in $elapsed ms (limit $max_wakeups)"
if [ -z "$wakeups" ] || [ "$wakeups" -gt "$max_wakeups" ]; then
    echo "FAIL: too many events queued to the main thread"
    status=1
fi

echo "the scan of $entries entries in one Downloads folder against du -s:"
peer_cmd=(du -s "$home/Downloads")
ours_cmd=("$cli" junk --home "$home" --root "$root" --json --category 8)
read -r pw pc _ ow oc _ < <(duel_usage "$runs" /dev/null)
verdict "CPU time" "du -s DOWNLOADS" "$pc" "sweepwright-cli junk (Downloads)" "$oc" ms 1.00 || status=1
echo "  wall time: du -s $pw ms, ours $ow ms, ratio $(ratio "$ow" "$pw")"
exit $status
