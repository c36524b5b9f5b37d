#!/usr/bin/env bash
# The command line of the real program: --help and --version answer on the
# terminal without a display, a wrong option is refused, and a database path
# as the first argument becomes the current database and is unlocked.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
lw_setup "$1"

version=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ./lockwell --version) ||
    fail "--version ended with an error"
[[ "$version" =~ ^Lockwell\ [0-9]+\.[0-9]+$ ]] || fail "--version printed '$version'"
help=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ./lockwell --help) || fail "--help ended with an error"
for part in "Usage: " "[database]" "--version" "password database"; do
    grep -qF -- "$part" <<<"$help" || fail "--help lacks '$part': $help"
done
status=0
error=$(QT_QPA_PLATFORM=offscreen ./lockwell --bogus 2>&1 >/dev/null) || status=$?
[ "$status" = 2 ] || fail "--bogus ended with $status"
grep -q "bogus" <<<"$error" || fail "--bogus said '$error'"

cat > drive.sh <<'DRIVE'
lw_create first secret1
lw_exit first
cp first.pdb second.pdb
lw_start "$PWD/second.pdb"
wait_for "^Lockwell - second$"; focus "^Lockwell - second$"
xdotool type --delay 20 secret1; xdotool key Return
wait_gone "^Lockwell - second$"
lw_exit second
DRIVE
lw_run_x drive.sh

grep -q "Path=$PWD/second.pdb" alias.ini || fail "alias: $(cat alias.ini)"
[ "$(grep -c ' ... second ... success' Log.txt)" = 1 ] || fail "log: $(cat Log.txt)"
echo "end-to-end command line: 4 passed, 0 failed"
