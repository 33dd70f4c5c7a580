#!/usr/bin/env bash
# Installs what is missing, builds the desktop program and opens it; arguments are passed on
# (files to open). Without a display it says so and shows what solvara-cli computes instead.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build build/release --target solvara solvara-cli -- -j"$(nproc)"
if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ]]; then
  exec build/release/src/gui/solvara "$@"
fi
echo "There is no display here (DISPLAY and WAYLAND_DISPLAY are unset), so the desktop program"
echo "build/release/src/gui/solvara cannot open. This is what solvara-cli computes instead:"
cli=build/release/src/cli/solvara-cli
set -x
"$cli" buffer --buffer "phosphate buffer 7.2" --ph 7.4 --concentration 0.1 --volume 1
"$cli" ph --reagent "acetic acid:0.1"
"$cli" formula "2Na^+,HPO_4^{2-}"
