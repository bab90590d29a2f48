#!/usr/bin/env bash
# Inside an X server of the size under review, with no window manager: a dark colour scheme
# and the band setting stored before the start, two teams chosen, a presentation run and
# stopped, Zoom All there and back, then the display photographed. With "finestre" it
# photographs every window instead (meant for 1366 x 768).
set -euo pipefail
programma="$1"
cartella="$2"
nome="$3"
banda="$4"
casa="$(mktemp -d)"
trap 'kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; rm -rf "$casa"' EXIT
mkdir -p "$casa/.config/Brivanta"
# Background, home and guest names, home and guest scores, home and guest text (BGR).
printf '[Startup]\nSerial=201010500000000050400000000040FFFFFF00FFFF\nSponsor=%s\n' "$banda" \
  >"$casa/.config/Brivanta/Brivanta.conf"

source "$(dirname "$0")/run_under_x.sh"
clic() { xdotool mousemove "$((cx + $1))" "$((cy + menu + $2))" click 1; sleep 0.3; }
doppio() { xdotool mousemove "$((cx + $1))" "$((cy + menu + $2))" click --repeat 2 --delay 80 1; sleep 0.5; }

doppio 400 24
doppio 670 54
if [ "$banda" = finestre ]; then
  import -window "$console" "$cartella/console_$nome.png"
  dal_menu 5
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
  fotografa_finestra 'Brivanta - Apri foglio di calcolo' "foglio_$nome.png"
  fotografa_finestra 'Brivanta - Gestione squadra' "squadre_$nome.png"
  dal_menu 6
  fotografa_finestra 'Brivanta - Sponsor pics management' "sponsor_$nome.png"
  dal_menu 4
  fotografa_finestra 'Gestione suoni ed effetti sonori' "suoni_$nome.png"
  clic 70 154 # Settaggi
  fotografa_finestra 'Brivanta - Opzioni' "opzioni_$nome.png"
  exit 0
fi
clic 218 154 # Presentazione atleti
sleep 6
clic 218 154 # stop: the card leaves
sleep 4
clic 258 226 # Zoom All +
sleep 1
clic 258 226 # Zoom All -
sleep 2
xdotool windowunmap "$console"
import -window root "$cartella/display_${nome}_banda${banda}.png"
