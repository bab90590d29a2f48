#!/usr/bin/env bash
# Renders the application icon (packaging/brivanta.svg) at the hicolor sizes the package ships.
# Run again after editing the drawing; the PNGs are committed.
set -euo pipefail
cd "$(dirname "$0")/.."
BRIVANTA_EXTRA="librsvg2-bin" bash scripts/setup.sh
for side in 16 24 32 48 64 128 256 512; do
  mkdir -p "packaging/icons/${side}x${side}"
  rsvg-convert -w "$side" -h "$side" packaging/brivanta.svg -o "packaging/icons/${side}x${side}/brivanta.png"
done
