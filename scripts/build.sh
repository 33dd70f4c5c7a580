#!/usr/bin/env bash
# Configures and builds one preset of CMakePresets.json.
# Usage: build.sh PRESET [cmake options...]   e.g. build.sh release
set -euo pipefail
cd "$(dirname "$0")/.."
preset=$1; shift
cmake --preset "$preset" "$@" >/dev/null
cmake --build --preset "$preset" -- -j"$(nproc)"
