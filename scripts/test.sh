#!/usr/bin/env bash
# Builds and runs the whole test suite headless.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Release -DBRIVANTA_TESTS=ON -DBRIVANTA_BENCH=ON
cmake --build build/test -j "$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build/test --output-on-failure -j "$(nproc)" --timeout 300
