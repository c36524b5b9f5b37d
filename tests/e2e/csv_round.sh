#!/usr/bin/env bash
# CSV import and export in the real program, driven by keystrokes: a KeePassXC
# export goes in through File > Import from CSV..., Yes to the summary; File >
# Export to CSV..., Yes to the warning, writes the accounts back out. The
# database and the exported file are then checked from outside.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
lw_setup "$1"

cat > in.csv <<'CSV'
"Group","Title","Username","Password","URL","Notes","TOTP","Icon","Last Modified","Created"
"Root/Internet/Mail","Post, home","me@example.org","say ""hi""","https://mail.example.org","two
lines","","0","2025-01-02T10:00:00Z","2025-01-02T10:00:00Z"
"Root/Banking","Bank","jo","pa,ss","https://bank.example","","","0","2025-01-02T10:00:00Z","2025-01-02T10:00:00Z"
CSV

cat > drive.sh <<'DRIVE'
lw_create csv secret1
focus "^ Lockwell - csv$"
xdotool key alt+f; sleep 0.3; xdotool key i
wait_for "^Import from CSV$"; focus "^Import from CSV$"
xdotool type --delay 20 "$PWD/in.csv"; xdotool key Return
wait_for "^Lockwell$"; focus "^Lockwell$"; xdotool key Return
wait_gone "^Lockwell$"
focus "^ Lockwell - csv$"
xdotool key alt+f; sleep 0.3; xdotool key e
wait_for "^Lockwell$"; focus "^Lockwell$"; xdotool key Return
wait_for "^Export to CSV$"; focus "^Export to CSV$"
xdotool type --delay 20 "$PWD/out"; xdotool key Return
wait_for "^Lockwell$"; focus "^Lockwell$"; xdotool key Return
wait_gone "^Lockwell$"
lw_exit csv
DRIVE
lw_run_x drive.sh

[ -f out.csv ] || fail "no out.csv was written"
mode=$(stat -c %a out.csv)
[ "$mode" = "600" ] || fail "out.csv has the mode $mode, not 600"
expected='"Group","Title","Username","Password","URL","Notes"
"Root/Banking","Bank","jo","pa,ss","https://bank.example",""
"Root/Mail","Post, home","me@example.org","say ""hi""","https://mail.example.org","two
lines"'
[ "$(cat out.csv)" = "$expected" ] || fail "out.csv reads: $(cat out.csv)"

lw_unscramble csv.pdb secr plain.pdb
rows=$(lw_sql plain.pdb secret1 "SELECT g.Name || '|' || p.Description || '|' || p.Password FROM Groups g
  JOIN Passwords p ON g.GroupID = p.GroupID ORDER BY p.PasswordID; SELECT [Group] FROM Options;")
[ "$rows" = 'Mail|Post, home|say "hi"
Banking|Bank|pa,ss
Mail' ] || fail "the database holds: $rows"
echo "CSV import and export: ok"
