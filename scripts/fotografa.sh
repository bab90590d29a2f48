#!/usr/bin/env bash
# Inside an X server: starts the program, photographs its two windows, ends it.
set -euo pipefail
programma="$1"
cartella="$2"
casa="$(mktemp -d)"
trap 'kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; rm -rf "$casa"' EXIT

# A throwaway home: the run must not touch the user's settings or Documents.
HOME="$casa" XDG_CONFIG_HOME="$casa/.config" TEMP="$casa" "$programma" &
pid=$!
for _ in $(seq 1 50); do
  if xwininfo -root -tree | grep -q '"Brivanta : MATCH.txt"'; then break; fi
  sleep 0.2
done
sleep 2

finestra() { xwininfo -root -tree | grep "\"$1\"" | head -1 | awk '{print $1}'; }
import -window root "$cartella/schermo.png"
import -window "$(finestra 'Brivanta : MATCH.txt')" "$cartella/console.png"
import -window "$(finestra 'Brivanta')" "$cartella/display.png"
