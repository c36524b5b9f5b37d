#!/usr/bin/env bash
# First start of the real program, driven by keystrokes under a virtual X
# server: welcome -> Yes -> file name -> password twice -> Create Database ->
# File > Exit. Then the files it left are checked from outside.
set -euo pipefail
exe="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$exe" "$work/lockwell"
cd "$work"

cat > drive.sh <<'DRIVE'
set -eu
export XDG_RUNTIME_DIR="$PWD/runtime"; mkdir -p -m 700 "$XDG_RUNTIME_DIR"
./lockwell & app=$!
wait_for() { for _ in $(seq 1 100); do xdotool search --name "$1" >/dev/null 2>&1 && return 0; sleep 0.1; done; echo "no window: $1"; return 1; }
focus() { xdotool search --name "$1" | tail -1 | xargs -I{} xdotool windowactivate --sync {} 2>/dev/null || xdotool search --name "$1" | tail -1 | xargs -I{} xdotool windowfocus --sync {}; }
wait_for "^Welcome$"; focus "^Welcome$"; sleep 0.3
xdotool key Return
wait_for "New Password Database"; focus "New Password Database"; sleep 0.5
xdotool type --delay 20 "$PWD/family"; xdotool key Return
wait_for "New Password Database - family"; focus "New Password Database - family"; sleep 0.3
xdotool type --delay 20 "secret1"; xdotool key Tab; xdotool type --delay 20 "secret1"; xdotool key Return
wait_for "Lockwell - family$"; focus " Lockwell - family$"; sleep 0.5
xdotool key alt+f; sleep 0.3; xdotool key x
for _ in $(seq 1 100); do kill -0 $app 2>/dev/null || break; sleep 0.1; done
if kill -0 $app 2>/dev/null; then kill $app; echo "the program did not exit"; exit 1; fi
DRIVE
xvfb-run -a -s "-screen 0 1024x768x24" bash drive.sh

fail() { echo "FAIL: $*"; exit 1; }
[ -f family.pdb ] || fail "no database file"
# The scrambled file starts with (key word of "secr" + 61904417) as 4 little-endian bytes.
expected=$(python3 -c 'import struct; print(struct.pack("<I",(int.from_bytes(b"secr","little")+61904417)%2**32).hex())')
actual=$(head -c 4 family.pdb | od -An -tx1 | tr -d ' \n')
[ "$actual" = "$expected" ] || fail "header $actual, expected $expected"
[ "$(grep -c ' ... family ... success' Log.txt)" = 1 ] || fail "log: $(cat Log.txt)"
grep -q '^Editing=1' lw.ini || fail "lw.ini lacks Editing: $(cat lw.ini)"
grep -q '^warn=0' lw.ini || fail "lw.ini lacks warn"
grep -q "Path=$PWD/family.pdb" alias.ini || fail "alias: $(cat alias.ini)"
echo "end-to-end first run: 1 passed, 0 failed"
