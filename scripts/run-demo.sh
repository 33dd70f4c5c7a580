#!/usr/bin/env bash
# Installs what is missing, builds the program and shows what it can do.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/install-deps.sh
scripts/build.sh release
cli=build/release/src/cli/solvara-cli
set -x
"$cli" formula "2Na^+,HPO_4^{2-}"
"$cli" formula "C_{10}H_{16}N_2O_8" --json
