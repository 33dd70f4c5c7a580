#!/usr/bin/env bash
# Installs the Debian packages Solvara needs to build, test, benchmark and fuzz.
# Only what is missing is installed; sudo is used when not running as root.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  libcli11-dev nlohmann-json3-dev libssl-dev
  clang libclang-rt-dev clang-format
  locales
  # Desktop application: Qt 6 Widgets, print support and SVG; qt6-qpa-plugins
  # carries the offscreen platform the GUI tests run on, Liberation Sans is the
  # metric match of the "Arial" the drawings ask for, poppler-utils turns
  # exported PDFs into images for a look.
  qt6-base-dev qt6-svg-dev qt6-qpa-plugins fontconfig fonts-liberation poppler-utils
  # Checks the desktop entry and updates the per-user application database.
  desktop-file-utils
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
