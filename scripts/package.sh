#!/usr/bin/env bash
# Builds the Debian package: build/package/brivanta_<version>_amd64.deb.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build/package -G Ninja -DCMAKE_BUILD_TYPE=Release -DBRIVANTA_TESTS=OFF -DBRIVANTA_BENCH=OFF
cmake --build build/package -j "$(nproc)"
(cd build/package && cpack -G DEB)
ls build/package/brivanta_*.deb
