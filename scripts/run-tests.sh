#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice: once in a
# release build and once in a debug build with AddressSanitizer and
# UndefinedBehaviorSanitizer. Also checks that the core stays free of Qt and
# that every C++ file is formatted as .clang-format says.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

scripts/install-deps.sh

if grep -rn '#include <Q' src/core; then
  echo "src/core must not include Qt headers" >&2
  exit 1
fi
scripts/check-format.sh

# A decimal-comma locale, so the tests can show that numbers ignore the C locale.
mkdir -p build/locales
[ -d build/locales/de_DE.UTF-8 ] || localedef -i de_DE -f UTF-8 build/locales/de_DE.UTF-8
export LOCPATH=$root/build/locales

scripts/build.sh release
ctest --preset release -j"$(nproc)"

scripts/build.sh sanitize
ctest --preset sanitize -j"$(nproc)"
