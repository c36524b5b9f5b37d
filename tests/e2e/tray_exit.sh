#!/usr/bin/env bash
# The program hidden in a real tray (trayer) ends when the tray menu's Exit
# is chosen: the database file is left scrambled and no process stays behind.
set -euo pipefail
exe="$1"
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$exe" "$work/lockwell"
cp "$here/window_lib.sh" "$work/window_lib.sh"
cd "$work"

cat > drive.sh <<'DRIVE'
set -eu
. ./window_lib.sh
# A tray along the top left corner, as wide as its icons.
trayer --edge top --align left --widthtype request --height 24 --SetDockType false & tray=$!
sleep 1
./lockwell & app=$!
create_database tray secret1
xdotool key F4; sleep 0.5
if xdotool search --onlyvisible --name " Lockwell - tray$" >/dev/null 2>&1; then
  kill $app; kill $tray; echo "F4 did not hide the window"; exit 1
fi
xdotool mousemove 12 12 click 3; sleep 0.5
xdotool key x
status=0
ended_within $app 5 || { kill $app; echo "the program did not end"; status=1; }
kill $tray
exit $status
DRIVE
xvfb-run -a -s "-screen 0 1024x768x24" bash drive.sh
. ./window_lib.sh
unscramble tray.pdb secret1 plain.pdb
echo "end-to-end tray exit: 1 passed, 0 failed"
