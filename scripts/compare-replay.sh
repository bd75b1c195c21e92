#!/usr/bin/env bash
# Tells whether this tree behaves as another commit does: builds tools/replay against both
# (the other one in a scratch worktree, handed this tree's replay tool and random user),
# plays the same seeded random users on both and names, for each edition and seed, the
# first step whose drawing calls (or pixels), handles or captions differ.
#
#   bash scripts/compare-replay.sh BASE [calls|pixels] [STEPS] [SEED...]
#
# Exits 1 when any sequence differs. Builds land in build-replay/ (this tree) and
# build-replay-base/ (BASE).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
base="${1:?usage: compare-replay.sh BASE [calls|pixels] [STEPS] [SEED...]}"
mode="${2:-calls}"
steps="${3:-4000}"
shift $(($# < 3 ? $# : 3))
seeds=("$@")
if [ ${#seeds[@]} -eq 0 ]; then
    seeds=(11 23 37 101 202)
fi

worktree="$(mktemp -d)"
cleanup() { git -C "$root" worktree remove --force "$worktree" >/dev/null 2>&1 || true; }
trap cleanup EXIT
git -C "$root" worktree add --detach "$worktree" "$base" >/dev/null
mkdir -p "$worktree/tools/replay/support"
cp "$root/tools/replay/replay.cpp" "$root/tools/replay/CMakeLists.txt" "$worktree/tools/replay/"
cp "$root/tests/support/random_user.h" "$worktree/tools/replay/support/"
if ! grep -q 'tools/replay' "$worktree/CMakeLists.txt"; then
    echo 'add_subdirectory(tools/replay)' >>"$worktree/CMakeLists.txt"
fi

build() {
    local source="$1" binary="$2"
    # The other commit's sources sit in a new scratch folder each time.
    if [ "$source" = "$worktree" ]; then
        rm -f "$binary/CMakeCache.txt"
    fi
    cmake -S "$source" -B "$binary" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DLIGHTBOX_BUILD_BENCHMARKS=OFF >/dev/null
    cmake --build "$binary" --target lightbox_replay --parallel "$(nproc)" >/dev/null
}
echo "compare-replay: building $base and this tree"
build "$worktree" "$root/build-replay-base"
build "$root" "$root/build-replay"

export QT_QPA_PLATFORM=offscreen
differ=0
for edition in Lumivex Spekvale; do
    for seed in "${seeds[@]}"; do
        old="$("$root/build-replay-base/lightbox_replay" "$edition" "$seed" "$steps" "$mode" 2>/dev/null)"
        new="$("$root/build-replay/lightbox_replay" "$edition" "$seed" "$steps" "$mode" 2>/dev/null)"
        first="$(diff <(echo "$old") <(echo "$new") | sed -n 's/^< //p' | head -n 1 || true)"
        if [ -z "$first" ]; then
            echo "$edition seed $seed: $steps steps the same"
        else
            differ=1
            echo "$edition seed $seed: first differs at step $(cut -f1 <<<"$first") ($(cut -f3 <<<"$first"))"
        fi
    done
done
exit "$differ"
