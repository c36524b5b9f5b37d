#!/usr/bin/env bash
# A keyboard-only round in the real program: a new database, a new group typed
# in lower case, a new account with an ID, File > Exit. Then the stored rows
# are read from the file itself.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
lw_setup "$1"

cat > drive.sh <<'DRIVE'
lw_create keys secret1
focus "^ Lockwell - keys$"; xdotool key alt+s; wait_for "^ New Group$"; focus "^ New Group$"
xdotool type --delay 20 "my bank"; xdotool key Return; wait_gone "^ New Group$"
focus "^ Lockwell - keys$"; xdotool key alt+a; wait_for "Add Description$"; focus "Add Description$"
xdotool type --delay 20 "checking"; xdotool key Return; wait_gone "Add Description$"
focus "^ Lockwell - keys$"; xdotool type --delay 20 "alice"; sleep 0.3
lw_exit keys
DRIVE
lw_run_x drive.sh

lw_unscramble keys.pdb secr plain.pdb
rows=$(lw_sql plain.pdb secret1 "SELECT g.Name || '|' || p.Description || '|' || p.ID FROM Passwords p JOIN Groups g ON g.GroupID = p.GroupID;")
[ "$rows" = "My Bank|Checking|alice" ] || fail "stored rows: $rows"
echo "end-to-end keyboard round: 1 passed, 0 failed"
