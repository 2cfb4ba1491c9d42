#!/usr/bin/env bash
# Encodes the same WAV files to Opus at one bit rate with tonewright-cli (-j 1 and -j 2) and
# with the ffmpeg program (-c:a libopus, one file after the other), both with libopus's
# default complexity 10 and 20 ms frames, and prints the median times and processor times
# (user and system), their ratios to ffmpeg (below 1.0: tonewright-cli is faster) and the total
# size of each side's files. At rates other than 48000 Hz both resample: libopusenc inside
# tonewright-cli, FFmpeg's resampler in ffmpeg.
#   bench/opus_vs_ffmpeg.sh [FILES [SECONDS_EACH [KBPS [RATE [MODE [REPS]]]]]]
#   (defaults 8 60 128 44100 0 3; MODE as OpusMode: 0 VBR, 1 constrained VBR, 2 CBR)
#   TONEWRIGHT_CLI=path picks another build of tonewright-cli.
set -euo pipefail
cd "$(dirname "$0")/.."
files=${1:-8}
seconds=${2:-60}
kbps=${3:-128}
rate=${4:-44100}
mode=${5:-0}
reps=${6:-3}
cli=$(realpath "${TONEWRIGHT_CLI:-build/bin/tonewright-cli}")
for tool in ffmpeg sox bc /usr/bin/time; do command -v "$tool" >/dev/null || { echo "needs $tool"; exit 1; }; done
[[ -x "$cli" ]] || { echo "no $cli: run scripts/build.sh first"; exit 1; }
ffmpeg_vbr=(on constrained off)
[[ "$mode" =~ ^[012]$ ]] || { echo "MODE is 0, 1 or 2"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config" HOME="$work/home"
mkdir -p "$HOME" "$work/in"

for i in $(seq -w "$files"); do
  sox -n -r "$rate" -c 2 -b 16 "$work/in/$i.wav" synth "$seconds" pinknoise sine 440 vol 0.3
done
echo "$files files of $seconds s, $rate Hz stereo 16-bit WAV, to Opus at $kbps kbps" \
     "(vbr ${ffmpeg_vbr[$mode]}), $reps runs each"

# Runs a command of this script into a fresh output folder; appends its wall-clock seconds to
# $work/NAME.wall and its processor seconds (user and system, its child processes included)
# to $work/NAME.cpu. Processor time hardly changes when other work shares the machine.
measure() {  # name, output folder, command...
  local name=$1 out=$2; shift 2
  rm -rf "$out"; mkdir -p "$out"
  /usr/bin/time -f '%e %U %S' -o "$work/time" bash -c "$*" >/dev/null
  read -r wall user system < "$work/time"
  echo "$wall" >> "$work/$name.wall"
  echo "$user + $system" | bc >> "$work/$name.cpu"
}
median() { sort -n | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }
tonewright() {  # jobs
  "$cli" -q -j "$1" -f opus -o "$work/tw" --set OpusBitRate="$kbps" --set OpusMode="$mode" \
    --set OpusComplexity=10 --set OpusID3TagType=2 "$work"/in/*.wav
}
ffmpeg_each() {
  for f in "$work"/in/*.wav; do
    ffmpeg -v error -y -i "$f" -c:a libopus -b:a "${kbps}k" -vbr "$ffmpeg_vbr_mode" -compression_level 10 \
      "$work/ff/$(basename "$f" .wav).opus"
  done
}

export work cli kbps mode ffmpeg_vbr_mode=${ffmpeg_vbr[$mode]}
export -f tonewright ffmpeg_each
for _ in $(seq "$reps"); do  # interleaved, so a slow moment of the machine hits all three alike
  measure j1 "$work/tw" tonewright 1
  measure j2 "$work/tw" tonewright 2
  measure ffmpeg "$work/ff" ffmpeg_each
done
report() {  # label, name
  local wall cpu ffwall ffcpu
  wall=$(median < "$work/$2.wall"); cpu=$(median < "$work/$2.cpu")
  ffwall=$(median < "$work/ffmpeg.wall"); ffcpu=$(median < "$work/ffmpeg.cpu")
  echo "$1 $wall s (ratio $(echo "scale=2; $wall / $ffwall" | bc)), processor $cpu s" \
       "(ratio $(echo "scale=2; $cpu / $ffcpu" | bc))"
}
echo "ffmpeg, one after the other: $(median < "$work/ffmpeg.wall") s, processor $(median < "$work/ffmpeg.cpu") s"
report "tonewright-cli -j 1:         " j1
report "tonewright-cli -j 2:         " j2
echo "bytes: tonewright-cli $(cat "$work"/tw/*.opus | wc -c), ffmpeg $(cat "$work"/ff/*.opus | wc -c)"
