#!/usr/bin/env bash
# Builds Brivanta, runs it under Xvfb at 1920 x 1080 on the sample data with the display
# filling the screen, plays a few points from the console and photographs both windows.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build/app -G Ninja -DCMAKE_BUILD_TYPE=Release -DBRIVANTA_TESTS=OFF -DBRIVANTA_BENCH=OFF
cmake --build build/app -j "$(nproc)"
cartella="${1:-$PWD/screenshots}"
mkdir -p "$cartella"
xvfb-run -a -s "-screen 0 1920x1080x24" bash scripts/gioca_e_fotografa.sh "$PWD/build/app/src/brivanta" "$cartella"
echo "Screenshots in: $cartella"
