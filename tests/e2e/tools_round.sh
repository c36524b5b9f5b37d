#!/usr/bin/env bash
# The tools of the real program, driven by keystrokes: a database whose
# account "Water" (group "Bills") expired long ago and whose account "Wagon"
# (group "Cars") has the ID "zebra42".
# Second start: the expired reminder comes up; Enter goes to "Water", so the
# database remembers "Bills" as its group.
# Third start: the reminder again, Escape; Ctrl+F finds "zebra", Enter goes to
# "Wagon", so the database remembers "Cars"; Ctrl+O ticks "Warn before saving
# changes" and OK writes it to lw.ini.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
lw_setup "$1"

cat > create.sh <<'DRIVE'
lw_create tools secret1
lw_exit tools
DRIVE
lw_run_x create.sh

# Groups and accounts go straight into the file, the last group remembered
# being neither of the two the tools will go to.
lw_unscramble tools.pdb secr plain.pdb
lw_sql plain.pdb secret1 "
INSERT INTO Groups (Name) VALUES ('Alpha'), ('Bills'), ('Cars');
INSERT INTO Passwords (GroupID, Description, ID, ExpireDate)
  SELECT GroupID, 'Water', 'w-1', '2001-02-03 00:00:00' FROM Groups WHERE Name = 'Bills';
INSERT INTO Passwords (GroupID, Description, ID)
  SELECT GroupID, 'Wagon', 'zebra42' FROM Groups WHERE Name = 'Cars';
UPDATE Options SET [Group] = 'Alpha';" >/dev/null
lw_scramble plain.pdb secr tools.pdb

remembered_group() {
    lw_unscramble tools.pdb secr plain.pdb
    lw_sql plain.pdb secret1 "SELECT [Group] FROM Options;"
}

cat > expired.sh <<'DRIVE'
lw_unlock tools secret1 "^ Expired Accounts$"
focus "^ Expired Accounts$"
xdotool key Return
wait_gone "^ Expired Accounts$"
lw_exit tools
DRIVE
lw_run_x expired.sh
group=$(remembered_group)
[ "$group" = "Bills" ] || fail "after Go to Account in the expired list the remembered group is '$group', not 'Bills'"

cat > find.sh <<'DRIVE'
lw_unlock tools secret1 "^ Expired Accounts$"
focus "^ Expired Accounts$"
xdotool key Escape
wait_gone "^ Expired Accounts$"
focus "^ Lockwell - tools$"; xdotool key ctrl+f
wait_for "^Find$"; focus "^Find$"
xdotool type --delay 20 "zebra"; xdotool key Return; sleep 0.3; xdotool key Return
wait_gone "^Find$"
focus "^ Lockwell - tools$"; xdotool key ctrl+o
wait_for "^Options$"; focus "^Options$"
# From the first control backwards: Cancel, OK, then the last box of the page.
xdotool key shift+Tab shift+Tab shift+Tab space Return
wait_gone "^Options$"
lw_exit tools
DRIVE
grep -q '^warn=0' lw.ini || fail "lw.ini does not start with the warning off: $(cat lw.ini)"
lw_run_x find.sh
group=$(remembered_group)
[ "$group" = "Cars" ] || fail "after Find and OK the remembered group is '$group', not 'Cars'"
grep -q '^warn=1' lw.ini || fail "lw.ini lacks warn=1 after ticking the warning in Options: $(cat lw.ini)"
echo "end-to-end tools round: 1 passed, 0 failed"
