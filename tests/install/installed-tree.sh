#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into an empty prefix, as a package would (stripped), and
# checks what a desktop and its users read from it: every file in its
# freedesktop place, the desktop entry, the metainfo, the polkit policy and
# the manual pages valid, the programs running from there with their
# helpers, and no path of the source or build tree left in any file.
# Usage: installed-tree.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
source_dir=$1 build_dir=$2
prefix=$(mktemp -d "${TMPDIR:-/tmp}/sweepwright-install.XXXXXX")
trap 'rm -rf "$prefix"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

cmake --install "$build_dir" --prefix "$prefix" --strip >/dev/null

app=org.sweepwright.Sweepwright
expected=(
  bin/sweepwright bin/sweepwright-cli
  libexec/sweepwright/sweepwright-cli-pdf libexec/sweepwright/sweepwright-cli-extract
  libexec/sweepwright/sweepwright-privileged
  lib/sweepwright/sweepwright-viewers.so
  share/applications/$app.desktop share/metainfo/$app.metainfo.xml
  share/polkit-1/actions/$app.policy
  share/icons/hicolor/scalable/apps/$app.svg
  share/man/man1/sweepwright.1.gz share/man/man1/sweepwright-cli.1.gz
  share/doc/sweepwright/copyright share/doc/sweepwright/README.md
  share/bash-completion/completions/sweepwright share/bash-completion/completions/sweepwright-cli
  share/zsh/vendor-completions/_sweepwright share/zsh/vendor-completions/_sweepwright-cli
  share/fish/vendor_completions.d/sweepwright.fish share/fish/vendor_completions.d/sweepwright-cli.fish
)
for size in 16 32 48 64 128 256; do expected+=("share/icons/hicolor/${size}x${size}/apps/$app.png"); done
for file in "${expected[@]}"; do
  [ -f "$prefix/$file" ] || fail "not installed: $file"
done
for size in 16 32 48 64 128 256; do
  png="$prefix/share/icons/hicolor/${size}x${size}/apps/$app.png"
  [ -f "$png" ] && [ "$(identify -format '%wx%h' "$png")" = "${size}x${size}" ] || fail "icon of ${size}x${size} has another size"
done

# Valid without errors, warnings or hints.
out=$(desktop-file-validate "$prefix/share/applications/$app.desktop" 2>&1) || fail "desktop entry: $out"
[ -z "$out" ] || fail "desktop entry: $out"
appstreamcli validate --no-net "$prefix/share/metainfo/$app.metainfo.xml" >/dev/null \
  || fail "metainfo: $(appstreamcli validate --no-net "$prefix/share/metainfo/$app.metainfo.xml")"
policy="$prefix/share/polkit-1/actions/$app.policy"
xmllint --noout --dtdvalid /usr/share/polkit-1/policyconfig-1.dtd "$policy" 2>/dev/null \
  || fail "polkit policy: $(xmllint --noout --dtdvalid /usr/share/polkit-1/policyconfig-1.dtd "$policy" 2>&1)"
grep -q "<annotate key=\"org.freedesktop.policykit.exec.path\">$prefix/libexec/sweepwright/sweepwright-privileged<" "$policy" \
  || fail "polkit policy does not name the installed helper"
for page in sweepwright sweepwright-cli; do
  man_out=$(MANWIDTH=80 LC_ALL=C.UTF-8 man --warnings -l "$prefix/share/man/man1/$page.1.gz" 2>&1 >/dev/null) \
    || fail "man page $page does not render"
  [ -z "$man_out" ] || fail "man page $page: $man_out"
  MANWIDTH=80 man -l "$prefix/share/man/man1/$page.1.gz" 2>/dev/null | grep -q -- "--version" || fail "man page $page lacks the options"
done
zgrep -q '^\.SS dups' "$prefix/share/man/man1/sweepwright-cli.1.gz" || fail "sweepwright-cli(1) lacks its commands"

# Run from the installed tree, in an environment without the build's stand-ins.
run() { env -i PATH=/usr/bin:/bin HOME="$prefix/home" XDG_RUNTIME_DIR="$prefix/run" QT_QPA_PLATFORM=offscreen "$@"; }
mkdir -p "$prefix/home" "$prefix/run"
chmod 700 "$prefix/run"
[ "$(run "$prefix/bin/sweepwright-cli" --version)" = "sweepwright-cli 0.1.0" ] || fail "sweepwright-cli --version"
run "$prefix/bin/sweepwright" --version | grep -q "^sweepwright [0-9]" || fail "sweepwright --version"
# The pdf command runs its helper from libexec: found from the installed program.
run "$prefix/bin/sweepwright-cli" pdf --help >/dev/null || fail "sweepwright-cli pdf finds no helper"

# No path of the source or build tree in any installed file, in 8- or 16-bit text.
while IFS= read -r -d '' file; do
  for encoding in s l; do
    if strings -a -e "$encoding" "$file" | grep -q -F -e "$source_dir" -e "$build_dir"; then
      fail "$file names the build: $(strings -a -e "$encoding" "$file" | grep -F -e "$source_dir" -e "$build_dir" | head -n 2)"
    fi
  done
done < <(find "$prefix" -type f -print0)

[ "$failures" -eq 0 ] || exit 1
echo "installed tree: ${#expected[@]} files checked"
