#!/usr/bin/env bash
# Encodes the same WAV files to FLAC at one compression level with tonewright-cli (-j 1 and
# -j 2) and with the ffmpeg program (-c:a flac, one file after the other), and prints the
# median times, their ratios to ffmpeg (below 1.0: tonewright-cli is faster) and the total
# size of each side's files. tonewright-cli also decodes every frame again while writing it
# (libFLAC's verify mode); ffmpeg does not.
#   bench/flac_vs_ffmpeg.sh [FILES [SECONDS_EACH [LEVEL [REPS]]]]   (defaults 8 60 5 3)
#   TONEWRIGHT_CLI=path picks another build of tonewright-cli.
set -euo pipefail
cd "$(dirname "$0")/.."
files=${1:-8}
seconds=${2:-60}
level=${3:-5}
reps=${4:-3}
cli=$(realpath "${TONEWRIGHT_CLI:-build/bin/tonewright-cli}")
for tool in ffmpeg sox bc; do command -v "$tool" >/dev/null || { echo "needs $tool"; exit 1; }; done
[[ -x "$cli" ]] || { echo "no $cli: run scripts/build.sh first"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config" HOME="$work/home"
mkdir -p "$HOME" "$work/in"

for i in $(seq -w "$files"); do
  sox -n -r 44100 -c 2 -b 16 "$work/in/$i.wav" synth "$seconds" pinknoise sine 440 vol 0.3
done
echo "$files files of $seconds s, 44.1 kHz stereo 16-bit WAV, to FLAC at level $level, $reps runs each"

elapsed() {  # output folder, command... -> seconds
  local out=$1 start end; shift
  rm -rf "$out"; mkdir -p "$out"
  start=$(date +%s.%N)
  "$@" >/dev/null
  end=$(date +%s.%N)
  echo "$end - $start" | bc
}
median() { sort -n | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }
tonewright() {  # jobs
  "$cli" -q -j "$1" -f flac -o "$work/tw" --set FLACCompression="$level" --set FLACID3TagType=2 "$work"/in/*.wav
}
ffmpeg_each() {
  for f in "$work"/in/*.wav; do
    ffmpeg -v error -y -i "$f" -c:a flac -compression_level "$level" "$work/ff/$(basename "$f" .wav).flac"
  done
}

: > "$work/j1"; : > "$work/j2"; : > "$work/ffmpeg"
for _ in $(seq "$reps"); do  # interleaved, so a slow moment of the machine hits all three alike
  elapsed "$work/tw" tonewright 1 >> "$work/j1"
  elapsed "$work/tw" tonewright 2 >> "$work/j2"
  elapsed "$work/ff" ffmpeg_each >> "$work/ffmpeg"
done
ff=$(median < "$work/ffmpeg"); j1=$(median < "$work/j1"); j2=$(median < "$work/j2")
echo "ffmpeg, one after the other: $ff s"
echo "tonewright-cli -j 1:          $j1 s (ratio $(echo "scale=2; $j1 / $ff" | bc))"
echo "tonewright-cli -j 2:          $j2 s (ratio $(echo "scale=2; $j2 / $ff" | bc))"
echo "bytes: tonewright-cli $(cat "$work"/tw/*.flac | wc -c), ffmpeg $(cat "$work"/ff/*.flac | wc -c)"
