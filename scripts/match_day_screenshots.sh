#!/usr/bin/env bash
# Inside an X server of the size under review, with no window manager: a match played by keys
# in the language given, both windows photographed at 24-20 (set point), during a timeout, at
# the end of the first set, at match point and at the end. Run by screenshots.sh --match-day.
set -euo pipefail
program="$1"
folder="$2"
name="$3"
language="$4"
home="$(mktemp -d)"
trap 'kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; rm -rf "$home"' EXIT
mkdir -p "$home/.config/Brivanta"
printf '[Startup]\nLanguage=%s\n' "$language" >"$home/.config/Brivanta/Brivanta.conf"

source "$(dirname "$0")/run_under_x.sh"
double_click_at() { xdotool mousemove "$((cx + $1))" "$((cy + menu + $2))" click --repeat 2 --delay 80 1; sleep 0.5; }
points() { # $1 key, $2 how many
  xdotool windowfocus --sync "$console" 2>/dev/null || true
  for _ in $(seq 1 "$2"); do xdotool key "$1"; sleep 0.05; done
  sleep 0.5
}
# The display alone (twice, a blink apart: the banner shows every other 2 s), then the console.
both() {
  sleep "${3:-1}"
  xdotool windowunmap "$console"
  sleep 0.3
  import -window root "$folder/display_${name}_$1.png"
  sleep 2.1
  import -window root "$folder/display_${name}_$1_blink.png"
  xdotool windowmap "$console"
  sleep 0.5
  import -window "$console" "$folder/console_${name}_$2.png"
}
dismiss() { sleep 0.5; xdotool key Return; sleep 0.5; }

double_click_at 400 24
double_click_at 670 54
points F5 24
points F8 20
both set_point set_point 1.5
# The guests' timeout from its button, confirmed in the question.
xdotool mousemove "$((cx + 756))" "$((cy + menu + 186))" click 1
dismiss
both timeout timeout 2
points F5 1
both set_end set_end
points F5 25
points F5 24
points F8 20
both match_point match_point 1.5
points F5 1
dismiss
xdotool key Escape # no report now
sleep 0.5
both end end 3
