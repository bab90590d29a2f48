#!/usr/bin/env bash
# The clean-room check: a minimal Debian 12 root made for the occasion, the committed checkout
# copied in, then scripts/setup.sh and the README's first command exactly as a new user runs
# them, headless. It passes when both windows were photographed and neither picture is blank, so
# a package that only a used machine has cannot hide. The root lives in its own mount namespace
# and in one temporary folder: nothing stays mounted or written, whatever way it ends.
# Usage: scripts/clean_room.sh [folder for the screenshots]
set -euo pipefail
cd "$(dirname "$0")/.."

step="starting"
work=""
log=""
finish() {
  local status=$?
  if [ "$status" -ne 0 ]; then
    local inner=""
    [ -n "$log" ] && [ -f "$log" ] && inner="$(grep -o 'clean room step: .*' "$log" | tail -1 | cut -d: -f2- || true)"
    [ -n "$log" ] && [ -f "$log" ] && tail -n 40 "$log" >&2
    echo "clean room: FAILED while ${step}${inner:+ (inside:${inner})}, exit $status" >&2
  fi
  [ -n "$work" ] && rm -rf "$work"
  exit "$status"
}
trap finish EXIT

[ "$(id -u)" -eq 0 ] || { echo "clean room: must run as root (it builds a Debian root)" >&2; exit 1; }
out="${1:-}"

step="installing mmdebstrap"
if ! command -v mmdebstrap >/dev/null; then
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends mmdebstrap >/dev/null
fi

# The machine's own Debian sources, so no mirror is written here.
step="reading the machine's apt sources"
sources_files=(/etc/apt/sources.list.d/*.sources)
if [ ! -e "${sources_files[0]}" ]; then sources_files=(/etc/apt/sources.list); fi

work="$(mktemp -d /var/tmp/brivanta-clean-room.XXXXXX)"
log="$work/log"
step="archiving HEAD"
git archive --format=tar --prefix=brivanta/ HEAD >"$work/brivanta.tar"

# Runs inside the new root, as a new user would: setup first, then the README's first command.
cat >"$work/inside.sh" <<'INSIDE'
set -euo pipefail
cd /root/brivanta
unset DISPLAY WAYLAND_DISPLAY
echo "clean room step: scripts/setup.sh"
bash scripts/setup.sh
echo "clean room step: bash scripts/run.sh"
bash scripts/run.sh
for window in console display; do
  echo "clean room step: screenshot of the $window"
  test -s "screenshots/$window.png"
  contrast="$(convert "screenshots/$window.png" -format '%[fx:standard_deviation]' info:)"
  awk -v c="$contrast" 'BEGIN { exit !(c > 0.02) }' || { echo "blank: $window.png ($contrast)"; exit 1; }
done
echo "clean room step: done"
INSIDE

step="building the root and running setup.sh and run.sh inside it"
mkdir -p "$work/screenshots"
for f in "${sources_files[@]}"; do cat "$f"; echo; done >"$work/sources"
TMPDIR="$work" mmdebstrap --variant=apt --mode=unshare --quiet \
  --customize-hook="tar-in $work/brivanta.tar /root" \
  --customize-hook="upload $work/inside.sh /root/inside.sh" \
  --customize-hook='chroot "$1" bash /root/inside.sh' \
  --customize-hook="sync-out /root/brivanta/screenshots $work/screenshots" \
  bookworm /dev/null - <"$work/sources" >"$log" 2>&1

if [ -n "$out" ]; then
  mkdir -p "$out"
  cp "$work"/screenshots/*.png "$out"/
fi
echo "clean room: passed in ${SECONDS} s (a minimal Debian 12 root, setup.sh, bash scripts/run.sh, both windows photographed)"
