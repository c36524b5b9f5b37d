#!/usr/bin/env bash
# Synthesises the program's four wave sounds into resources/sounds/ with sox.
# sox is needed only to run this script; the build uses the committed files.
#
#   MOVE   8 bit, 11025 Hz, 0.07 s  soft click when the pointer enters a button
#   GRANT  8 bit, 22050 Hz, 0.37 s  rising two-note chime, master password accepted
#   DENY  16 bit, 22050 Hz, 1.72 s  low falling tone, password refused
#   BUZZ   8 bit, 11000 Hz, 0.28 s  harsh buzz, repeated refusals
#
# All are mono PCM. Lengths are given in samples (rate x seconds, rounded).
set -euo pipefail

if ! command -v sox >/dev/null; then
  echo "Installing sox" >&2
  if [ "$(id -u)" -eq 0 ]; then as_root=(); else as_root=(sudo); fi
  "${as_root[@]}" apt-get install -y -qq --no-install-recommends sox
fi

out="$(cd "$(dirname "$0")/.." && pwd)/resources/sounds"
mkdir -p "$out"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# Working files are 32-bit float at the target rate; the final step converts.
tone() { # file rate seconds synth-arguments...
  local file=$1 rate=$2 len=$3; shift 3
  sox -R -r "$rate" -c 1 -n -e floating-point -b 32 "$work/$file" synth "$len" "$@" gain -3
}

# finish NAME RATE BITS SAMPLES INPUT [EFFECTS...]
finish() {
  local name=$1 rate=$2 bits=$3 samples=$4 input=$5; shift 5
  local enc=signed-integer
  [ "$bits" -eq 8 ] && enc=unsigned-integer
  sox -R "$work/$input" -r "$rate" -c 1 -b "$bits" -e "$enc" "$out/$name.wav" \
      "$@" trim 0 "${samples}s"
  echo "$name.wav: $(soxi -D "$out/$name.wav") s, $(soxi -r "$out/$name.wav") Hz, $(soxi -b "$out/$name.wav") bit"
}

# MOVE: a short sine blip falling from 1.6 kHz, over in a few milliseconds.
tone move.wav 11025 772s sine 1600/700
finish MOVE 11025 8 772 move.wav fade q 0.002 0.07 0.055 lowpass 3000 gain -n -9

# GRANT: G5 then D6, each a bell-like sine with a soft octave overtone.
tone g1.wav 22050 0.22 sine G5
tone g1o.wav 22050 0.22 sine G6
tone g2.wav 22050 0.26 sine D6
tone g2o.wav 22050 0.26 sine D7
sox -R -m -v 0.8 "$work/g1.wav" -v 0.2 "$work/g1o.wav" "$work/n1.wav" fade q 0.004 0.22 0.2
sox -R -m -v 0.8 "$work/g2.wav" -v 0.2 "$work/g2o.wav" "$work/n2.wav" fade q 0.004 0.26 0.24 pad 0.11
sox -R -m "$work/n1.wav" "$work/n2.wav" "$work/grant.wav"
finish GRANT 22050 8 8158 grant.wav gain -n -3

# DENY: a low triangle tone sliding down an octave, softened and fading out.
tone d1.wav 22050 1.72 triangle 233-117
tone d2.wav 22050 1.72 sine 117-58
sox -R -m -v 0.7 "$work/d1.wav" -v 0.3 "$work/d2.wav" "$work/deny.wav" \
    lowpass 900 fade q 0.02 1.72 1.1
finish DENY 22050 16 37926 deny.wav gain -n -3

# BUZZ: two detuned square waves, clipped hard for a rough edge.
tone b1.wav 11000 0.28 square 110
tone b2.wav 11000 0.28 sawtooth 117
sox -R -m "$work/b1.wav" "$work/b2.wav" "$work/buzz.wav" gain -6 overdrive 20 gain -6 lowpass 3500 \
    fade h 0.005 0.28 0.03
finish BUZZ 11000 8 3080 buzz.wav gain -n -4
