# Sourced by the screenshot scripts: starts "$programma" with "$casa" as its home, waits for
# the console, sizes the display to the whole screen (no window manager to maximise it) and
# sets $pid, $console, $display and the console's client origin $cx, $cy.
HOME="$casa" XDG_CONFIG_HOME="$casa/.config" TEMP="$casa" "$programma" &
pid=$!
console=""
for _ in $(seq 1 50); do
  console="$(xdotool search --name '^Brivanta : MATCH.txt$' 2>/dev/null | head -1 || true)"
  [ -n "$console" ] && break
  sleep 0.2
done
display="$(xdotool search --name '^Brivanta$' | head -1)"
read -r larghezza altezza < <(xdpyinfo | awk '/dimensions:/ {split($2, d, "x"); print d[1], d[2]}')
xdotool windowmove "$display" 0 0 windowsize "$display" "$larghezza" "$altezza"
sleep 1
read -r cx cy < <(xdotool getwindowgeometry "$console" | awk '/Position/ {split($2, p, ","); print p[1], p[2]}')
menu=23
# Opens the File menu's item `passi` rows down with the keyboard.
dal_menu() {
  xdotool mousemove "$((cx + 20))" "$((cy + 10))" click 1
  sleep 0.4
  for _ in $(seq 1 "$1"); do xdotool key Down; done
  xdotool key Return
}
# Waits for the window titled $1, photographs it into $cartella/$2 and closes it with Esc.
fotografa_finestra() {
  local titolo="$1" file="$2" id=""
  for _ in $(seq 1 25); do
    id="$(xdotool search --name "^$titolo\$" 2>/dev/null | head -1 || true)"
    [ -n "$id" ] && break
    sleep 0.2
  done
  [ -n "$id" ] || { echo "no window: $titolo" >&2; return 0; }
  sleep 1
  import -window "$id" "$cartella/$file"
  xdotool key Escape || true
  sleep 0.5
}
