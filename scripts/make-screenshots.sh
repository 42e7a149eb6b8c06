#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the screenshots the metainfo shows (docs/screenshots): the program on
# an Xvfb of its own, run as a plain user on a made-up home with junk,
# duplicates and applications, driven with xdotool.
# Usage (as root): scripts/make-screenshots.sh BUILD_DIR [OUT_DIR] [USER]
set -euo pipefail
build=$(realpath "${1:-build}")
out=$(realpath -m "${2:-docs/screenshots}")
user=${3:-nobody}
[ "$(id -u)" -eq 0 ] || { echo "make-screenshots: run as root (the program runs as $user)"; exit 2; }
work=$(mktemp -d /tmp/sweepwright-shots.XXXXXX)
H=$work/home R=$work/root
xvfb= app=
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null || true
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$H" "$R" "$out"
mk() { mkdir -p "$(dirname "$1")"; head -c "$2" /dev/urandom > "$1"; }
# junk
mk $H/.cache/discord/Cache/data.bin 3400000
mk $H/.cache/discord/Cache/data_1 1200000
mk $H/.cache/thumbnails/large/a1b2.png 250000
mk $H/.cache/thumbnails/normal/c3d4.png 90000
mk $H/.cache/pip/http/ab/cd/wheel 5600000
mk $H/.cache/mozilla/firefox/abcd.default-release/cache2/entries/E1 2300000
mk $H/.cache/mozilla/firefox/abcd.default-release/cache2/entries/E2 800000
mkdir -p $H/.mozilla/firefox/abcd.default-release
cat > $H/.mozilla/firefox/profiles.ini <<P
[Profile0]
Name=default-release
IsRelative=1
Path=abcd.default-release
Default=1
P
mk $H/.mozilla/firefox/abcd.default-release/places.sqlite 5000000
mk $H/.local/share/Trash/files/old-report.pdf 4500000
mkdir -p $H/.local/share/Trash/info
printf '[Trash Info]\nPath=/home/u/old-report.pdf\nDeletionDate=2026-11-01T10:00:00\n' > $H/.local/share/Trash/info/old-report.pdf.trashinfo
mk $H/.xsession-errors 120000
mk $H/Downloads/setup-installer.deb 14000000
# large files and duplicates
mk $H/Videos/holiday-2025.mp4 320000000
mk $H/Videos/birthday.mkv 180000000
mk "$H/Documents/Backups/disk image.iso" 640000000
mk $H/Pictures/Album/IMG_0001.jpg 4200000
cp $H/Pictures/Album/IMG_0001.jpg "$H/Pictures/IMG_0001 (1).jpg"
cp $H/Pictures/Album/IMG_0001.jpg $H/Downloads/IMG_0001.jpg
mk $H/Documents/report.odt 300000
cp $H/Documents/report.odt "$H/Desktop/Copy of report.odt" 2>/dev/null || { mkdir -p $H/Desktop; cp $H/Documents/report.odt "$H/Desktop/Copy of report.odt"; }
mk $H/Music/song.flac 32000000
mkdir -p $H/Music/Old; cp $H/Music/song.flac $H/Music/Old/song.flac
touch -d "2024-03-01" $H/Pictures/Album/IMG_0001.jpg $H/Documents/report.odt $H/Music/song.flac
# applications
mkdir -p $H/Applications $H/.local/share/applications
mk $H/Applications/Viewer.AppImage 85000000; chmod +x $H/Applications/Viewer.AppImage
cat > $H/.local/share/applications/viewer.desktop <<P
[Desktop Entry]
Type=Application
Name=Viewer
Name[de]=Betrachter
Comment=Look at pictures
Exec=$H/Applications/Viewer.AppImage
Icon=image-viewer
P
mk $H/.config/Viewer/settings.json 20000
mk $H/.cache/Viewer/thumbs.db 3000000
mk $H/.local/share/Viewer/library.db 9000000
mkdir -p $H/.local/opt/notes/bin; mk $H/.local/opt/notes/bin/notes 25000000; chmod +x $H/.local/opt/notes/bin/notes
cat > $H/.local/share/applications/notes.desktop <<P
[Desktop Entry]
Type=Application
Name=Notes
Comment=Write notes
Exec=$H/.local/opt/notes/bin/notes %U
Icon=accessories-text-editor
P
mk $H/.config/notes/notes.conf 4000
mkdir -p $H/.thunderbird; mk $H/.notes/db.sqlite 700000
chmod 755 "$work"
mkdir -m 700 "$work/run"
chown -R "$user" "$H" "$R" "$work/run"

Xvfb -displayfd 3 -screen 0 1100x720x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n 1 "$work/display")"
runuser -u "$user" -- env -i DISPLAY="$DISPLAY" HOME="$H" PATH=/usr/bin:/bin LANG=C.UTF-8 \
  XDG_RUNTIME_DIR="$work/run" SWEEPWRIGHT_PLUGIN_DIR="$build/src/gui" \
  "$build/src/gui/sweepwright" --layout freedesktop --home "$H" --root "$R" >"$work/app.log" 2>&1 &
app=$!
sleep 3
window=$(xdotool search --sync --name '^Sweepwright$' | head -n 1)
xdotool windowsize "$window" 1100 720 windowmove "$window" 0 0
sleep 1

# tool NAME Y START_Y: opens the tool whose sidebar button is at height Y,
# starts its scan with the button at height START_Y, waits for the result and
# keeps the screen as NAME.png.
tool() {
  xdotool mousemove 55 "$2" click 1
  sleep 1
  xdotool mousemove 605 "$3" click 1
  sleep 6
  import -window root "$out/$1.png"
  echo "$out/$1.png"
}
tool junk 40 450
tool duplicates 232 572
tool uninstaller 360 450
