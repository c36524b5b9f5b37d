#!/usr/bin/env bash
# Installs the Debian packages Lockwell needs to build, run and test, when any is missing.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-multimedia-dev libgl-dev
  libsqlcipher-dev sqlcipher libzxcvbn-dev
  libcsv-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth xdotool trayer python3 libglib2.0-bin
  openbox
  clang-format
  fonts-liberation2 poppler-utils
  desktop-file-utils appstream lintian dpkg-dev
  librsvg2-bin
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then as_root=(); else as_root=(sudo); fi
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
