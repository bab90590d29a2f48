#!/usr/bin/env bash
# Fuzzes every reader of outside text with libFuzzer (clang, AddressSanitizer, UBSan).
# Usage: scripts/fuzz.sh [seconds per target, default 120] [target ...]
# Each target starts from fuzz/corpus/<target>; new inputs go to build/fuzz/corpus/<target>,
# findings to build/fuzz/findings/<target>.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-120}"
shift || true
targets=("$@")
((${#targets[@]})) || targets=(match_file history roster languages colours http venue spreadsheet)
BRIVANTA_EXTRA="clang libclang-rt-14-dev" bash scripts/setup.sh
CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DBRIVANTA_FUZZ=ON -DBRIVANTA_TESTS=OFF -DBRIVANTA_BENCH=OFF
cmake --build build/fuzz -j "$(nproc)"
printf '%-14s %12s %10s %s\n' target executions seconds result
status=0
for target in "${targets[@]}"; do
  # Real files are a few kilobytes; longer inputs only slow the search down.
  case "$target" in
    match_file | languages | spreadsheet) max_length=6144 ;;
    *) max_length=2048 ;;
  esac
  corpus="build/fuzz/corpus/$target"
  findings="build/fuzz/findings/$target"
  mkdir -p "$corpus" "$findings"
  log="build/fuzz/$target.log"
  outcome=ok
  if ! "build/fuzz/fuzz/fuzz_$target" "$corpus" "fuzz/corpus/$target" \
      -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 -max_len="$max_length" \
      -artifact_prefix="$findings/" -print_final_stats=1 >"$log" 2>&1; then
    outcome="FINDING (see $findings and $log)"
    status=1
  fi
  executions="$(awk '/stat::number_of_executed_units/ {print $2}' "$log" | tail -1)"
  printf '%-14s %12s %10s %s\n' "$target" "${executions:-?}" "$seconds" "$outcome"
done
exit "$status"
