#!/usr/bin/env bash
# Configures and builds into ./build (or $BUILD_DIR); any further arguments go to CMake's
# configure step (-DLIGHTBOX_WARNINGS_AS_ERRORS=ON, say). Builds everything, or only the
# targets named in $BUILD_TARGETS (space-separated). Both editions land at build/Lumivex and
# build/Spekvale.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
read -r -a targets <<<"${BUILD_TARGETS:-}"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
if [ ${#targets[@]} -eq 0 ]; then
    cmake --build "$build" --parallel "$(nproc)"
else
    cmake --build "$build" --parallel "$(nproc)" --target "${targets[@]}"
fi
