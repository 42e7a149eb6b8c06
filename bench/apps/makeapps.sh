#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Usage: bench/apps/makeapps.sh ROOT HOME [COUNT]
# Makes COUNT (default 300) application bundles below ROOT/Applications, each
# with an Info.plist, an executable of 1 MiB and 2 MiB in resource and
# framework files (sparse: only their sizes matter to a walk), and leftovers
# of each under HOME/Library: a cache folder, a support folder and a
# preferences file.
set -euo pipefail
root=$1 home=$2 count=${3:-300}
template=$(mktemp -d "${TMPDIR:-/tmp}/sweepwright-app.XXXXXX")
trap 'rm -rf "$template"' EXIT

# One bundle's contents and one set of leftover folders, copied per application.
mkdir -p "$template/app/Contents/MacOS" "$template/app/Contents/Resources/en.lproj" \
  "$template/app/Contents/Frameworks/Core.framework/Versions/A/Resources" "$template/cache" "$template/support"
truncate -s 1M "$template/app/Contents/MacOS/App"
for i in $(seq 1 40); do
  truncate -s 32K "$template/app/Contents/Resources/image$i.png"
  truncate -s 4K "$template/app/Contents/Resources/en.lproj/strings$i.strings"
  truncate -s 16K "$template/app/Contents/Frameworks/Core.framework/Versions/A/Resources/part$i.dat"
done
truncate -s 256K "$template/app/Contents/Frameworks/Core.framework/Versions/A/Core"
ln -s A "$template/app/Contents/Frameworks/Core.framework/Versions/Current"
for i in $(seq 1 8); do
  truncate -s 24K "$template/cache/blob$i"
  truncate -s 8K "$template/support/data$i.db"
done

mkdir -p "$root/Applications" "$home/Library/Caches" "$home/Library/Application Support" "$home/Library/Preferences"
for n in $(seq 1 "$count"); do
  name="Bench App $n"
  id="org.sweepwright.bench$n"
  bundle="$root/Applications/$name.app"
  cp -r --sparse=always "$template/app" "$bundle"
  printf '<?xml version="1.0" encoding="UTF-8"?>\n<plist version="1.0"><dict>%s%s</dict></plist>\n' \
    "<key>CFBundleIdentifier</key><string>$id</string>" "<key>CFBundleName</key><string>$name</string>" \
    >"$bundle/Contents/Info.plist"
  cp -r --sparse=always "$template/cache" "$home/Library/Caches/$id"
  cp -r --sparse=always "$template/support" "$home/Library/Application Support/$name"
  printf '<?xml version="1.0" encoding="UTF-8"?>\n<plist version="1.0"><dict/></plist>\n' \
    >"$home/Library/Preferences/$id.plist"
done
