#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages that building, testing, benchmarking and running
# Sweepwright need. Does nothing when every package is present.
set -euo pipefail

packages=(
  # build
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
  qt6-svg-dev qt6-image-formats-plugins qt6-multimedia-dev libgl-dev
  libpoppler-qt6-dev libarchive-dev libicu-dev libplist-dev
  libxxhash-dev
  # tests, sanitizers and fuzzing (unshare, setpriv and mount build hostile trees)
  libgtest-dev libgmock-dev clang libclang-rt-14-dev util-linux mount
  # what is installed: icons drawn from the SVG, manual pages from --help, and
  # the validators of the desktop entry, the metainfo and the polkit policy
  librsvg2-bin help2man man-db desktop-file-utils appstream libxml2-utils polkitd binutils
  # the package (dpkg-shlibdeps) and the program on Wayland, tried on a headless weston
  dpkg-dev qt6-wayland weston
  # protected PDF documents for the compressor's tests
  qpdf
  # the shells whose completions the tests load
  bash-completion zsh fish
  # the uninstaller's tests: a stand-in PackageKit on a bus of their own
  dbus-daemon python3-dbus python3-gi
  # run time
  ghostscript pkexec xdg-utils fonts-dejavu-core adwaita-icon-theme
  # Qt's own texts (the standard dialogs' buttons) in the user's language, and
  # the glyphs the Chinese and Japanese translations need
  qt6-translations-l10n fonts-noto-cjk
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-libav
  # the desktop's file dialogs through its portal, where it has one
  qt6-xdgdesktopportal-platformtheme
  # looking at the program and comparing it with its peers
  xvfb xauth imagemagick xdotool jdupes time coreutils findutils python3
  # file systems with reflinks, made in loop images by the link tests
  xfsprogs
  # the cleaning schedule: systemctl --user when it runs, systemd-analyze
  # verify of its timer and service in the tests
  systemd
  # the PDF benchmark's corpus: typeset pages (groff, pic, tbl, eqn) and
  # SVG pages written as PDF by cairo
  groff-base librsvg2-bin
  # the GUI start benchmark's watcher of window maps
  libxcb1-dev
  # archives: 7-Zip for what libarchive cannot read, bsdtar to compare with
  7zip libarchive-tools zip
  # a disk image only 7zz reads, for its tests
  e2fsprogs
  # the extractor's tests build cpio archives (links whose bytes come last),
  # ISO images with Rock Ridge and with zisofs-compressed files
  cpio genisoimage xorriso
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
