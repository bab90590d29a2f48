#!/usr/bin/env bash
# Builds the program and runs it on the sample data shipped beside it. Without a display it runs
# under Xvfb for a few seconds and leaves screenshots of both windows instead.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build/app -G Ninja -DCMAKE_BUILD_TYPE=Release -DBRIVANTA_TESTS=OFF -DBRIVANTA_BENCH=OFF
cmake --build build/app -j "$(nproc)"
programma="$PWD/build/app/src/brivanta"

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$programma"
fi

cartella="${BRIVANTA_SCREENSHOTS:-$PWD/screenshots}"
echo "No display available: running Brivanta under Xvfb for a few seconds."
mkdir -p "$cartella"
xvfb-run -a -s "-screen 0 1920x1080x24" bash scripts/fotografa.sh "$programma" "$cartella"
echo "Screenshots of the console and the display are in: $cartella"
