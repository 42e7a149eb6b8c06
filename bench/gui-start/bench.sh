#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Usage: bench/gui-start/bench.sh BUILD_DIR
# The GUI's start: from exec to the moment the X server maps its first window
# (mapwait, on an Xvfb of its own with no window manager), beside a minimal Qt
# main window built here. After a warm-up run of each, 11 runs of each,
# alternated; the medians are compared, and the GUI must take at most 1.5
# times the minimal window. Both run with a fresh home and no session bus.
# Fails (status 1) above the limit or when a window never shows.
set -euo pipefail
source "$(dirname "$0")/../finder-bench.sh"
build=$(cd "${1:-build}" && pwd)
cmake --build "$build" --target sweepwright sweepwright_viewers minimal_window mapwait >/dev/null
mapwait="$build/bench/gui-start/mapwait"
minimal="$build/bench/gui-start/minimal_window"
ours="$build/src/gui/sweepwright"
runs=11

work=$(mktemp -d /tmp/sweepwright-gui-start.XXXXXX)
xvfb=
cleanup() {
  if [ -n "$xvfb" ]; then kill "$xvfb" 2>/dev/null || true; wait "$xvfb" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display and writes its number once it accepts clients.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
for _ in $(seq 200); do [ -s "$work/display" ] && break; sleep 0.05; done
[ -s "$work/display" ] || { echo "gui-start: Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }

mkdir -p "$work/home" "$work/run" "$work/tmp"
chmod 700 "$work/run"
# show_ms COMMAND...: one start, in ms, in the clean environment.
show_ms() {
  env -i PATH="$PATH" HOME="$work/home" XDG_RUNTIME_DIR="$work/run" TMPDIR="$work/tmp" \
    DISPLAY=":$(head -n 1 "$work/display")" QT_QPA_PLATFORM=xcb DBUS_SESSION_BUS_ADDRESS=disabled: \
    "$mapwait" "$@"
}
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

show_ms "$minimal" >/dev/null
show_ms "$ours" >/dev/null
: >"$work/peer"
: >"$work/ours"
for _ in $(seq "$runs"); do
  show_ms "$minimal" >>"$work/peer"
  show_ms "$ours" >>"$work/ours"
done
peer_ms=$(median <"$work/peer")
ours_ms=$(median <"$work/ours")
echo "gui-start: exec to first mapped window, median of $runs alternated runs"
echo "  minimal window: $(tr '\n' ' ' <"$work/peer")"
echo "  sweepwright:    $(tr '\n' ' ' <"$work/ours")"
verdict "GUI start" "a minimal Qt main window" "$peer_ms" "sweepwright" "$ours_ms" ms 1.5
