#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs one for a bounded time.
# Usage: fuzz.sh TARGET [SECONDS]   e.g. fuzz.sh fuzz_formula 300
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
target=$1
seconds=${2:-60}
cd "$root"
scripts/install-deps.sh
scripts/build.sh fuzz
corpus=fuzz/corpus/$target
artifacts=fuzz/artifacts/$target/
mkdir -p "$corpus" "$artifacts"
options=(-max_total_time="$seconds" -artifact_prefix="$artifacts" -print_final_stats=1)
[ -f fuzz/"$target".dict ] && options+=(-dict=fuzz/"$target".dict)
# New inputs go to the first folder; committed seeds are read from the second.
seeds=()
[ -d fuzz/seeds/"$target" ] && seeds=(fuzz/seeds/"$target")
build/fuzz/fuzz/"$target" "${options[@]}" "$corpus" "${seeds[@]}"
