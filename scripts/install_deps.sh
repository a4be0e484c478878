#!/usr/bin/env bash
# Installs the Debian packages that building and testing need and that this
# machine lacks. Quiet and quick when everything is present.
set -euo pipefail

packages=(
  cmake g++ clang clang-format make
  libgtest-dev libgmock-dev googletest libbenchmark-dev libclang-rt-14-dev
  g++-mingw-w64-x86-64-posix
  wine wine64 xvfb x11-utils xdotool xclip imagemagick python3 unzip fonts-dejavu-core
  pandoc chromium
)

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
