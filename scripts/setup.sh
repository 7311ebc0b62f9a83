#!/usr/bin/env bash
# Installs the Debian packages the build needs, only those that are missing.
# Idempotent and quick when everything is present.
set -euo pipefail
packages=(
  cmake ninja-build g++ ccache pkg-config
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  libsqlite3-dev libcairo2-dev libpango1.0-dev fonts-dejavu-core
  python3 python3-xlrd
  # grid engine: Unicode case mapping and collation
  libicu-dev
  # fuzz build (scripts/fuzz.sh): clang with libFuzzer and the sanitizer runtimes
  clang libclang-rt-14-dev
  # The live front-end (docs/live.md) and its tests in a real X server.
  libgtk-3-dev xvfb xdotool x11-apps xclip
  libglpk-dev
  # printing: tests read the PDFs a print job writes (pdfinfo, pdftotext, pdftoppm)
  poppler-utils
  # grid engine: reading .xlsx and .ods, writing .xlsx
  liborcus-dev libxlsxwriter-dev
)
missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi
echo "setup: installing ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
if ! $SUDO apt-get install -y --no-install-recommends "${missing[@]}"; then
  $SUDO apt-get update
  $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi
