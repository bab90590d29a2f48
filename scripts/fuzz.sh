#!/usr/bin/env bash
# Fuzzes every reader of outside text with libFuzzer (clang, AddressSanitizer, UBSan).
# Usage: scripts/fuzz.sh [seconds per target, default 120] [target ...]
# Each target starts from fuzz/corpus/<target>; new inputs go to build/fuzz/corpus/<target>,
# findings to build/fuzz/findings/<target>.
set -euo pipefail
cd "$(dirname "$0")/.."
secondi="${1:-120}"
shift || true
bersagli=("$@")
((${#bersagli[@]})) || bersagli=(match_file history roster languages colours http venue)
BRIVANTA_EXTRA="clang libclang-rt-14-dev" bash scripts/setup.sh
CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DBRIVANTA_FUZZ=ON -DBRIVANTA_TESTS=OFF -DBRIVANTA_BENCH=OFF
cmake --build build/fuzz -j "$(nproc)"
printf '%-14s %12s %10s %s\n' target executions seconds result
stato=0
for bersaglio in "${bersagli[@]}"; do
  # Real files are a few kilobytes; longer inputs only slow the search down.
  case "$bersaglio" in
    match_file | languages) lunghezza=6144 ;;
    *) lunghezza=2048 ;;
  esac
  corpus="build/fuzz/corpus/$bersaglio"
  reperti="build/fuzz/findings/$bersaglio"
  mkdir -p "$corpus" "$reperti"
  registro="build/fuzz/$bersaglio.log"
  esito=ok
  if ! "build/fuzz/fuzz/fuzz_$bersaglio" "$corpus" "fuzz/corpus/$bersaglio" \
      -max_total_time="$secondi" -timeout=5 -rss_limit_mb=2048 -max_len="$lunghezza" \
      -artifact_prefix="$reperti/" -print_final_stats=1 >"$registro" 2>&1; then
    esito="FINDING (see $reperti and $registro)"
    stato=1
  fi
  esecuzioni="$(awk '/stat::number_of_executed_units/ {print $2}' "$registro" | tail -1)"
  printf '%-14s %12s %10s %s\n' "$bersaglio" "${esecuzioni:-?}" "$secondi" "$esito"
done
exit "$stato"
