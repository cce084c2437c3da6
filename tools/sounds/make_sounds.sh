#!/bin/sh
# Synthesises the game's sounds into data/Sounds with sox (22 050 Hz, mono, 16 bit).
# Usage: tools/sounds/make_sounds.sh
set -e
out=$(cd "$(dirname "$0")/../.." && pwd)/data/Sounds
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$out"
F="-r 22050 -c 1 -b 16"

# gen FILE DURATION SYNTH... [-- EFFECTS...]: one synthesised layer
gen() {
    file=$1; shift
    sox -V1 -n $F "$tmp/$file.wav" "$@"
}
# mix OUT LAYER... : layers summed into OUT, then normalised to -1 dB
mixdown() {
    name=$1; shift
    files=""
    for l in "$@"; do files="$files $tmp/$l.wav"; done
    if [ $# -gt 1 ]; then
        sox -V1 -m $files $F "$tmp/mixed.wav"
    else
        cp "$tmp/$1.wav" "$tmp/mixed.wav"
    fi
    sox "$tmp/mixed.wav" $F "$out/$name.wav" gain -n -1
}

# Cvak: a short dry click
gen click synth 0.035 pinknoise fade q 0.001 0.035 0.03 highpass 1800 lowpass 7000
gen tick synth 0.02 sine 2400 fade q 0.001 0.02 0.018 gain -8
mixdown "Cvak" click tick

# Nabídka: a soft rising two-note blip
gen n1 synth 0.07 sine 880 fade q 0.005 0.07 0.04
gen n2 synth 0.11 sine 1320 fade q 0.005 0.11 0.08 pad 0.06 0
mixdown "Nabídka" n1 n2

# Type: a typewriter key
gen key synth 0.025 whitenoise fade q 0.001 0.025 0.022 bandpass 3200 1.2q
gen thump synth 0.04 sine 180 fade q 0.001 0.04 0.035 gain -6
mixdown "Type" key thump

# Ding: a small bell
gen b1 synth 1.3 sine 1318.5 fade q 0.002 1.3 1.25
gen b2 synth 0.8 sine 2637 fade q 0.002 0.8 0.78 gain -9
gen b3 synth 0.5 sine 3955 fade q 0.002 0.5 0.48 gain -15
mixdown "Ding" b1 b2 b3

# Kasa: the drawer of a cash register and its bell
gen drawer synth 0.12 brownnoise fade q 0.005 0.12 0.1 lowpass 900
gen c1 synth 0.7 sine 2093 fade q 0.002 0.7 0.66 pad 0.1 0 gain -3
gen c2 synth 0.6 sine 2637 fade q 0.002 0.6 0.58 pad 0.1 0 gain -6
gen c3 synth 0.5 sine 4186 fade q 0.002 0.5 0.48 pad 0.1 0 gain -14
mixdown "Kasa" drawer c1 c2 c3

# Potlesk: a crowd clapping
gen clapA synth 2.2 whitenoise bandpass 1800 0.9q tremolo 11.3 90 fade q 0.2 2.2 0.8
gen clapB synth 2.2 pinknoise bandpass 1300 0.9q tremolo 14.7 90 fade q 0.3 2.2 0.7
gen clapC synth 2.2 whitenoise bandpass 2600 1.2q tremolo 9.1 85 fade q 0.1 2.2 0.9
mixdown "Potlesk" clapA clapB clapC

# Push: a dull wooden thump and scrape
gen thud synth 0.35 sine 70 fade q 0.003 0.35 0.3
gen scrape synth 0.5 brownnoise lowpass 500 fade q 0.01 0.5 0.4 gain -4
mixdown "Push" thud scrape

# Whoosh: air rushing past
gen w1 synth 0.9 pinknoise highpass 400 lowpass 3000 fade h 0.45 0.9 0.45
gen w2 synth 0.9 brownnoise fade h 0.5 0.9 0.4 gain -3
mixdown "Whoosh" w1 w2

# Vítr: a gust of wind
gen g1 synth 2.1 brownnoise lowpass 700 tremolo 0.45 70 fade h 0.7 2.1 0.9
gen g2 synth 2.1 pinknoise bandpass 900 3q tremolo 0.7 80 fade h 0.8 2.1 0.9 gain -8
mixdown "Vítr" g1 g2

# ážbluňk: a plop and a splash
gen plop synth 0.14 sine 260:900 fade q 0.005 0.14 0.08
gen splash synth 0.6 whitenoise highpass 1200 fade q 0.01 0.6 0.55 pad 0.1 0 gain -4
gen drops synth 0.5 pinknoise bandpass 2500 2q tremolo 23 90 fade q 0.01 0.5 0.45 pad 0.25 0 gain -10
mixdown "ážbluňk" plop splash drops

# Malý výbuch: a cannon shot
gen crack synth 0.05 whitenoise fade q 0.001 0.05 0.045 lowpass 4000
gen boom synth 0.8 brownnoise lowpass 1000 fade q 0.002 0.8 0.78
gen low synth 0.6 sine 55 fade q 0.002 0.6 0.55 gain -4
mixdown "Malý výbuch" crack boom low

# Výbuch: a heavy hit
gen e1 synth 1.6 brownnoise lowpass 700 overdrive 8 fade q 0.002 1.6 1.5
gen e2 synth 0.3 whitenoise lowpass 3000 fade q 0.001 0.3 0.28 gain -4
gen e3 synth 1.2 sine 42 fade q 0.002 1.2 1.1 gain -3
mixdown "Výbuch" e1 e2 e3

# Výbuch2: a hit with splintering wood
gen f1 synth 1.3 brownnoise lowpass 900 fade q 0.002 1.3 1.2
gen f2 synth 0.7 pinknoise bandpass 1500 2q tremolo 31 95 fade q 0.01 0.7 0.6 pad 0.08 0 gain -5
gen f3 synth 0.9 sine 60 fade q 0.002 0.9 0.85 gain -4
mixdown "Výbuch2" f1 f2 f3
