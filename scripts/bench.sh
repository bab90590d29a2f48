#!/usr/bin/env bash
# Builds in release mode, runs every benchmark of bench/ and prints one table: each figure,
# its target and whether it meets it.
set -euo pipefail
cd "$(dirname "$0")/.."
BRIVANTA_EXTRA="python3" bash scripts/setup.sh
# The benchmarks use the tests' platform doubles.
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DBRIVANTA_TESTS=ON -DBRIVANTA_BENCH=ON
programs=()
for source in bench/bench_*.cpp; do programs+=("$(basename "$source" .cpp)"); done
cmake --build build/bench -j "$(nproc)" --target "${programs[@]}"
export QT_QPA_PLATFORM=offscreen
for name in "${programs[@]}"; do
  program="build/bench/bench/$name"
  echo "Running $name" >&2
  "$program" --benchmark_format=json --benchmark_out="$program.json" \
    --benchmark_out_format=json >/dev/null 2>&1
done
python3 - build/bench/bench/bench_*.json <<'PY'
import json, sys

# (benchmark name prefix, counter, target, unit, what it measures)
TARGETS = [
    ("BM_ClickPoint/", "p99_us", 1000, "us", "score click, whole handler, 250-line history"),
    ("BM_ClickPointOnSlowDisk", "p99_us", 1000, "us", "score click, emergency copy's sync takes 50 ms"),
    ("BM_ClickPointDrawn", "p99_us", None, "us", "score click with both windows repainted"),
    ("BM_DisplayPreview", "p50_ms", 4, "ms", "live preview tick, 1920 x 1080"),
    ("BM_PointWithLargePhoto", "p99_ms", 16, "ms", "click with a 4000 x 3000 scorer photo"),
    ("BM_LargeSponsorRotation", "p99_ms", 8, "ms", "sponsor rotation step, 4000 x 3000"),
    ("BM_ChooseLargeTeam", "p99_ms", 50, "ms", "team choice, 100 rows and photos"),
    ("BM_TickPresentation", "p50_ms", 1, "ms", "presentation tick while moving"),
    ("BM_PresentationEnlargedPhoto", "p50_ms", 1, "ms", "held tick of a 4000 x 3000 photo, steps prepared off the UI thread"),
    ("BM_DecodeHostile", "p99_ms", 100, "ms", "hostile picture decoded unprepared"),
    ("BM_HostileSponsorManager", "p99_ms", 100, "ms", "sponsor manager opening on hostile files"),
    ("BM_StateJson", "p99_us", 200, "us", "building /state.json mid-match"),
    ("BM_EventTo50Clients", "p99_ms", 5, "ms", "click's end to the event in 50 /events clients"),
    ("BM_ClickServerOff", "p99_us", None, "us", "score click, live server off"),
    ("BM_ClickWith50Clients", "p99_us", None, "us", "score click, server on, 50 clients (< off + 100 us)"),
    ("BM_RemotePlusOne", "p99_us", 10000, "us", "remote POST /control/home/plus on loopback, answered"),
    ("BM_PhotoMemory1080", "rss_mb", 200, "MB", "two teams of 25 phone photos, 1920 x 1080"),
    ("BM_PhotoMemory1080", "p99_ms", 650, "ms", "scorer photo on the rising panel (it rises for 650 ms)"),
    ("BM_PhotoMemory4K", "rss_mb", 300, "MB", "two teams of 25 phone photos, 3840 x 2160"),
    ("BM_PhotoMemory4K", "p99_ms", 1300, "ms", "scorer photo on the rising panel (it rises for 1.3 s)"),
    ("BM_ClickToVenueEvent", "p99_ms", 20, "ms", "court click to the venue's /venue/events, loopback broker"),
    ("BM_ClickPublishingOff", "p99_us", None, "us", "score click, no venue broker"),
    ("BM_ClickPublishingBrokerUp", "p99_us", None, "us", "score click, publishing, broker up (< off + 50 us)"),
    ("BM_ClickPublishingBrokerGone", "p99_us", None, "us", "score click, publishing, broker gone (< off + 50 us)"),
    ("BM_ThirtyTwoCourts", "lag_p99_ms", 50, "ms", "32 courts x 10 changes/s for 60 s into one venue view"),
    ("BM_ThirtyTwoCourts", "rss_mb", 150, "MB", "the same run's RSS (courts and view in one process)"),
    ("BM_ReportPackage", "p99_ms", 500, "ms", "report.pdf, CSV and card, five sets, 250 lines"),
    ("BM_WholeFileWrite/", "p99_ms", 50, "ms", "a 24 KB file written whole: write, sync, rename, folder sync"),
    ("BM_WholeFileWriteNoFolderSync", "p99_ms", None, "ms", "the same without the folder's sync"),
    ("BM_LoadDamagedMatchFile", "p99_ms", 500, "ms", "match file of 100,000 history lines, half damaged, loaded"),
]

rows = []
for path in sys.argv[1:]:
    with open(path) as f:
        for b in json.load(f).get("benchmarks", []):
            for prefix, counter, target, unit, measures in TARGETS:
                if b["name"].startswith(prefix) and counter in b:
                    value = b[counter]
                    name = b["name"].split("/iterations")[0]
                    if b.get("label"):
                        measures = f"{measures}: {b['label']}"
                    outcome = "-" if target is None else ("yes" if value < target else "NO")
                    meta = "-" if target is None else f"< {target} {unit}"
                    rows.append((name, measures, f"{counter} {value:.3f} {unit}", meta, outcome))

widths = [max(len(r[i]) for r in rows + [("benchmark", "measures", "figure", "target", "met")]) for i in range(5)]
def print_row(r):
    print(" | ".join(c.ljust(l) for c, l in zip(r, widths)))
print_row(("benchmark", "measures", "figure", "target", "met"))
print("-+-".join("-" * l for l in widths))
for r in rows:
    print_row(r)
PY
