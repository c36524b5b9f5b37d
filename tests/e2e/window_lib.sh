# Shared steps of the end-to-end scripts. Sourced by a driver that runs under
# the virtual X server, in the folder that holds ./lockwell.

export XDG_RUNTIME_DIR="$PWD/runtime"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"

# Waits up to ten seconds for a window whose name matches.
wait_for() {
  for _ in $(seq 1 100); do
    xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  echo "no window: $1"
  return 1
}

focus() {
  local w
  w=$(xdotool search --onlyvisible --name "$1" | tail -1)
  xdotool windowactivate --sync "$w" 2>/dev/null || xdotool windowfocus --sync "$w"
  sleep 0.3
}

# First start: welcome -> Yes -> file name -> the password twice.
create_database() {
  local name="$1" password="$2"
  wait_for "^Welcome$"; focus "^Welcome$"; xdotool key Return
  wait_for "New Password Database"; focus "New Password Database"
  xdotool type --delay 20 "$PWD/$name"; xdotool key Return
  wait_for "New Password Database - $name"; focus "New Password Database - $name"
  xdotool type --delay 20 "$password"; xdotool key Tab; xdotool type --delay 20 "$password"; xdotool key Return
  wait_for " Lockwell - $name\$"; focus " Lockwell - $name\$"
}

# Waits up to the given seconds for the process to end.
ended_within() {
  local pid="$1" seconds="$2"
  for _ in $(seq 1 $((seconds * 10))); do
    kill -0 "$pid" 2>/dev/null || return 0
    sleep 0.1
  done
  return 1
}

# Takes the at-rest scramble off a database file: the key text's first four
# characters give the seed. unscramble FILE KEY OUT
unscramble() {
  python3 - "$1" "$2" "$3" <<'PY'
import sys
data = open(sys.argv[1], "rb").read()
seed = int.from_bytes(sys.argv[2][:4].encode(), "little")
assert int.from_bytes(data[:4], "little") == (seed + 61904417) % 2**32, "not scrambled with " + sys.argv[2][:4]
out = bytearray(data[4:])
for i in range(len(out)):
    seed = (seed * 134775813 + 1) % 2**32
    out[i] = (out[i] - ((10 * seed) >> 32)) % 256
open(sys.argv[3], "wb").write(out)
PY
}
