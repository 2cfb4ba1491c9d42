#!/usr/bin/env bash
# Measures what 24 -> 16-bit reduction does to a quiet tone, dithered (DitherOnReduce=1)
# and rounded (DitherOnReduce=0): a 24-bit 44.1 kHz mono WAV with a 1 kHz sine at LEVEL dBFS
# (default -90, about one 16-bit step) becomes a 16-bit WAV through tonewright-cli. Printed
# for each: the error against the exact source (RMS, dBFS), the tone's level, and the
# strongest of its odd harmonics (3, 5, 7 kHz), the distortion rounding makes and dither
# turns into noise.
#   bench/dither_floor.sh [LEVEL]
#   TONEWRIGHT_CLI=path picks another build of tonewright-cli.
set -euo pipefail
cd "$(dirname "$0")/.."
level=${1:--90}
cli=$(realpath "${TONEWRIGHT_CLI:-build/bin/tonewright-cli}")
for tool in sox od awk; do command -v "$tool" >/dev/null || { echo "needs $tool"; exit 1; }; done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config" HOME="$work/home"
mkdir -p "$HOME"
sox -n -r 44100 -c 1 -b 24 "$work/tone.wav" synth 10 sine 1000 vol "${level}dB"
sox "$work/tone.wav" -t s32 - | od -An -v -t d4 -w4 > "$work/exact.txt"

printf '%-10s %14s %14s %20s\n' "reduction" "error dBFS" "tone dBFS" "worst harmonic dBFS"
for dither in 1 0; do
  out="$work/out$dither"
  "$cli" -q -f wav -o "$out" --set AutoDestWAVEncodingParam=0 --set WAVBitsPerSample=16 \
    --set WAVChannelNum=0 --set WAVSampleRate=0 --set "DitherOnReduce=$dither" "$work/tone.wav" >/dev/null
  sox "$out/tone.wav" -t s16 - | od -An -v -t d2 -w2 > "$work/reduced.txt"
  name=$([[ $dither == 1 ]] && echo dithered || echo rounded)
  # Goertzel over whole seconds (whole cycles of every tone); levels of a full-scale sine = 0 dBFS.
  paste "$work/exact.txt" "$work/reduced.txt" | awk -v name="$name" '
    function level(power, n) { return 20 * log(2 * sqrt(power) / n + 1e-12) / log(10) }
    BEGIN { pi = atan2(0, -1); split("1000 3000 5000 7000", f, " ");
            for (k = 1; k <= 4; k++) { c[k] = 2 * cos(2 * pi * f[k] / 44100); s1[k] = 0; s2[k] = 0 } }
    { exact = $1 / 2147483648; got = $2 / 32768; e = got - exact; sum += e * e; n++;
      for (k = 1; k <= 4; k++) { s = got + c[k] * s1[k] - s2[k]; s2[k] = s1[k]; s1[k] = s } }
    END { for (k = 1; k <= 4; k++) p[k] = s1[k] * s1[k] + s2[k] * s2[k] - c[k] * s1[k] * s2[k];
          worst = level(p[2], n); for (k = 3; k <= 4; k++) if (level(p[k], n) > worst) worst = level(p[k], n);
          printf "%-10s %14.1f %14.1f %20.1f\n", name, 10 * log(sum / n + 1e-30) / log(10), level(p[1], n), worst }'
done
