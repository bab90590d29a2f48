#!/usr/bin/env bash
# Inside an X server of the size under review, with no window manager: a dark colour scheme
# and the band setting stored before the start, two teams chosen, a presentation run and
# stopped, Zoom All there and back, then the display photographed. With "windows" it
# photographs every window instead (meant for 1366 x 768).
set -euo pipefail
program="$1"
folder="$2"
name="$3"
band="$4"
home="$(mktemp -d)"
trap 'kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; rm -rf "$home"' EXIT
mkdir -p "$home/.config/Brivanta"
# Background, home and guest names, home and guest scores, home and guest text (BGR).
printf '[Startup]\nSerial=201010500000000050400000000040FFFFFF00FFFF\nSponsor=%s\n' "$band" \
  >"$home/.config/Brivanta/Brivanta.conf"

source "$(dirname "$0")/run_under_x.sh"
click_at() { xdotool mousemove "$((cx + $1))" "$((cy + menu + $2))" click 1; sleep 0.3; }
double_click_at() { xdotool mousemove "$((cx + $1))" "$((cy + menu + $2))" click --repeat 2 --delay 80 1; sleep 0.5; }

double_click_at 400 24
double_click_at 670 54
if [ "$band" = windows ]; then
  import -window "$console" "$folder/console_$name.png"
  from_file_menu 5
  sleep 2
  # The visitors' roster from the sample spreadsheet, into the second team of the list.
  editor="$(xdotool search --name '^Brivanta - Gestione squadra$' | head -1)"
  read -r ex ey < <(xdotool getwindowgeometry "$editor" | awk '/Position/ {split($2, p, ","); print p[1], p[2]}')
  xdotool mousemove "$((ex + 650))" "$((ey + 44))" click 1
  sleep 0.8
  xdotool mousemove "$((ex + 1070))" "$((ey + 478))" click 1 # Apri foglio di calcolo…
  sleep 2
  xdotool type --delay 20 "$(cd "$(dirname "$0")/.." && pwd)/docs/samples/visitors.xlsx"
  xdotool key Return
  photograph_window 'Brivanta - Apri foglio di calcolo' "spreadsheet_$name.png"
  photograph_window 'Brivanta - Gestione squadra' "teams_$name.png"
  from_file_menu 6
  photograph_window 'Brivanta - Gestione immagini degli sponsor' "sponsor_$name.png"
  from_file_menu 4
  photograph_window 'Gestione suoni ed effetti sonori' "sounds_$name.png"
  click_at 70 154 # Settaggi
  photograph_window 'Brivanta - Opzioni' "options_$name.png"
  exit 0
fi
click_at 218 154 # Presentazione atleti
sleep 6
click_at 218 154 # stop: the card leaves
sleep 4
click_at 258 226 # Zoom All +
sleep 1
click_at 258 226 # Zoom All -
sleep 2
xdotool windowunmap "$console"
import -window root "$folder/display_${name}_band${band}.png"
