#!/usr/bin/env bash
# Builds Brivanta, runs it under Xvfb at 1920 x 1080 on the sample data with the display
# filling the screen, plays a few points from the console and photographs both windows.
# With --set it takes the review set instead: the display at 1280 x 720, 1920 x 1080 and
# 3840 x 2160 with the band on and off, after a presentation and Zoom All there and back,
# with a dark colour scheme stored before the start; and every window at 1366 x 768.
# With --match-day it plays a match in each of the five languages at 1366 x 768 and
# 1920 x 1080 and photographs both windows at set point, a timeout, a set's end, match
# point and the end.
set -euo pipefail
cd "$(dirname "$0")/.."
review=0
if [ "${1:-}" = "--set" ]; then
  review=1
  shift
elif [ "${1:-}" = "--match-day" ]; then
  review=2
  shift
fi
bash scripts/setup.sh
cmake -S . -B build/app -G Ninja -DCMAKE_BUILD_TYPE=Release -DBRIVANTA_TESTS=OFF -DBRIVANTA_BENCH=OFF
cmake --build build/app -j "$(nproc)"
folder="${1:-$PWD/screenshots}"
mkdir -p "$folder"
program="$PWD/build/app/src/brivanta"
if [ "$review" = 2 ]; then
  for screen in 1366x768 1920x1080; do
    for language in ITA ENG FRA DEU ESP; do
      xvfb-run -a -s "-screen 0 ${screen}x24" \
        bash scripts/match_day_screenshots.sh "$program" "$folder" "${screen}_$language" "$language"
    done
  done
elif [ "$review" = 1 ]; then
  for screen in 1280x720 1920x1080 3840x2160; do
    for band in 1 0; do
      xvfb-run -a -s "-screen 0 ${screen}x24" \
        bash scripts/review_screenshots.sh "$program" "$folder" "$screen" "$band"
    done
  done
  xvfb-run -a -s "-screen 0 1366x768x24" \
    bash scripts/review_screenshots.sh "$program" "$folder" 1366x768 windows
else
  xvfb-run -a -s "-screen 0 1920x1080x24" bash scripts/play_and_screenshot.sh "$program" "$folder"
fi
echo "Screenshots in: $folder"
