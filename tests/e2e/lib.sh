# Helpers shared by the end-to-end scripts. Source this file; it defines
# functions only.
#
# Outside the X server:
#   lw_setup EXE          fresh folder holding a copy of the program; cd into it
#   lw_run_x DRIVE.sh     run DRIVE.sh under a virtual X server, with these
#                         helpers sourced and `set -eu` in effect
#   fail TEXT             print "FAIL: TEXT" and end the script
#   lw_unscramble FILE KEY4 OUT, lw_scramble FILE KEY4 OUT
#                         take off / put on the at-rest scramble of the file
#   lw_sql FILE PASSWORD SQL
#                         run SQL on a database file without the scramble
# Inside DRIVE.sh (under the X server):
#   lw_start [ARGS]       start ./lockwell in the background
#   wait_for TITLE        wait until a window whose title matches TITLE exists
#   wait_gone TITLE       wait until no window's title matches TITLE
#   focus TITLE           give the keyboard focus to that window
#   wait_exit             wait until the program has ended
#   lw_create NAME PASSWORD
#                         first start: answer the welcome, create NAME.pdb in
#                         the folder (Yes to the warning about a password
#                         under 10 characters), wait for the main window
#   lw_unlock NAME PASSWORD [NEXT]
#                         start on the existing NAME.pdb and unlock it; wait
#                         until the unlock dialog has gone or, when given, for
#                         the window NEXT that the unlock opens on top of it
#   lw_exit NAME          File > Exit from the main window, wait for the end
# TITLE is an extended regular expression, as xdotool takes it.

LW_LIB="${BASH_SOURCE[0]}"
LW_SCREEN="${LW_SCREEN:--screen 0 1024x768x24}"

fail() { echo "FAIL: $*" >&2; exit 1; }

lw_setup() {
    local exe="$1"
    [ -x "$exe" ] || fail "no program at $exe"
    LW_WORK=$(mktemp -d)
    trap 'rm -rf "$LW_WORK"' EXIT
    cp "$exe" "$LW_WORK/lockwell"
    cd "$LW_WORK"
}

lw_run_x() {
    xvfb-run -a -s "$LW_SCREEN" bash -c 'set -eu; source "$1"; source "$2"' lw-drive "$LW_LIB" "$1"
}

lw_start() {
    export XDG_RUNTIME_DIR="$PWD/runtime"
    mkdir -p -m 700 "$XDG_RUNTIME_DIR"
    ./lockwell "$@" &
    LW_APP=$!
}

# Bounded polls: 100 tries of a tenth of a second each.
wait_for() {
    for _ in $(seq 1 100); do
        xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    fail "no window titled '$1' appeared; open windows: $(lw_window_titles)"
}

wait_gone() {
    for _ in $(seq 1 100); do
        xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    fail "the window titled '$1' did not close"
}

lw_window_titles() {
    local id titles=""
    for id in $(xdotool search --name '.' 2>/dev/null); do
        titles="$titles[$(xdotool getwindowname "$id" 2>/dev/null)] "
    done
    echo "$titles"
}

# The newest matching window gets the focus; the short settle lets the
# toolkit take it before keys arrive.
focus() {
    local id
    id=$(xdotool search --onlyvisible --name "$1" | tail -1)
    [ -n "$id" ] || fail "no window titled '$1' to focus"
    xdotool windowactivate --sync "$id" 2>/dev/null || xdotool windowfocus --sync "$id"
    sleep 0.3
}

wait_exit() {
    for _ in $(seq 1 100); do
        kill -0 "$LW_APP" 2>/dev/null || { wait "$LW_APP" || true; return 0; }
        sleep 0.1
    done
    kill "$LW_APP"
    fail "the program did not exit; open windows: $(lw_window_titles)"
}

lw_create() {
    lw_start
    wait_for "^Welcome$"; focus "^Welcome$"; xdotool key Return
    wait_for "^New Password Database$"; focus "^New Password Database$"
    xdotool type --delay 20 "$PWD/$1"; xdotool key Return
    wait_for "^New Password Database - $1$"; focus "^New Password Database - $1$"
    xdotool type --delay 20 "$2"; xdotool key Tab; xdotool type --delay 20 "$2"; xdotool key Return
    # A master password shorter than 10 characters is warned about; Yes is the default.
    if [ ${#2} -lt 10 ]; then
        wait_for "^Lockwell$"; focus "^Lockwell$"; xdotool key Return
    fi
    wait_for "^ Lockwell - $1$"
}

lw_unlock() {
    lw_start
    wait_for "^Lockwell - $1$"; focus "^Lockwell - $1$"
    xdotool type --delay 20 "$2"; xdotool key Return
    if [ $# -gt 2 ]; then wait_for "$3"; else wait_gone "^Lockwell - $1$"; fi
}

lw_exit() {
    focus "^ Lockwell - $1$"
    xdotool key alt+f; sleep 0.3; xdotool key x
    wait_exit
}

# The scramble adds, to each byte, a digit drawn from a generator seeded with
# the first four characters of the master password; the scrambled file starts
# with the seed plus a constant, as 4 little-endian bytes.
lw_scramble_py() {
    python3 - "$@" <<'PY'
import sys
mode, src, key, dst = sys.argv[1:]
data = open(src, "rb").read()
seed = int.from_bytes(key.encode("latin-1"), "little")
head = ((seed + 61904417) % 2**32).to_bytes(4, "little")
if mode == "off":
    if data[:4] != head:
        sys.exit(f"{src} is not scrambled with the key {key!r}")
    data = data[4:]
out = bytearray(data)
sign = -1 if mode == "off" else 1
for i in range(len(out)):
    seed = (seed * 134775813 + 1) % 2**32
    out[i] = (out[i] + sign * ((10 * seed) >> 32)) % 256
open(dst, "wb").write((head if mode == "on" else b"") + out)
PY
}

lw_unscramble() { lw_scramble_py off "$1" "$2" "$3" || fail "cannot take the scramble off $1"; }
lw_scramble() { lw_scramble_py on "$1" "$2" "$3" || fail "cannot scramble $1"; }

lw_sql() {
    local out
    out=$(printf "PRAGMA key = '%s';\nPRAGMA kdf_iter = 256000;\nPRAGMA cipher_page_size = 4096;\n%s\n" "$2" "$3" | sqlcipher -bail "$1" 2>&1) ||
        fail "sqlcipher on $1: $out"
    # The key pragmas answer "ok" on newer shells; keep only the rows asked for.
    printf '%s\n' "$out" | grep -v '^ok$' || true
}
