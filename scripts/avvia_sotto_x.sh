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
