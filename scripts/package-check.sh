#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the package into a throw-away copy of this system (an overlay over
# / in a private mount namespace: nothing reaches the real one), runs both
# programs from there, removes the package and checks it left nothing behind.
# Needs root. Usage: scripts/package-check.sh PACKAGE.deb
set -euo pipefail
deb=$(realpath "$1")
[ "$(id -u)" -eq 0 ] || { echo "package-check: run as root (it mounts an overlay)"; exit 2; }
work=$(mktemp -d /var/tmp/sweepwright-package-check.XXXXXX)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/upper" "$work/work" "$work/root"
cp "$deb" "$work/upper/sweepwright.deb"

unshare --mount --propagation private bash -euo pipefail -s "$work" <<'INSIDE'
work=$1
root=$work/root
mount -t overlay overlay -o "lowerdir=/,upperdir=$work/upper,workdir=$work/work" "$root"
mount -t proc proc "$root/proc"
mount --rbind /dev "$root/dev"
mount -t tmpfs tmpfs "$root/tmp"
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 "$@"; }
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends /sweepwright.deb >/dev/null
in_root dpkg -L sweepwright > "$work/listed"
in_root sweepwright-cli --version
in_root env QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=/tmp sweepwright --version
in_root env DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq sweepwright >/dev/null
in_root rm /sweepwright.deb
INSIDE

# What the package listed must be gone, and nothing of it may stay in the
# changed layer (dpkg's own status and logs change, nothing else of ours).
left=()
while IFS= read -r path; do
  [ -e "$work/upper$path" ] && [ ! -d "$work/upper$path" ] && left+=("$path")
done < "$work/listed"
while IFS= read -r path; do left+=("$path"); done < <(cd "$work/upper" && find . -iname '*sweepwright*' ! -type c)
if [ ${#left[@]} -gt 0 ]; then
  printf 'package-check: left behind: %s\n' "${left[@]}"
  exit 1
fi
echo "package-check: $(basename "$deb") installed, ran and was removed without a trace ($(grep -c . "$work/listed") paths)"
