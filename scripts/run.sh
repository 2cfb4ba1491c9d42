#!/usr/bin/env bash
# Installs what is missing, builds, and starts the desktop program.
# With arguments, runs the command-line program instead: scripts/run.sh -f mp3 song.wav
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh >/dev/null
if [[ $# -gt 0 ]]; then
  exec build/bin/tonewright-cli "$@"
fi
exec build/bin/tonewright
