#!/usr/bin/env bash
# The file list at scale. Makes folders of 1,000, 10,000 and 50,000 WAV, MP3 and FLAC files
# (copies of ten distinct short files, a fraction of a second each), then:
#  - times `tonewright-cli --info` over each, against a loop of the ffprobe program over the
#    same files and ffprobe run by GNU parallel on every core, with the peak memory of each;
#  - runs the desktop program's list (offscreen) over 10,000 and 100,000 WAV files: adding,
#    the longest stall of its event loop while adding, sorting by each column, removing all.
#   bench/list_scale.sh [SIZES]     (default "1000 10000 50000"; TONEWRIGHT_CLI picks the build)
# ffprobe runs only over the folders of 1,000 files: a process per file takes minutes beyond.
set -euo pipefail
cd "$(dirname "$0")/.."
sizes=${1:-"1000 10000 50000"}
cli=${TONEWRIGHT_CLI:-build/bin/tonewright-cli}
app=build/bin/list_scale_app
work=$(mktemp -d /tmp/list-scale.XXXXXX)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config" HOME="$work/home" QT_QPA_PLATFORM=offscreen
mkdir -p "$HOME" "$work/seed"

# Ten distinct short sources per format: different lengths, rates and channel counts.
for i in 0 1 2 3 4 5 6 7 8 9; do
  rate=$((i % 2 ? 16000 : 8000)); channels=$((i % 3 ? 2 : 1))
  sox -n -r "$rate" -c "$channels" -b 16 "$work/seed/s$i.wav" synth "0.$((i + 1))" sine $((300 + 50 * i))
  ffmpeg -v error -y -i "$work/seed/s$i.wav" -c:a libmp3lame -q:a 4 "$work/seed/s$i.mp3"
  ffmpeg -v error -y -i "$work/seed/s$i.wav" "$work/seed/s$i.flac"
done
make_folder() {  # format count -> a folder of `count` copies of the sources, in turn
  local folder="$work/$1-$2"
  if [[ ! -d $folder ]]; then
    mkdir -p "$folder"
    # One tee writes a thousand copies: much faster than a cp each.
    for i in 0 1 2 3 4 5 6 7 8 9; do
      seq -f "$folder/f%g-$i.$1" 0 $(($2 / 10 - 1)) | xargs sh -c 'tee "$@" < "$0" > /dev/null' "$work/seed/s$i.$1"
    done
  fi
  echo "$folder"
}
measure() {  # label command... -> "label  seconds  peak MiB"
  local label=$1; shift
  /usr/bin/time -f "%e %M" -o "$work/time" "$@" > /dev/null 2>&1 || true
  read -r seconds kib < "$work/time"
  printf '%-34s %8.2f s %8.3f ms/file %6d MiB\n' "$label" "$seconds" "$(echo "$seconds * 1000 / $count" | bc -l)" \
    $((kib / 1024))
}

echo "== tonewright-cli --info against ffprobe ($(nproc) cores)"
for count in $sizes; do
  for format in wav mp3 flac; do
    folder=$(make_folder "$format" "$count")
    measure "$format $count: tonewright-cli --info" "$cli" --info "$folder"
    if ((count <= 1000)); then
      measure "$format $count: ffprobe loop" \
        bash -c "for f in '$folder'/*; do ffprobe -v error -show_format \"\$f\"; done"
      measure "$format $count: ffprobe, parallel" \
        bash -c "ls -d '$folder'/* | parallel -j $(nproc) ffprobe -v error -show_format {}"
    fi
  done
done

echo "== the desktop list (offscreen)"
for count in 10000 100000; do
  folder=$(make_folder wav "$count")
  echo "-- $count WAV files"
  "$app" "$folder" 2> /dev/null
done
