#!/usr/bin/env bash
# Configures and builds everything into ./build (or $BUILD_DIR); any further arguments go
# to CMake's configure step (-DLIGHTBOX_WARNINGS_AS_ERRORS=ON, say). Both editions land at
# build/Lumivex and build/Spekvale.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build "$build" --parallel "$(nproc)"
