#!/usr/bin/env bash
# Builds the program and starts the refraction edition, build/Lumivex.
# (The reflection edition is the same build started as build/Spekvale; CMake's runtime
# output directory puts both there.) Only the two editions are built: the tests and
# benchmarks are the test command's to build.
#
# A first build takes minutes, so each step says in one line what it is doing; what the
# installer and the compiler print goes to build/run.log, whose last lines are shown when a
# step fails.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
mkdir -p "$build"
log="$build/run.log"
: >"$log"

# step WHAT NOTE COMMAND...: says WHAT (and NOTE), runs COMMAND with its output in the
# log, and stops with the log's last lines when COMMAND fails.
step() {
    local what="$1" note="$2"
    shift 2
    echo "run: $what$note"
    if ! "$@" >>"$log" 2>&1; then
        echo "run: FAILED while ${what,}. The last lines of $log:" >&2
        tail -n 25 "$log" | sed 's/^/    /' >&2
        exit 1
    fi
}

# A first build of the two editions took about 20 minutes of one core's time on the
# development machines; a later build compiles only what changed.
first_build_minutes() {
    local cores
    cores="$(nproc)"
    echo $(((20 + cores - 1) / cores))
}

step "Checking the Debian packages it needs" \
    " (installing what is missing, with sudo when not root)" "$root/scripts/install-deps.sh"
if [ -x "$build/Lumivex" ] && [ -x "$build/Spekvale" ]; then
    note=": only what changed, usually seconds"
else
    note=" for the first time: about $(first_build_minutes) minutes with $(nproc) cores (to follow it: tail -f $log)"
fi
step "Building Lumivex and Spekvale" "$note" \
    env BUILD_TARGETS="Lumivex Spekvale" "$root/scripts/build.sh"
echo "run: Starting $build/Lumivex (the reflection edition is $build/Spekvale)"
exec "$build/Lumivex"
