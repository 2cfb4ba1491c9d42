#!/usr/bin/env bash
# Converts a long WAV file (default two hours of 44.1 kHz stereo) twice — as it is, and
# resampled to 48 kHz mono — and prints the peak memory of each run next to the ffmpeg
# program doing the same. Memory must stay flat however long the file is.
#   bench/long_file_memory.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-7200}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config" HOME="$work/home"
mkdir -p "$HOME"
cli=build/bin/tonewright-cli
[[ -x /usr/bin/time ]] || { echo "needs /usr/bin/time (package time)"; exit 1; }

sox -n -r 44100 -c 2 -b 16 "$work/long.wav" synth "$seconds" sine 440 sine 1000 vol 0.5
echo "source: $(du -h "$work/long.wav" | cut -f1), $seconds s"

peak() {  # command... -> "peak KiB, seconds"
  /usr/bin/time -f '%M KiB peak, %e s' "$@" 2>&1 >/dev/null | tail -n 1
}
echo "tonewright-cli, WAV as is:        $(peak "$cli" -q -f wav -o "$work/a" "$work/long.wav")"
echo "ffmpeg, WAV as is:                $(peak ffmpeg -v error -y -i "$work/long.wav" -c:a pcm_s16le "$work/f1.wav")"
echo "tonewright-cli, 48 kHz mono:      $(peak "$cli" -q -f wav -o "$work/b" --set AutoDestWAVEncodingParam=0 \
  --set WAVSampleRate=48000 --set WAVChannelNum=1 "$work/long.wav")"
echo "ffmpeg, 48 kHz mono (soxr):       $(peak ffmpeg -v error -y -i "$work/long.wav" -af aresample=resampler=soxr \
  -ar 48000 -ac 1 -c:a pcm_s16le "$work/f2.wav")"
