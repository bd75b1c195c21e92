#!/usr/bin/env bash
# Proves that the README's run command starts the program: starts `scripts/run.sh` headless
# (Qt's offscreen platform) and checks that Lumivex is still running a few seconds after it
# came up, then does the same for build/Spekvale, and for Lumivex handed Qt's own options,
# which the program must not take. Each start is ended again, with everything it started.
# A start that fails, crashes or ends early fails this script and says which one.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
# How long a started program must stay up, and how long run.sh may take to install and
# build before the program is up.
stay_seconds="${SMOKE_STAY_SECONDS:-3}"
start_seconds="${SMOKE_START_SECONDS:-900}"

export QT_QPA_PLATFORM=offscreen
log="$(mktemp)"
group=""

end_group() {
    if [ -n "$group" ]; then
        kill -TERM -- "-$group" 2>/dev/null || true
        for _ in $(seq 50); do
            kill -0 -- "-$group" 2>/dev/null || break
            sleep 0.1
        done
        kill -KILL -- "-$group" 2>/dev/null || true
        wait "$group" 2>/dev/null || true
        group=""
    fi
}
trap 'end_group; rm -f "$log"' EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# Whether a process named $2 runs in process group $1 (run.sh execs the program, but a
# script that started it as a child would do as well).
program_in_group() {
    local pid
    for pid in $(pgrep -g "$1" -x "$2"); do
        # A program that has just ended lingers as a zombie until it is reaped.
        if [ "$(ps -o stat= -p "$pid" 2>/dev/null | cut -c1)" != Z ]; then
            return 0
        fi
    done
    return 1
}

# How a process that has gone ended, from its exit status.
ending() {
    local status="$1"
    if [ "$status" -gt 128 ]; then
        echo "was killed by signal SIG$(kill -l $((status - 128)) 2>/dev/null || echo $((status - 128)))"
    else
        echo "exited with status $status"
    fi
}

fail() {
    local what="$1" reason="$2"
    echo "smoke-run: FAILED: $what $reason." >&2
    if [ -s "$log" ]; then
        echo "smoke-run: its last output:" >&2
        tail -n 15 "$log" | sed 's/^/    /' >&2
    fi
    exit 1
}

# check WHAT PROGRAM COMMAND...: starts COMMAND in a process group of its own and expects
# PROGRAM to come up in it and stay up for $stay_seconds.
check() {
    local what="$1" program="$2"
    shift 2
    : >"$log"
    echo "smoke-run: starting $what"
    # setsid makes the command the leader of a new process group, so the group's id is its
    # process id and ending the group ends whatever it started.
    setsid "$@" >"$log" 2>&1 </dev/null &
    group=$!

    local waited=0
    until program_in_group "$group" "$program"; do
        if ! kill -0 "$group" 2>/dev/null; then
            local status=0
            wait "$group" || status=$?
            group=""
            fail "$what" "$(ending "$status") before $program was running"
        fi
        if [ "$waited" -ge $((start_seconds * 10)) ]; then
            fail "$what" "did not bring up $program within $start_seconds s"
        fi
        sleep 0.1
        waited=$((waited + 1))
    done

    sleep "$stay_seconds"
    if ! program_in_group "$group" "$program"; then
        local status=0
        if ! kill -0 "$group" 2>/dev/null; then
            wait "$group" || status=$?
            group=""
            fail "$what" "started $program, which $(ending "$status") within $stay_seconds s"
        fi
        fail "$what" "started $program, which ended within $stay_seconds s"
    fi
    end_group
    echo "smoke-run: ok: $what: $program still running after $stay_seconds s"
}

require_executable() {
    if [ ! -x "$1" ]; then
        fail "$2" "cannot start: there is no executable at $1"
    fi
}

check "the run command (bash scripts/run.sh)" Lumivex bash "$root/scripts/run.sh"

require_executable "$build/Spekvale" "the Spekvale edition"
check "the Spekvale edition ($build/Spekvale)" Spekvale "$build/Spekvale"

# Honoured, -platform would make Qt give up for want of such a platform, and -stylesheet
# would read a file.
require_executable "$build/Lumivex" "Lumivex with Qt's options"
check "Lumivex with Qt's options (-platform, -stylesheet, -qwindowtitle)" Lumivex \
    "$build/Lumivex" -platform no-such-platform -stylesheet "$root/no-such-file.qss" \
    -qwindowtitle Renamed
