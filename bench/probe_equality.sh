#!/usr/bin/env bash
# Checks that this build's tonewright-cli lists the same properties as another build (an
# earlier one, to compare with): makes a corpus of every input family with the ffmpeg and
# sox programs (plain files, tagged ones, odd layouts, damaged ones), runs `--info` over it
# with both programs and compares their output byte for byte.
#   bench/probe_equality.sh OTHER_CLI     (TONEWRIGHT_CLI picks this build)
set -euo pipefail
cd "$(dirname "$0")/.."
other=${1:?"usage: bench/probe_equality.sh OTHER_CLI"}
cli=${TONEWRIGHT_CLI:-build/bin/tonewright-cli}
work=$(mktemp -d /tmp/probe-equality.XXXXXX)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config" HOME="$work/home"
mkdir -p "$HOME" "$work/c"
c=$work/c

ff() { out=$1; shift; ffmpeg -v error -y "$@" "$c/$out"; }
tone() {  # seconds -> ffmpeg inputs of a two-tone stereo signal
  echo "-f lavfi -i sine=frequency=440:duration=$1 -f lavfi -i sine=frequency=1000:duration=$1" \
    "-filter_complex amerge=inputs=2"
}
for seconds in 0.4 2.3 61.5; do
  t=$(tone "$seconds")
  for codec in pcm_s16le pcm_u8 pcm_s24le pcm_f32le adpcm_ms adpcm_ima_wav pcm_mulaw pcm_alaw; do
    ff "$codec-$seconds.wav" $t -c:a "$codec"
  done
  ff "tagged-$seconds.wav" $t -metadata title=Tone -metadata artist=Me
  ff "six-$seconds.wav" -f lavfi -i "sine=duration=$seconds" -ac 6
  ff "rate8k-$seconds.wav" $t -ar 8000
  n=0
  for args in "-b:a 128k" "-q:a 2" "-b:a 64k -ac 1 -ar 22050" "-b:a 32k -ar 8000" "-b:a 128k -write_xing 0" \
              "-b:a 320k -joint_stereo 0" "-b:a 128k -id3v2_version 0 -write_id3v1 1"; do
    n=$((n + 1))
    ff "mp3-$n-$seconds.mp3" $t -c:a libmp3lame $args
  done
  ff "mp2-$seconds.mp3" $t -c:a mp2 -f mp2
  ff "flac-$seconds.flac" $t -metadata title=Tone
  ff "flac6-$seconds.flac" -f lavfi -i "sine=duration=$seconds" -ac 6
  ff "flac24-$seconds.flac" $t -sample_fmt s32 -ar 96000
  ff "vorbis-$seconds.ogg" $t -c:a libvorbis
  ff "opus-$seconds.opus" $t -c:a libopus
  ff "aac-$seconds.m4a" $t -c:a aac
  ff "alac-$seconds.m4a" $t -c:a alac
  ff "adts-$seconds.aac" $t -c:a aac
  ff "wma-$seconds.wma" $t -c:a wmav2
  ff "wv-$seconds.wv" $t
  ff "tta-$seconds.tta" $t
  ff "speex-$seconds.spx" -f lavfi -i "sine=duration=$seconds" -ar 16000 -c:a libspeex
  ff "ac3-$seconds.ac3" $t
  ff "aiff-$seconds.aiff" $t
  ff "au-$seconds.au" $t
  ff "video-$seconds.mp4" -f lavfi -i "testsrc=size=64x48:rate=5:duration=$seconds" $t -c:a aac -shortest
  sox -n -r 11025 -c 1 -b 8 "$c/sox8-$seconds.wav" synth "$seconds" sine 440
  sox -n -r 8000 -c 2 -b 16 -t aifc "$c/sox-$seconds.aifc" synth "$seconds" sine 440 sine 1000
done
# Odd and damaged files: cut short, junk before the audio, a big tag, an ID3v1 after a
# WAV, a misnamed file, an empty one.
cp "$c/pcm_s16le-2.3.wav" "$c/cut.wav" && truncate -s 100000 "$c/cut.wav"
cp "$c/mp3-1-2.3.mp3" "$c/cut.mp3" && truncate -s 20000 "$c/cut.mp3"
cp "$c/flac-2.3.flac" "$c/cut.flac" && truncate -s 30000 "$c/cut.flac"
{ printf 'junkjunk'; cat "$c/mp3-1-2.3.mp3"; } > "$c/junk.mp3"
{ printf 'ID3\3\0\0\0\4\0\0'; head -c 65536 /dev/zero; cat "$c/mp3-7-2.3.mp3"; } \
  > "$c/bigtag.mp3"
{ cat "$c/pcm_s16le-2.3.wav"; printf 'TAG%125s' x; } > "$c/id3v1.wav"
cp "$c/flac-2.3.flac" "$c/flac-named.mp3"
cp "$c/pcm_s16le-2.3.wav" "$c/wav-named.flac"
cp "$c/mp3-1-2.3.mp3" "$c/mp3-named.wav"
: > "$c/empty.wav"
: > "$c/empty.mp3"

files=("$c"/*)
"$other" --info "${files[@]}" > "$work/other.txt" || true
"$cli" --info "${files[@]}" > "$work/this.txt" || true
if cmp -s "$work/other.txt" "$work/this.txt"; then
  echo "same --info output for ${#files[@]} files"
else
  diff "$work/other.txt" "$work/this.txt"
  exit 1
fi
