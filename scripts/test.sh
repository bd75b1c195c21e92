#!/usr/bin/env bash
# Builds the program with warnings as errors and runs the whole test suite headless (Qt's
# offscreen platform); checks the formatting and, where clang-tidy is installed, its checks
# (scripts/check-static.sh); then proves the README's run command (scripts/smoke-run.sh: both
# editions start and keep running); then runs the suite again in a build with
# AddressSanitizer and UndefinedBehaviorSanitizer, where the random-use test plays 100,000
# steps per edition.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" -DLIGHTBOX_WARNINGS_AS_ERRORS=ON
QT_QPA_PLATFORM=offscreen ctest --test-dir "${BUILD_DIR:-$root/build}" --output-on-failure \
    --parallel "$(nproc)"
"$root/scripts/check-static.sh"
"$root/scripts/smoke-run.sh"
"$root/scripts/test-sanitizers.sh"
