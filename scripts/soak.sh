#!/usr/bin/env bash
# The long soak: 20,000 random operator actions on the whole program (or as many as asked),
# every one checked. Usage: scripts/soak.sh [actions] [seed]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Release -DBRIVANTA_TESTS=ON -DBRIVANTA_BENCH=ON
cmake --build build/test -j "$(nproc)" --target soak_brivanta
QT_QPA_PLATFORM=offscreen build/test/tests/soak_brivanta "${1:-20000}" "${2:-1}" 2> >(grep -v 'does not support raise' >&2)
