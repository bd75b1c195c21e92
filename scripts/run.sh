#!/usr/bin/env bash
# Builds the program and starts the refraction edition, build/Lumivex.
# (The reflection edition is the same build started as build/Spekvale; CMake's runtime
# output directory puts both there.) Only the two editions are built: the tests and
# benchmarks are the test command's to build.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
BUILD_TARGETS="Lumivex Spekvale" "$root/scripts/build.sh"
exec "${BUILD_DIR:-$root/build}/Lumivex"
