#!/usr/bin/env bash
# The program hidden in a real tray (trayer) ends when the tray menu's Exit
# is chosen: the database file is left scrambled and no process stays behind.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
lw_setup "$1"

cat > drive.sh <<'DRIVE'
# A tray along the top left corner, as wide as its icons.
trayer --edge top --align left --widthtype request --height 24 --SetDockType false & tray=$!
trap 'kill $tray 2>/dev/null || true' EXIT
sleep 1
lw_create tray secret1
focus "^ Lockwell - tray$"
xdotool key F4; sleep 0.5
if xdotool search --onlyvisible --name "^ Lockwell - tray$" >/dev/null 2>&1; then
    kill "$LW_APP"; fail "F4 did not hide the window"
fi
xdotool mousemove 12 12 click 3; sleep 0.5
xdotool key x
wait_exit
DRIVE
lw_run_x drive.sh

lw_unscramble tray.pdb secr plain.pdb
echo "end-to-end tray exit: 1 passed, 0 failed"
