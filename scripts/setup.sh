#!/usr/bin/env bash
# Installs every Debian package that building, running and testing Tonewright needs.
# Idempotent: when everything is present it prints nothing and returns at once.
set -euo pipefail

packages=(
  # toolchain and test framework
  build-essential cmake pkgconf ninja-build libgtest-dev clang libclang-rt-14-dev
  # Qt 6 (Widgets for the desktop program, Core for the settings store)
  qt6-base-dev qt6-base-dev-tools libgl-dev
  # translations: lupdate and lrelease for the build, Qt's own texts in other languages
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  # decoding: FFmpeg, Ogg Vorbis, tracker modules, MIDI, CD tracks, GSM 06.10
  libavformat-dev libavcodec-dev libavutil-dev libswresample-dev
  libogg-dev libvorbis-dev libopenmpt-dev libfluidsynth-dev timgm6mb-soundfont
  libcdio-dev libcdio-paranoia-dev libgsm1-dev
  # encoding, resampling and tags
  libmp3lame-dev libsoxr-dev libtag1-dev libopencore-amrnb-dev libopencore-amrwb-dev
  libvo-amrwbenc-dev libflac-dev libopus-dev libopusenc-dev
  # independent tools the tests use to make fixtures and check outputs
  ffmpeg sox libsox-fmt-all flac opus-tools
  # several tonewright-cli processes at once over one file list (--shard)
  parallel
  # a private session bus for the tests of desktop notifications
  dbus-daemon
  # a FUSE file system the tests serve themselves, whose reads fail part-way
  libfuse3-dev fuse3
  # a display server for looking at the desktop program, and screenshots of it
  xvfb xauth x11-apps imagemagick xdotool
  # the desktop's GTK theme (light or dark) for Qt programs, to look at the dark scheme
  qt6-gtk-platformtheme
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "setup: installing ${missing[*]}" >&2
sudo_cmd=()
[[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
