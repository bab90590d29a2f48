#!/usr/bin/env bash
# Builds the program and runs it on the sample data shipped beside it. Without a display it runs
# under Xvfb for a few seconds, plays a few points and leaves screenshots of both windows.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build/app -G Ninja -DCMAKE_BUILD_TYPE=Release -DBRIVANTA_TESTS=OFF -DBRIVANTA_BENCH=OFF
cmake --build build/app -j "$(nproc)"
program="$PWD/build/app/src/brivanta"

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$program"
fi

echo "No display available: running Brivanta under Xvfb for a few seconds instead."
exec bash scripts/screenshots.sh "${BRIVANTA_SCREENSHOTS:-$PWD/screenshots}"
