#!/usr/bin/env bash
# A date typed with the keyboard: Tab from the password into Date Expires,
# 12/31/2020, Tab, back with Shift+Tab, File > Exit by its access key. The
# stored account is read from the file.
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
./lockwell & app=$!
create_database dates secret1
xdotool key alt+s; wait_for "New Group"; focus "New Group"
xdotool type --delay 20 "bank"; xdotool key Return; sleep 0.5
focus " Lockwell - dates$"; xdotool key alt+a; wait_for "Add Description"; focus "Add Description"
xdotool type --delay 20 "checking"; xdotool key Return; sleep 0.5
focus " Lockwell - dates$"
# The focus is in the ID: Tab to the password, Tab to Date Expires.
xdotool key Tab; sleep 0.2; xdotool key Tab; sleep 0.2
xdotool type --delay 50 "12/31/2020"; xdotool key Tab; sleep 0.3
# Back in the date edit, Alt+F opens the File menu rather than typing.
xdotool key shift+Tab; sleep 0.3
xdotool key alt+f; sleep 0.3; xdotool key x
ended_within $app 10 || { kill $app; echo "the program did not exit"; exit 1; }
DRIVE
xvfb-run -a -s "-screen 0 1024x768x24" bash drive.sh

. ./window_lib.sh
unscramble dates.pdb secret1 plain.pdb
stored=$(printf "PRAGMA key = 'secret1';\nPRAGMA kdf_iter = 256000;\nSELECT 'row|' || Description || '|' || ExpireDate FROM Passwords;\n" | sqlcipher plain.pdb | grep '^row|')
[ "$stored" = "row|Checking|2020-12-31 00:00:00" ] || { echo "FAIL: stored: $stored"; exit 1; }
echo "end-to-end typed date: 1 passed, 0 failed"
