#!/usr/bin/env bash
# Installs every Debian 12 package that building, testing and the resource pack need.
# Safe to run again: packages already present are left alone.
set -euo pipefail

PACKAGES=(
  build-essential cmake pkg-config git
  libsdl2-dev libepoxy-dev libegl-dev libgl1-mesa-dri libegl-mesa0 mesa-utils-bin
  libode-dev libopenal-dev libopenal1 libvorbis-dev libassimp-dev libstb-dev
  libxerces-c-dev libpython3.11-dev python3 liblzma-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  python3-pil python3-numpy fonts-dejavu-core vorbis-tools espeak-ng 7zip
  xdg-utils
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "setup: every package is installed"
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
echo "setup: installing ${missing[*]}"
$SUDO apt-get update
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
