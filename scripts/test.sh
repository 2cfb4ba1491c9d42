#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
#   scripts/test.sh              the Release build
#   scripts/test.sh --sanitize   the same suite built with the address and
#                                undefined-behaviour sanitizers
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh "$@"

build_dir=build
[[ "${1:-}" == "--sanitize" ]] && build_dir=build-asan
# Tests never touch the user's own settings or documents.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export XDG_CONFIG_HOME="$scratch/config" HOME="$scratch/home" QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
mkdir -p "$HOME"
ctest --test-dir "$build_dir" --output-on-failure --parallel "$(nproc)"
