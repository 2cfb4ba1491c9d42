#!/usr/bin/env bash
# Times tonewright-cli against the ffmpeg program doing the same conversions one file after
# the other, on an input set it makes itself:
#   - FILES stereo 44.1 kHz WAV files of SECONDS_EACH seconds (pink noise and tones), their FLAC and
#     128 kbps MP3 versions;
#   - INFO_FILES short MP3 files for --info against one ffprobe call per file.
# Each conversion runs REPS times; the runs of tonewright-cli -j 1, -j <cores> and ffmpeg
# are interleaved, so a slow moment of the machine hits all three alike. The table gives
# medians, the ratios to ffmpeg (below 1.0: tonewright-cli is faster) and the peak resident
# memory of each.
#   bench/compare_with_ffmpeg.sh                 (16 files of 60 s, 1000 info files, 3 runs)
#   FILES=4 SECONDS_EACH=10 INFO_FILES=100 REPS=1 bench/compare_with_ffmpeg.sh   (a quick check)
#   TONEWRIGHT_CLI=path picks another build of tonewright-cli.
set -euo pipefail
cd "$(dirname "$0")/.."
files=${FILES:-16}
seconds=${SECONDS_EACH:-60}
info_files=${INFO_FILES:-1000}
reps=${REPS:-3}
cores=$(nproc)
cli=$(realpath "${TONEWRIGHT_CLI:-build/bin/tonewright-cli}")
for tool in ffmpeg ffprobe sox /usr/bin/time bc; do
  command -v "$tool" >/dev/null || { echo "needs $tool"; exit 1; }
done
[[ -x "$cli" ]] || { echo "no $cli: run scripts/build.sh first"; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config" HOME="$work/home"
mkdir -p "$HOME" "$work/wav" "$work/flac" "$work/mp3" "$work/info"

echo "making the input set in $work ..." >&2
for i in $(seq -w "$files"); do
  sox -n -r 44100 -c 2 -b 16 "$work/wav/$i.wav" synth "$seconds" pinknoise sine 440 vol 0.3
  ffmpeg -v error -i "$work/wav/$i.wav" -c:a flac "$work/flac/$i.flac"
  ffmpeg -v error -i "$work/wav/$i.wav" -c:a libmp3lame -b:a 128k "$work/mp3/$i.mp3"
done
sox -n -r 44100 -c 2 -b 16 "$work/short.wav" synth 2 sine 440 vol 0.3
ffmpeg -v error -i "$work/short.wav" -c:a libmp3lame -b:a 128k "$work/short.mp3"
for i in $(seq -w "$info_files"); do cp "$work/short.mp3" "$work/info/$i.mp3"; done

# name | input folder | tonewright-cli options | ffmpeg options | output extension
conversions=(
  "WAV to MP3 128 kbps|wav|-f mp3 --set AutoDestMP3EncodingParam=0 --set MP3BitRate=128 --set MP3SampleRate=44100 --set MP3ChannelMode=1 --set MP3ID3TagType=2|-c:a libmp3lame -b:a 128k -joint_stereo 1|mp3"
  "WAV to OGG 128 kbps|wav|-f ogg --set AutoDestOGGEncodingParam=0 --set OGGBitRate=128 --set OGGSampleRate=44100 --set OGGChannels=2|-c:a libvorbis -b:a 128k|ogg"
  "WAV to M4A 128 kbps|wav|-f m4a --set AutoDestM4AEncodingParam=0 --set M4AVBR=0 --set M4AABRBitRate=128|-c:a aac -b:a 128k -aac_tns 0|m4a"
  "FLAC to WAV|flac|-f wav|-c:a pcm_s16le|wav"
  "MP3 to WAV|mp3|-f wav|-c:a pcm_s16le|wav"
)

# Runs a command, appends "seconds peak_KiB" to the file named first.
measure() {
  local log=$1; shift
  rm -rf "$work/out"; mkdir -p "$work/out"
  /usr/bin/time -f '%e %M' -o "$work/time.txt" "$@" >/dev/null 2>"$work/stderr.txt" ||
    { cat "$work/stderr.txt" >&2; echo "failed: $*" >&2; exit 1; }
  cat "$work/time.txt" >> "$log"
}

ffmpeg_each() {  # input folder, ffmpeg options, extension
  local f
  for f in "$work/$1"/*; do
    # shellcheck disable=SC2086
    ffmpeg -v error -nostdin -y -i "$f" $2 "$work/out/$(basename "${f%.*}").$3"
  done
}
export -f ffmpeg_each
export work

ffprobe_each() {
  local f
  for f in "$work"/info/*.mp3; do
    ffprobe -v error -show_entries format=duration:stream=sample_rate,channels,bit_rate -of csv "$f"
  done
}
export -f ffprobe_each

for rep in $(seq "$reps"); do
  echo "run $rep of $reps ..." >&2
  for index in "${!conversions[@]}"; do
    IFS='|' read -r name input twopts ffopts ext <<<"${conversions[$index]}"
    # shellcheck disable=SC2086
    measure "$work/log-$index-j1" "$cli" -q -j 1 -o "$work/out" $twopts "$work/$input"/*
    # shellcheck disable=SC2086
    measure "$work/log-$index-jn" "$cli" -q -j "$cores" -o "$work/out" $twopts "$work/$input"/*
    measure "$work/log-$index-ff" bash -c 'ffmpeg_each "$@"' _ "$input" "$ffopts" "$ext"
  done
  measure "$work/log-info-tw" "$cli" --info "$work"/info/*.mp3
  measure "$work/log-info-ff" bash -c ffprobe_each
done

median() {  # file, column (1 seconds, 2 KiB)
  awk -v c="$2" '{print $c}' "$1" | sort -n | awk '{v[NR]=$1} END {print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'
}
peak_mib() { awk '{if ($2>m) m=$2} END {printf "%.0f", m/1024}' "$1"; }
ratio() { echo "scale=2; $1 / $2" | bc | sed 's/^\./0./'; }

echo
echo "$(nproc) cores: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'); ${files} files of ${seconds} s, medians of ${reps} runs"
echo
echo "| conversion | ffmpeg, one after the other | -j 1 | ratio | -j $cores | ratio | peak MiB ffmpeg / -j 1 / -j $cores |"
echo "|---|---|---|---|---|---|---|"
for index in "${!conversions[@]}"; do
  IFS='|' read -r name _ <<<"${conversions[$index]}"
  ff=$(median "$work/log-$index-ff" 1); j1=$(median "$work/log-$index-j1" 1); jn=$(median "$work/log-$index-jn" 1)
  echo "| $name | ${ff} s | ${j1} s | $(ratio "$j1" "$ff") | ${jn} s | $(ratio "$jn" "$ff") | $(peak_mib "$work/log-$index-ff") / $(peak_mib "$work/log-$index-j1") / $(peak_mib "$work/log-$index-jn") |"
done
tw=$(median "$work/log-info-tw" 1); ff=$(median "$work/log-info-ff" 1)
echo
echo "| --info over $info_files MP3 files | ffprobe, one call per file | tonewright-cli --info | ffprobe / tonewright |"
echo "|---|---|---|---|"
echo "| | ${ff} s | ${tw} s | $(echo "scale=1; $ff / $tw" | bc)× faster |"
