#!/usr/bin/env bash
# Inside an X server with no window manager: the display is sized to the whole screen by
# hand (maximising needs a window manager), points are clicked on the console's buttons.
set -euo pipefail
program="$1"
folder="$2"
home="$(mktemp -d)"
trap 'kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; rm -rf "$home"' EXIT

source "$(dirname "$0")/run_under_x.sh"
# Button centres in the console's client area, below its menu bar.
click_at() { xdotool mousemove "$((cx + $1))" "$((cy + menu + $2))" click "${3:-1}"; sleep 0.15; }
double_click_at() { xdotool mousemove "$((cx + $1))" "$((cy + menu + $2))" click --repeat 2 --delay 80 1; sleep 0.3; }
# The team editor and the sponsor manager, opened from the File menu with the keyboard
# before the first point locks the console.
photograph_from_menu() {
  from_file_menu "$3"
  photograph_window "$1" "$2"
}
photograph_from_menu 'Brivanta - Gestione squadra' team_editor.png 5
photograph_from_menu 'Brivanta - Gestione immagini degli sponsor' sponsor.png 6
home_plus() { click_at 470 218; }
guests_plus() { click_at 686 218; }
# The first team of the list at home, the last of four for the guests (rows ~16 px high).
double_click_at 400 24
double_click_at 670 54
for _ in $(seq 1 12); do home_plus; guests_plus; done
home_plus; home_plus; home_plus
guests_plus
for _ in $(seq 1 8); do home_plus; done
# The home athlete on the fourth row of the roster scores: the scorer panel slides in.
double_click_at 400 318
sleep 1
xdotool windowunmap "$console"
import -window root "$folder/scorer.png"
sleep 4 # the panel has gone again
import -window root "$folder/display.png"
xdotool windowmap "$console"
sleep 1
import -window "$console" "$folder/console.png"

# The live pages of the running program, as OBS and a screen in the bar show them: the
# overlay over a drawn court, the scoreboard page in landscape and portrait.
if command -v chromium >/dev/null; then
  chromium_shot() {
    DISPLAY= chromium --headless --no-sandbox --disable-gpu --hide-scrollbars --timeout=5000 \
      --user-data-dir="$home/chromium" "$@" >/dev/null 2>&1 || true
  }
  chromium_shot --window-size=1920,1080 --default-background-color=00000000 \
    --screenshot="$home/overlay.png" http://127.0.0.1:8765/overlay
  convert -size 1920x1080 gradient:'#3a2e25-#6b4f3a' \
    -fill '#d98c4a' -draw "polygon 330,1080 560,330 1360,330 1590,1080" \
    -stroke white -strokewidth 7 -fill none -draw "polygon 330,1080 560,330 1360,330 1590,1080" \
    -draw "line 470,620 1450,620" -stroke '#f1f1f1' -strokewidth 4 -draw "line 520,470 1400,470" \
    -stroke '#222' -strokewidth 3 -draw "line 520,400 1400,400" "$home/court.png"
  convert "$home/court.png" "$home/overlay.png" -composite "$folder/overlay.png"
  chromium_shot --window-size=1920,1080 --screenshot="$folder/scoreboard.png" http://127.0.0.1:8765/scoreboard
  chromium_shot --window-size=1080,1920 --screenshot="$folder/scoreboard_portrait.png" \
    http://127.0.0.1:8765/scoreboard
fi

# The post-match pack of the sample match, made from the command line: page 1 and the card.
"$program" --report "$(dirname "$program")/esempio_partita.txt" --out "$home" >/dev/null 2>&1 || true
if [ -f "$home/report.pdf" ] && command -v pdftoppm >/dev/null; then
  pdftoppm -r 60 -png -f 1 -l 1 "$home/report.pdf" "$home/page"
  cp "$home"/page*1.png "$folder/report.png"
  convert "$home/result.png" -resize 540x540 "$folder/result.png"
fi
