#!/usr/bin/env bash
# A date typed with the keyboard: Tab from the password into Date Expires,
# 12/31/2020, Tab, back with Shift+Tab, File > Exit by its access key. The
# stored account is read from the file.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
lw_setup "$1"

cat > drive.sh <<'DRIVE'
lw_create dates secret1
focus "^ Lockwell - dates$"
xdotool key alt+s; wait_for "New Group"; focus "New Group"
xdotool type --delay 20 "bank"; xdotool key Return; sleep 0.5
focus "^ Lockwell - dates$"; xdotool key alt+a; wait_for "Add Description"; focus "Add Description"
xdotool type --delay 20 "checking"; xdotool key Return; sleep 0.5
focus "^ Lockwell - dates$"
# The focus is in the ID: Tab to the password, Tab to Date Expires.
xdotool key Tab; sleep 0.2; xdotool key Tab; sleep 0.2
xdotool type --delay 50 "12/31/2020"; xdotool key Tab; sleep 0.3
# Back in the date edit, Alt+F opens the File menu rather than typing.
xdotool key shift+Tab; sleep 0.3
xdotool key alt+f; sleep 0.3; xdotool key x
wait_exit
DRIVE
lw_run_x drive.sh

lw_unscramble dates.pdb secr plain.pdb
stored=$(lw_sql plain.pdb secret1 "SELECT 'row|' || Description || '|' || ExpireDate FROM Passwords;" | grep '^row|' || true)
[ "$stored" = "row|Checking|2020-12-31 00:00:00" ] || fail "stored: $stored"
echo "end-to-end typed date: 1 passed, 0 failed"
