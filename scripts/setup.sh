#!/usr/bin/env bash
# Installs every Debian package that building, testing, fuzzing and benchmarking Dayvault needs.
# Does nothing when they are all present already.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  clang libclang-rt-14-dev            # libFuzzer and the sanitizer runtimes
  libicu-dev libssl-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev libgl-dev
  xvfb xauth                           # the desktop program under a virtual screen
  pandoc                               # an independent RTF reader for the rich-text tests
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
