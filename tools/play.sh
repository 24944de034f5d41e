#!/usr/bin/env bash
# Sets everything up, builds the game and starts it on the built-in resource pack.
# bash tools/play.sh [vortane-host | fontwidth] starts the plug-in's host or the font-width
# editor instead, in the same game folder.
set -euo pipefail
cd "$(dirname "$0")/.."
program="${1:-Dovra}"
case "$program" in
  Dovra) targets=(Dovra respack) ;;
  vortane-host) targets=(vortane-host Vortane respack) ;;
  fontwidth) targets=(fontwidth respack) ;;
  *) echo "usage: bash tools/play.sh [vortane-host | fontwidth]" >&2; exit 2 ;;
esac
bash tools/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)" --target "${targets[@]}"
mkdir -p build/game
cd build/game
exec "../bin/$program"
