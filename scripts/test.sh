#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
#   scripts/test.sh              the Release build
#   scripts/test.sh --sanitize   the same suite built with the address and
#                                undefined-behaviour sanitizers
#   scripts/test.sh --threads    the tests of rows converted at once, run against
#                                tonewright-cli built with the thread sanitizer
#   --long, with any of these    also the long runs (TONEWRIGHT_LONG_TESTS=1): the
#                                kill test kills 50 batches instead of a few
set -euo pipefail
cd "$(dirname "$0")/.."
other_args=()
for arg in "$@"; do
  if [[ "$arg" == "--long" ]]; then export TONEWRIGHT_LONG_TESTS=1; else other_args+=("$arg"); fi
done
set -- "${other_args[@]}"
scripts/setup.sh
[[ "${1:-}" == "--threads" ]] && scripts/build.sh
scripts/build.sh "$@"

build_dir=build
[[ "${1:-}" == "--sanitize" ]] && build_dir=build-asan
# Tests never touch the user's own settings or documents.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export XDG_CONFIG_HOME="$scratch/config" HOME="$scratch/home" QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp"
mkdir -p "$HOME"
if [[ "${1:-}" == "--threads" ]]; then
  export TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1:suppressions=$PWD/tests/tsan.supp"
  TONEWRIGHT_TEST_CLI=$PWD/build-tsan/bin/tonewright-cli build/bin/tonewright_tests \
    --gtest_filter='CliJobs*:*CliParallel*:*CliCancel*:Kill*:Temporaries*:*Commit*'
  exit
fi
ctest --test-dir "$build_dir" --output-on-failure --parallel "$(nproc)"
