#!/usr/bin/env bash
# Converts a long WAV file (default two hours of 44.1 kHz stereo) to WAV as it is, to WAV
# resampled to 48 kHz mono, to MP3 and to M4A, and prints the peak memory of each run next
# to the ffmpeg program doing the same; then two such files to MP3 with -j 1 and -j 2, whose
# difference is what one more job costs. Memory must stay flat however long the file is.
#   bench/long_file_memory.sh [SECONDS]   (TONEWRIGHT_CLI picks another build)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-7200}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config" HOME="$work/home"
mkdir -p "$HOME"
cli=${TONEWRIGHT_CLI:-build/bin/tonewright-cli}
[[ -x /usr/bin/time ]] || { echo "needs /usr/bin/time (package time)"; exit 1; }

sox -n -r 44100 -c 2 -b 16 "$work/long.wav" synth "$seconds" sine 440 sine 1000 vol 0.5
echo "source: $(du -h "$work/long.wav" | cut -f1), $seconds s"

peak() {  # command... -> "peak MiB, seconds"
  /usr/bin/time -f '%M %e' "$@" 2>&1 >/dev/null | tail -n 1 | awk '{printf "%.1f MiB peak, %s s", $1/1024, $2}'
}
mp3=(--set AutoDestMP3EncodingParam=0 --set MP3BitRate=128)
echo "tonewright-cli, WAV as is:        $(peak "$cli" -q -f wav -o "$work/a" "$work/long.wav")"
echo "ffmpeg, WAV as is:                $(peak ffmpeg -v error -y -i "$work/long.wav" -c:a pcm_s16le "$work/f1.wav")"
echo "tonewright-cli, 48 kHz mono:      $(peak "$cli" -q -f wav -o "$work/b" --set AutoDestWAVEncodingParam=0 \
  --set WAVSampleRate=48000 --set WAVChannelNum=1 "$work/long.wav")"
echo "ffmpeg, 48 kHz mono (soxr):       $(peak ffmpeg -v error -y -i "$work/long.wav" -af aresample=resampler=soxr \
  -ar 48000 -ac 1 -c:a pcm_s16le "$work/f2.wav")"
rm -rf "$work/a" "$work/b" "$work"/f*.wav
echo "tonewright-cli, MP3 128 kbps:     $(peak "$cli" -q -f mp3 -o "$work/c" "${mp3[@]}" "$work/long.wav")"
echo "ffmpeg, MP3 128 kbps:             $(peak ffmpeg -v error -y -i "$work/long.wav" -c:a libmp3lame -b:a 128k "$work/f3.mp3")"
echo "tonewright-cli, M4A 128 kbps:     $(peak "$cli" -q -f m4a -o "$work/d" --set AutoDestM4AEncodingParam=0 \
  --set M4AVBR=0 --set M4AABRBitRate=128 "$work/long.wav")"
echo "ffmpeg, M4A 128 kbps:             $(peak ffmpeg -v error -y -i "$work/long.wav" -c:a aac -b:a 128k "$work/f4.m4a")"
rm -rf "$work/c" "$work/d" "$work"/f*
ln "$work/long.wav" "$work/long2.wav"
echo "tonewright-cli, 2 files to MP3, -j 1: $(peak "$cli" -q -j 1 -f mp3 -o "$work/e" "${mp3[@]}" "$work/long.wav" "$work/long2.wav")"
rm -rf "$work/e"
echo "tonewright-cli, 2 files to MP3, -j 2: $(peak "$cli" -q -j 2 -f mp3 -o "$work/e" "${mp3[@]}" "$work/long.wav" "$work/long2.wav")"
