#!/usr/bin/env bash
# The habits the compiler does not hold: every source file formatted as .clang-format says,
# and, where clang-tidy is installed, the checks of .clang-tidy clean over the program's
# sources (it reads build/compile_commands.json, so it runs after a build). Exits 1 on any
# finding, naming the files.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
cd "$root"

mapfile -t sources < <(git ls-files 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' \
    'benchmarks/*.cpp' 'benchmarks/*.h' 'tools/*.cpp' 'tools/*.h')
unformatted=()
for file in "${sources[@]}"; do
    if ! clang-format --dry-run --Werror "$file" >/dev/null 2>&1; then
        unformatted+=("$file")
    fi
done
if [ ${#unformatted[@]} -gt 0 ]; then
    echo "FAILED: not formatted as .clang-format says (run clang-format -i on them):"
    printf '  %s\n' "${unformatted[@]}"
    exit 1
fi
echo "clang-format: ${#sources[@]} files formatted"

if ! command -v clang-tidy >/dev/null; then
    echo "clang-tidy is not installed: its checks are skipped"
    exit 0
fi
mapfile -t programs < <(git ls-files 'src/*.cpp')
log="$(mktemp)"
trap 'rm -f "$log"' EXIT
if ! printf '%s\n' "${programs[@]}" |
    xargs -P "$(nproc)" -n 4 clang-tidy -p "$build" --quiet >"$log" 2>&1; then
    grep -E 'warning:|error:' "$log" | sort -u | head -50
    echo "FAILED: clang-tidy found the above in src/"
    exit 1
fi
echo "clang-tidy: ${#programs[@]} files clean"
