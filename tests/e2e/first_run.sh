#!/usr/bin/env bash
# First start of the real program, driven by keystrokes under a virtual X
# server: welcome -> Yes -> file name -> password twice -> Create Database ->
# File > Exit. Then the files it left are checked from outside.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
lw_setup "$1"

cat > drive.sh <<'DRIVE'
lw_create family secret1
lw_exit family
DRIVE
lw_run_x drive.sh

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
