#!/usr/bin/env bash
# Configures and builds Tonewright. Programs land in build/bin/.
#   scripts/build.sh              Release build in build/
#   scripts/build.sh --sanitize   address + undefined-behaviour sanitizers, in build-asan/
#   scripts/build.sh --threads    tonewright-cli with the thread sanitizer, in build-tsan/
#                                 (the tests that run it come from the Release build)
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=build
options=(-DCMAKE_BUILD_TYPE=Release)
targets=()
case "${1:-}" in
  --sanitize)
    build_dir=build-asan
    options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DTONEWRIGHT_SANITIZE=ON) ;;
  --threads)
    build_dir=build-tsan
    options=(-DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS=-g1 -DTONEWRIGHT_TSAN=ON)
    targets=(--target tonewright-cli) ;;
esac

generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
if [[ ! -f "$build_dir/CMakeCache.txt" ]]; then
  cmake -S . -B "$build_dir" "${generator[@]}" "${options[@]}" >/dev/null
else
  cmake -S . -B "$build_dir" "${options[@]}" >/dev/null
fi
cmake --build "$build_dir" --parallel "$(nproc)" "${targets[@]}"
