#!/usr/bin/env bash
# A keyboard-only round in the real program: a new database, a new group typed
# in lower case, a new account with an ID, File > Exit. Then the stored rows
# are read from the file itself.
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
focus() { xdotool search --name "$1" | tail -1 | xargs -I{} xdotool windowfocus --sync {}; sleep 0.3; }
wait_for "^Welcome$"; focus "^Welcome$"; xdotool key Return
wait_for "New Password Database"; focus "New Password Database"
xdotool type --delay 20 "$PWD/keys"; xdotool key Return
wait_for "New Password Database - keys"; focus "New Password Database - keys"
xdotool type --delay 20 "secret1"; xdotool key Tab; xdotool type --delay 20 "secret1"; xdotool key Return
wait_for "Lockwell - keys$"; focus " Lockwell - keys$"
xdotool key alt+s; wait_for "New Group"; focus "New Group"
xdotool type --delay 20 "my bank"; xdotool key Return; sleep 0.5
focus " Lockwell - keys$"; xdotool key alt+a; wait_for "Add Description"; focus "Add Description"
xdotool type --delay 20 "checking"; xdotool key Return; sleep 0.5
focus " Lockwell - keys$"; xdotool type --delay 20 "alice"; sleep 0.3
xdotool key alt+f; sleep 0.3; xdotool key x
for _ in $(seq 1 100); do kill -0 $app 2>/dev/null || break; sleep 0.1; done
if kill -0 $app 2>/dev/null; then kill $app; echo "the program did not exit"; exit 1; fi
DRIVE
xvfb-run -a -s "-screen 0 1024x768x24" bash drive.sh

# Take off the at-rest scramble of the key text "secr", then ask the engine.
python3 - <<'PY'
data = open("keys.pdb", "rb").read()
seed = int.from_bytes(b"secr", "little")
assert int.from_bytes(data[:4], "little") == (seed + 61904417) % 2**32, "not scrambled with secr"
out = bytearray(data[4:])
for i in range(len(out)):
    seed = (seed * 134775813 + 1) % 2**32
    out[i] = (out[i] - ((10 * seed) >> 32)) % 256
open("plain.pdb", "wb").write(out)
PY
rows=$(printf "PRAGMA key = 'secret1';\nPRAGMA kdf_iter = 256000;\nSELECT g.Name || '|' || p.Description || '|' || p.ID FROM Passwords p JOIN Groups g ON g.GroupID = p.GroupID;\n" | sqlcipher plain.pdb | grep '|')
[ "$rows" = "My Bank|Checking|alice" ] || { echo "FAIL: stored rows: $rows"; exit 1; }
echo "end-to-end keyboard round: 1 passed, 0 failed"
