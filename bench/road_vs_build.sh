#!/usr/bin/env bash
# Times the 16-bit stereo road of this build's tonewright-cli against another build (an
# earlier one, to compare with) on the same files: FILES stereo 44.1 kHz 16-bit WAV files of
# SECONDS_EACH seconds (pink noise and a tone) to MP3 at 128 kbps, and their FLAC versions to
# WAV; then, this build alone, the same seconds as 24-bit/96 kHz 5.1 FLAC to WAV as it is
# and to MP3 (mixed down). REPS runs, the two builds interleaved; medians of -j 1.
#   bench/road_vs_build.sh OTHER_CLI [FILES [SECONDS_EACH [REPS]]]   (defaults 8 60 5)
#   TONEWRIGHT_CLI=path picks another build of this side.
set -euo pipefail
cd "$(dirname "$0")/.."
other=$(realpath "${1:?give the other tonewright-cli}")
files=${2:-8}
seconds=${3:-60}
reps=${4:-5}
cli=$(realpath "${TONEWRIGHT_CLI:-build/bin/tonewright-cli}")
for tool in ffmpeg sox bc; do command -v "$tool" >/dev/null || { echo "needs $tool"; exit 1; }; done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config" HOME="$work/home"
mkdir -p "$HOME" "$work/wav" "$work/flac" "$work/surround"
for i in $(seq 1 "$files"); do
  sox -n -r 44100 -c 2 -b 16 "$work/wav/$i.wav" synth "$seconds" pinknoise synth "$seconds" sine mix \
    $((200 + 50 * i)) vol 0.5
  ffmpeg -v error -i "$work/wav/$i.wav" -c:a flac "$work/flac/$i.flac"
done
tones="0.5*sin(2*PI*250*t)|0.5*sin(2*PI*400*t)|0.5*sin(2*PI*630*t)|0.5*sin(2*PI*80*t)|0.5*sin(2*PI*1000*t)"
tones+="|0.5*sin(2*PI*1600*t)"
for i in $(seq 1 "$files"); do
  ffmpeg -v error -f lavfi -i "aevalsrc=$tones:s=96000:c=5.1:d=$seconds" -c:a flac -sample_fmt s32 \
    -bits_per_raw_sample 24 "$work/surround/$i.flac"
done

# Seconds one run takes: the program, the output format, the input folder.
run() {
  rm -rf "$work/out"
  local start end
  start=$(date +%s.%N)
  "$1" -q -j 1 -f "$2" -o "$work/out" "$3"/* >/dev/null
  end=$(date +%s.%N)
  echo "$end - $start" | bc
}
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

declare -A times
for rep in $(seq 1 "$reps"); do
  for side in this other; do
    program=$cli
    [[ $side == other ]] && program=$other
    times[$side-mp3]+="$(run "$program" mp3 "$work/wav") "
    times[$side-wav]+="$(run "$program" wav "$work/flac") "
  done
  times[this-wide-wav]+="$(run "$cli" wav "$work/surround") "
  times[this-wide-mp3]+="$(run "$cli" mp3 "$work/surround") "
done
printf '%-42s %10s %10s %8s\n' "conversion ($files files of $seconds s, -j 1)" "this" "other" "ratio"
for pair in "mp3:WAV to MP3 128 kbps" "wav:FLAC to WAV"; do
  key=${pair%%:*}
  this=$(tr ' ' '\n' <<<"${times[this-$key]}" | grep . | median)
  that=$(tr ' ' '\n' <<<"${times[other-$key]}" | grep . | median)
  printf '%-42s %9.2fs %9.2fs %8.3f\n' "${pair#*:}" "$this" "$that" "$(echo "$this / $that" | bc -l)"
done
for pair in "wide-wav:24-bit/96 kHz 5.1 FLAC to WAV" "wide-mp3:24-bit/96 kHz 5.1 FLAC to MP3"; do
  key=${pair%%:*}
  printf '%-42s %9.2fs\n' "${pair#*:}" "$(tr ' ' '\n' <<<"${times[this-$key]}" | grep . | median)"
done
