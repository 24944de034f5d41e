#!/usr/bin/env bash
# Sets everything up, builds the game and starts it on the built-in resource pack.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)" --target Dovra respack
mkdir -p build/game
cd build/game
exec ../bin/Dovra
