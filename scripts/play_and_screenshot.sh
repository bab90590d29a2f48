#!/usr/bin/env bash
# Inside an X server with no window manager: the display is sized to the whole screen by
# hand (maximising needs a window manager), points are clicked on the console's buttons.
set -euo pipefail
programma="$1"
cartella="$2"
casa="$(mktemp -d)"
trap 'kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; rm -rf "$casa"' EXIT

source "$(dirname "$0")/run_under_x.sh"
# Button centres in the console's client area, below its menu bar.
clic() { xdotool mousemove "$((cx + $1))" "$((cy + menu + $2))" click "${3:-1}"; sleep 0.15; }
doppio() { xdotool mousemove "$((cx + $1))" "$((cy + menu + $2))" click --repeat 2 --delay 80 1; sleep 0.3; }
# The team editor and the sponsor manager, opened from the File menu with the keyboard
# before the first point locks the console.
finestra() {
  dal_menu "$3"
  fotografa_finestra "$1" "$2"
}
finestra 'Brivanta - Gestione squadra' squadre.png 5
finestra 'Brivanta - Sponsor pics management' sponsor.png 6
casa_piu() { clic 482 170; }
ospiti_piu() { clic 676 170; }
# The first team of the list at home, the last of four for the guests (rows ~16 px high).
doppio 400 24
doppio 670 54
for _ in $(seq 1 12); do casa_piu; ospiti_piu; done
casa_piu; casa_piu; casa_piu
ospiti_piu
for _ in $(seq 1 8); do casa_piu; done
# The home athlete on the fourth row of the roster scores: the scorer panel slides in.
doppio 400 270
sleep 1
xdotool windowunmap "$console"
import -window root "$cartella/marcatore.png"
sleep 4 # the panel has gone again
import -window root "$cartella/display.png"
xdotool windowmap "$console"
sleep 1
import -window "$console" "$cartella/console.png"

# The live pages of the running program, as OBS and a screen in the bar show them: the
# overlay over a drawn court, the scoreboard page in landscape and portrait.
if command -v chromium >/dev/null; then
  cromo() {
    DISPLAY= chromium --headless --no-sandbox --disable-gpu --hide-scrollbars --timeout=5000 \
      --user-data-dir="$casa/chromium" "$@" >/dev/null 2>&1 || true
  }
  cromo --window-size=1920,1080 --default-background-color=00000000 \
    --screenshot="$casa/overlay.png" http://127.0.0.1:8765/overlay
  convert -size 1920x1080 gradient:'#3a2e25-#6b4f3a' \
    -fill '#d98c4a' -draw "polygon 330,1080 560,330 1360,330 1590,1080" \
    -stroke white -strokewidth 7 -fill none -draw "polygon 330,1080 560,330 1360,330 1590,1080" \
    -draw "line 470,620 1450,620" -stroke '#f1f1f1' -strokewidth 4 -draw "line 520,470 1400,470" \
    -stroke '#222' -strokewidth 3 -draw "line 520,400 1400,400" "$casa/campo.png"
  convert "$casa/campo.png" "$casa/overlay.png" -composite "$cartella/overlay.png"
  cromo --window-size=1920,1080 --screenshot="$cartella/scoreboard.png" http://127.0.0.1:8765/scoreboard
  cromo --window-size=1080,1920 --screenshot="$cartella/scoreboard_verticale.png" \
    http://127.0.0.1:8765/scoreboard
fi

# The post-match pack of the sample match, made from the command line: page 1 and the card.
"$programma" --report "$(dirname "$programma")/esempio_partita.txt" --out "$casa" >/dev/null 2>&1 || true
if [ -f "$casa/report.pdf" ] && command -v pdftoppm >/dev/null; then
  pdftoppm -r 60 -png -f 1 -l 1 "$casa/report.pdf" "$casa/pagina"
  cp "$casa"/pagina*1.png "$cartella/report.png"
  convert "$casa/result.png" -resize 540x540 "$cartella/result.png"
fi
