#!/usr/bin/env bash
# Encodes the same WAV files to MP3 at 128 kbps with tonewright-cli and with the ffmpeg
# program (libmp3lame, one file after the other), prints both times and their ratio, then
# the peak memory of tonewright-cli on a short and on a long file, which must be about equal.
#   bench/mp3_vs_ffmpeg.sh [FILES [SECONDS_EACH [LONG_SECONDS]]]   (TONEWRIGHT_CLI picks another build)
set -euo pipefail
cd "$(dirname "$0")/.."
files=${1:-5}
seconds=${2:-60}
long=${3:-3600}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config" HOME="$work/home"
mkdir -p "$HOME" "$work/in" "$work/tw" "$work/ff"
cli=${TONEWRIGHT_CLI:-build/bin/tonewright-cli}
[[ -x /usr/bin/time ]] || { echo "needs /usr/bin/time (package time)"; exit 1; }
settings=(--set AutoDestMP3EncodingParam=0 --set MP3BitRate=128 --set MP3SampleRate=44100 --set MP3ChannelMode=1
          --set MP3ID3TagType=2)

for i in $(seq "$files"); do
  sox -n -r 44100 -c 2 -b 16 "$work/in/$i.wav" synth "$seconds" pinknoise vol 0.3
done
echo "$files files of $seconds s, 44.1 kHz stereo, to 128 kbps joint-stereo MP3"

elapsed() {  # command... -> seconds
  local start end
  start=$(date +%s.%N)
  "$@" >/dev/null
  end=$(date +%s.%N)
  echo "$end - $start" | bc
}
tw=$(elapsed "$cli" -q -f mp3 -o "$work/tw" "${settings[@]}" "$work"/in/*.wav)
ff=$(elapsed bash -c 'for f in "$1"/in/*.wav; do
  ffmpeg -v error -y -i "$f" -c:a libmp3lame -b:a 128k -joint_stereo 1 "$1/ff/$(basename "$f" .wav).mp3"; done' _ "$work")
echo "tonewright-cli: ${tw} s"
echo "ffmpeg:         ${ff} s"
echo "ratio (tonewright-cli / ffmpeg): $(echo "scale=2; $tw / $ff" | bc)"

peak() {  # command... -> "peak KiB, seconds"
  /usr/bin/time -f '%M KiB peak, %e s' "$@" 2>&1 >/dev/null | tail -n 1
}
sox -n -r 44100 -c 2 -b 16 "$work/short.wav" synth 60 sine 440 sine 1000 vol 0.5
sox -n -r 44100 -c 2 -b 16 "$work/long.wav" synth "$long" sine 440 sine 1000 vol 0.5
echo "memory, 60 s file:      $(peak "$cli" -q -f mp3 -o "$work/tw" "${settings[@]}" "$work/short.wav")"
echo "memory, ${long} s file: $(peak "$cli" -q -f mp3 -o "$work/tw" "${settings[@]}" "$work/long.wav")"
