#!/usr/bin/env bash
# Installs, with apt, only the packages that are missing. Safe to run again.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config git
  qt6-base-dev librtmidi-dev
  libfluidsynth-dev timgm6mb-soundfont
  libgtest-dev libgmock-dev libbenchmark-dev
  jackd2
  clang libclang-rt-14-dev
  xvfb xauth fonts-dejavu-core
  dpkg-dev help2man librsvg2-bin desktop-file-utils appstream
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
