#!/usr/bin/env bash
# The fast loop of development: builds the release tree and runs its tests,
# installing nothing. Arguments go to ctest, e.g. `scripts/dev.sh -R Formula`.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh release
ctest --preset release -j"$(nproc)" "$@"
