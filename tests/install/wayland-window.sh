#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program on Wayland: a headless weston with its desktop shell, the
# program started on it with Qt's wayland platform, and screenshots taken
# through weston's screenshooter before and after: the window must cover a
# good part of the screen that was the desktop's.
# Usage: wayland-window.sh PROGRAM SCREENSHOT_OUT
set -euo pipefail
program=$1 shot_out=$2
work=$(mktemp -d "${TMPDIR:-/tmp}/sweepwright-wayland.XXXXXX")
weston_pid= app_pid=
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  [ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$work/run" "$work/home" "$work/shots"
chmod 700 "$work/run"
export XDG_RUNTIME_DIR=$work/run
socket=wayland-sweepwright

weston --backend=headless-backend.so --use-pixman --socket=$socket --width=1280 --height=800 \
  --idle-time=0 --debug --no-config >"$work/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 100); do [ -S "$work/run/$socket" ] && break; sleep 0.1; done
[ -S "$work/run/$socket" ] || { echo "weston did not start"; cat "$work/weston.log"; exit 1; }

pixels_changed() { { compare -metric AE "$1" "$2" null: 2>&1 || true; } | awk '{ printf "%d", $1 }'; }
# screenshot NAME: the screen as NAME.png.
screenshot() {
  rm -f "$work/shots"/wayland-screenshot-*.png
  (cd "$work/shots" && WAYLAND_DISPLAY=$socket timeout 10 weston-screenshooter >/dev/null 2>&1) || return 1
  mv "$work/shots"/wayland-screenshot-*.png "$work/$1.png" 2>/dev/null
}
# The shell draws its background and panel a moment after it starts: the
# desktop is ready when two screenshots in a row are alike and not blank.
ready=
for _ in $(seq 40); do
  sleep 0.25
  screenshot desktop || continue
  if [ -f "$work/previous.png" ] && [ "$(identify -format '%k' "$work/desktop.png")" -gt 16 ] \
      && [ "$(pixels_changed "$work/previous.png" "$work/desktop.png")" -eq 0 ]; then
    ready=1; break
  fi
  mv "$work/desktop.png" "$work/previous.png"
done
[ -n "$ready" ] || { echo "the desktop was never drawn"; cat "$work/weston.log"; exit 1; }

env -i PATH="$PATH" HOME="$work/home" XDG_RUNTIME_DIR="$work/run" WAYLAND_DISPLAY=$socket \
  QT_QPA_PLATFORM=wayland DBUS_SESSION_BUS_ADDRESS=disabled: LANG=C.UTF-8 \
  SWEEPWRIGHT_PLUGIN_DIR="${SWEEPWRIGHT_PLUGIN_DIR:-}" "$program" --home "$work/home" >"$work/app.log" 2>&1 &
app_pid=$!

# The window is up once a third of the screen changed.
shot= changed=0
for _ in $(seq 60); do
  sleep 0.5
  kill -0 "$app_pid" 2>/dev/null || { echo "the program ended"; cat "$work/app.log"; exit 1; }
  screenshot window || continue
  changed=$(pixels_changed "$work/desktop.png" "$work/window.png")
  if [ "$changed" -gt $((1280 * 800 / 3)) ]; then shot=$work/window.png; break; fi
done
[ -n "$shot" ] || { echo "no window was drawn ($changed pixels changed)"; cat "$work/app.log"; exit 1; }
cp "$shot" "$shot_out"
if grep -qi "wayland.*\(error\|fail\)\|could not load the qt platform" "$work/app.log"; then
  echo "the program's log names a Wayland problem:"; cat "$work/app.log"; exit 1
fi
echo "window drawn on Wayland: $shot_out ($changed pixels changed)"
