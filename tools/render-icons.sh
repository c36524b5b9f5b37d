#!/usr/bin/env bash
# Renders the program's icon resources/icons/lockwell.svg into the PNG sizes
# the desktop menus use (resources/icons/lockwell-SIZE.png). Run it after a
# change to the drawing and commit the pictures; the build only installs them.
# Needs rsvg-convert (Debian librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../resources/icons"
for size in 16 32 48 64 128 256; do
  rsvg-convert --width "$size" --height "$size" lockwell.svg --output "lockwell-$size.png"
done
