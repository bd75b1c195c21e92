#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer (a debug build,
# so assertions are on too) into ./build-sanitize and runs the whole test suite there,
# with the random-use test playing 100,000 steps per edition. Any report fails the run.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${SANITIZE_BUILD_DIR:-$root/build-sanitize}"
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DLIGHTBOX_SANITIZE=ON \
    -DLIGHTBOX_BUILD_BENCHMARKS=OFF -DLIGHTBOX_WARNINGS_AS_ERRORS=ON
cmake --build "$build" --parallel "$(nproc)"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LIGHTBOX_RANDOM_USE_SEED="${LIGHTBOX_RANDOM_USE_SEED:-20261208}"
export LIGHTBOX_RANDOM_USE_STEPS="${LIGHTBOX_RANDOM_USE_STEPS:-100000}"
ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)"
