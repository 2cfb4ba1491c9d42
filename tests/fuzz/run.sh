#!/bin/sh
# Fuzzes Tonewright's own readers (WAV, AIFF, AU) and the list's header probes: builds the libFuzzer targets with clang
# and the address and undefined-behaviour sanitizers in a build folder of their own, makes a
# seed corpus (small files of every kind written by sox and ffmpeg, and byte-built ones),
# then runs each target in turn, one process at a time, for the given time.
#
#   tests/fuzz/run.sh [SECONDS] [TARGET...]     SECONDS per target (default 60);
#                                               TARGETs among wav aiff au headers
#                                               (default all)
#
# Build folder: $FUZZ_BUILD_DIR (default build-fuzz/). Seeds, the growing corpus, logs and
# findings go below $FUZZ_WORK_DIR (default build-fuzz/fuzz-work/). A finding is saved as
# findings/TARGET-crash-*, -leak-*, -timeout-* or -oom-*; replay it with
#   build-fuzz/bin/fuzz_TARGET FILE
# The script exits with 1 when any target found something.
set -eu

root=$(cd "$(dirname "$0")/../.." && pwd)
build=${FUZZ_BUILD_DIR:-$root/build-fuzz}
work=${FUZZ_WORK_DIR:-$build/fuzz-work}
seconds=${1:-60}
[ $# -gt 0 ] && shift
targets=${*:-wav aiff au headers}

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTONEWRIGHT_FUZZ=ON -DTONEWRIGHT_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j2 --target fuzz_wav fuzz_aiff fuzz_au fuzz_headers make_fuzz_seeds

seeds=$work/seeds
rm -rf "$seeds"
mkdir -p "$seeds/wav" "$seeds/aiff" "$seeds/au" "$seeds/headers" "$work/findings"

# Short tones (a fraction of a second) keep every seed small.
stereo="aevalsrc=0.7*sin(2*PI*440*t)|0.5*sin(2*PI*1000*t):s=22050:d=0.05"
mono="aevalsrc=0.7*sin(2*PI*440*t):s=8000:d=0.15"
six="aevalsrc=0.7*sin(2*PI*440*t)|0.1|0.2|0.5*sin(2*PI*1000*t)|0.3|0.4:s=22050:d=0.02"
ffs() { src=$1; out=$2; shift 2; ffmpeg -v error -y -f lavfi -i "$src" "$@" "$out"; }

for codec in pcm_u8 pcm_s16le pcm_s24le pcm_s32le pcm_f32le pcm_f64le pcm_alaw pcm_mulaw adpcm_ms adpcm_ima_wav; do
    ffs "$stereo" "$seeds/wav/$codec.wav" -c:a "$codec"
done
ffs "$mono" "$seeds/wav/gsm.wav" -c:a libgsm_ms
ffs "$six" "$seeds/wav/six.wav" -c:a pcm_s16le
for encoding in ms-adpcm ima-adpcm gsm-full-rate; do
    sox -n -r 8000 -c 1 -e "$encoding" "$seeds/wav/sox-$encoding.wav" synth 0.1 sine 440
done
sox -n -r 8000 -c 2 -e floating-point -b 32 -t wavpcm "$seeds/wav/sox-float.wav" synth 0.05 sine 440 sine 1000

for codec in pcm_s8 pcm_s16be pcm_s24be pcm_s32be; do
    ffs "$stereo" "$seeds/aiff/$codec.aiff" -c:a "$codec"
done
for codec in pcm_s16le pcm_f32be pcm_f64be pcm_alaw pcm_mulaw pcm_u8 adpcm_ima_qt; do
    ffs "$stereo" "$seeds/aiff/$codec.aifc" -c:a "$codec"
done
ffs "$mono" "$seeds/aiff/ima4-mono.aifc" -c:a adpcm_ima_qt
ffs "$six" "$seeds/aiff/six.aiff" -c:a pcm_s16be
sox -n -r 8000 -c 2 -b 16 -t aifc "$seeds/aiff/sox-none.aifc" synth 0.05 sine 440 sine 1000
sox -n -r 8000 -c 1 -e ima-adpcm -t sndfile "$seeds/aiff/sndfile-ima4.aiff" synth 0.1 sine 440

for args in "-e u-law" "-e a-law" "-e signed -b 8" "-e signed -b 16" "-e signed -b 24" "-e signed -b 32" \
    "-e floating-point -b 32" "-e floating-point -b 64" "-e signed -b 16 -L" "-e floating-point -b 64 -L"; do
    name=$(echo "$args" | tr -d ' -')
    # shellcheck disable=SC2086
    sox -n -r 8000 -c 2 $args -t au "$seeds/au/sox-$name.au" synth 0.05 sine 440 sine 1000
done
ffs "$mono" "$seeds/au/g721.au" -c:a g726le -b:a 32k

# The header probes start from the WAV seeds and a few MP3 and FLAC files.
cp "$seeds"/wav/*.wav "$seeds/headers/"
ffs "$stereo" "$seeds/headers/cbr.mp3" -c:a libmp3lame -b:a 64k
ffs "$mono" "$seeds/headers/vbr.mp3" -c:a libmp3lame -q:a 4 -metadata title=T
ffs "$stereo" "$seeds/headers/tagged.flac" -metadata title=T

ffs "$mono" "$work/frames.gsm" -c:a libgsm -f gsm
"$build/bin/make_fuzz_seeds" "$seeds/aiff" "$seeds/au" "$work/frames.gsm"

found=0
for target in $targets; do
    corpus=$work/corpus/$target
    logs=$work/logs/$target
    mkdir -p "$corpus" "$logs"
    echo "== fuzz_$target for $seconds s (log: $logs/fuzz-0.log)"
    # One worker in one job: the machine is shared. libFuzzer then writes the run's output
    # to fuzz-0.log in the current folder.
    (cd "$logs" && "$build/bin/fuzz_$target" -workers=1 -jobs=1 -max_total_time="$seconds" -max_len=65536 \
        -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$work/findings/$target-" \
        "$corpus" "$seeds/$target") || true
    grep -E "^#[0-9]+.*(DONE|cov:)" "$logs/fuzz-0.log" | tail -1 || true
    grep -E "^stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb)" "$logs/fuzz-0.log" || true
    if ls "$work/findings/$target-"* >/dev/null 2>&1; then
        echo "fuzz_$target found something:"
        ls "$work/findings/$target-"*
        found=1
    fi
done
exit $found
