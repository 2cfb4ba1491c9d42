#!/usr/bin/env bash
# The cost of putting each finished file in place: converts a batch of short files (default
# 500 WAV files of 1 s, 22.05 kHz mono) to WAV and to MP3 with -j 1 and -j 2, once with this
# build's tonewright-cli and once with another one (an earlier build, to compare with), runs
# interleaved, and prints the median wall time of each. The output folder lies beside the
# sources, on the file system of the work folder.
#   bench/short_files_commit.sh OTHER_CLI [FILES] [RUNS]   (TONEWRIGHT_CLI picks this build)
#   TONEWRIGHT_BENCH_DIR=/some/folder puts the work folder on another file system.
set -euo pipefail
cd "$(dirname "$0")/.."
other=${1:?"usage: bench/short_files_commit.sh OTHER_CLI [FILES] [RUNS]"}
files=${2:-500}
runs=${3:-3}
cli=${TONEWRIGHT_CLI:-build/bin/tonewright-cli}
work=$(mktemp -d "${TONEWRIGHT_BENCH_DIR:-/tmp}/commit-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config" HOME="$work/home"
mkdir -p "$HOME" "$work/src"

sox -n -r 22050 -c 1 -b 16 "$work/src/tone.wav" synth 1 sine 440 vol 0.5
for i in $(seq -w 1 "$files"); do cp "$work/src/tone.wav" "$work/src/f$i.wav"; done
rm "$work/src/tone.wav"

seconds() {  # command... -> wall seconds
  local start end
  start=$(date +%s.%N)
  "$@" >/dev/null
  end=$(date +%s.%N)
  echo "$end - $start" | bc
}
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

echo "$files files of 1 s; $runs runs each, interleaved; median wall seconds"
printf '%-16s %10s %10s\n' "conversion" "other" "this"
for format in wav mp3; do
  for jobs in 1 2; do
    mine=() theirs=()
    for _ in $(seq "$runs"); do
      rm -rf "$work/out"
      theirs+=("$(seconds "$other" -q -j "$jobs" -f "$format" -o "$work/out" "$work"/src/*.wav)")
      rm -rf "$work/out"
      mine+=("$(seconds "$cli" -q -j "$jobs" -f "$format" -o "$work/out" "$work"/src/*.wav)")
    done
    printf '%-16s %10.2f %10.2f\n' "$format -j $jobs" "$(printf '%s\n' "${theirs[@]}" | median)" \
      "$(printf '%s\n' "${mine[@]}" | median)"
  done
done
