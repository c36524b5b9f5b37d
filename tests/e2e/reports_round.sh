#!/usr/bin/env bash
# Reports in the real program: on a database whose current group holds two
# accounts, Ctrl+R and Enter show the print preview; Close, then Escape closes
# the selection. The print options are in lw.ini afterwards.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
lw_setup "$1"

cat > create.sh <<'DRIVE'
lw_create books secret1
lw_exit books
DRIVE
lw_run_x create.sh

lw_unscramble books.pdb secr plain.pdb
lw_sql plain.pdb secret1 "
INSERT INTO Groups (Name) VALUES ('Home');
INSERT INTO Passwords (GroupID, Description, ID, Password, URL, Notes)
  SELECT GroupID, 'Library', 'reader', 'pages1', 'http://library.example', 'Card in the drawer' FROM Groups WHERE Name = 'Home';
INSERT INTO Passwords (GroupID, Description, ID, Password)
  SELECT GroupID, 'Bakery', 'baker', 'bread22' FROM Groups WHERE Name = 'Home';
UPDATE Options SET [Group] = 'Home';" >/dev/null
lw_scramble plain.pdb secr books.pdb
grep -q '^\[PrintOptions\]' lw.ini && fail "lw.ini holds print options before any report: $(cat lw.ini)"

cat > report.sh <<'DRIVE'
lw_unlock books secret1
focus "^ Lockwell - books$"; xdotool key ctrl+r
wait_for "^Select Report$"; focus "^Select Report$"
xdotool key Return
wait_for "^Print Preview$"; focus "^Print Preview$"
xdotool key alt+c
wait_gone "^Print Preview$"
focus "^Select Report$"; xdotool key Escape
wait_gone "^Select Report$"
lw_exit books
DRIVE
lw_run_x report.sh

# The options as the selection dialog shows them on a first run.
options=$(sed -n '/^\[PrintOptions\]/,/^\[/p' lw.ini | grep '=' | sort | tr '\n' ' ')
[ "$options" = "concise=0 date=1 one=1 title=Account Summary type=0 " ] ||
    fail "print options in lw.ini: '$options'; the file: $(cat lw.ini)"
echo "end-to-end reports round: 1 passed, 0 failed"
