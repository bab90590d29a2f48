# Sourced by the screenshot scripts: starts "$program" with "$home" as its home, waits for
# the console, sizes the display to the whole screen (no window manager to maximise it) and
# sets $pid, $console, $display and the console's client origin $cx, $cy.
# The pictures speak Italian: a stored language skips the first start's question.
settings="$home/.config/Brivanta/Brivanta.conf"
mkdir -p "$(dirname "$settings")"
[ -f "$settings" ] || printf '[Startup]\n' >"$settings"
grep -q '^Language=' "$settings" || printf 'Language=ITA\n' >>"$settings"
HOME="$home" XDG_CONFIG_HOME="$home/.config" TEMP="$home" "$program" &
pid=$!
console=""
for _ in $(seq 1 50); do
  console="$(xdotool search --name '^Brivanta : MATCH.txt$' 2>/dev/null | head -1 || true)"
  [ -n "$console" ] && break
  sleep 0.2
done
display="$(xdotool search --onlyvisible --name '^Brivanta$' | head -1)"
read -r width height < <(xdpyinfo | awk '/dimensions:/ {split($2, d, "x"); print d[1], d[2]}')
xdotool windowmove "$display" 0 0 windowsize "$display" "$width" "$height"
xdotool windowraise "$console"
sleep 1
read -r cx cy < <(xdotool getwindowgeometry "$console" | awk '/Position/ {split($2, p, ","); print p[1], p[2]}')
menu=23
# Opens the File menu's item $1 rows down with the keyboard.
from_file_menu() {
  xdotool mousemove "$((cx + 20))" "$((cy + 10))" click 1
  sleep 0.4
  for _ in $(seq 1 "$1"); do xdotool key Down; done
  xdotool key Return
}
# Waits for the window titled $1, photographs it into $folder/$2 and closes it with Esc.
photograph_window() {
  local title="$1" file="$2" id=""
  for _ in $(seq 1 25); do
    id="$(xdotool search --name "^$title\$" 2>/dev/null | head -1 || true)"
    [ -n "$id" ] && break
    sleep 0.2
  done
  [ -n "$id" ] || { echo "no window: $title" >&2; return 0; }
  sleep 1
  import -window "$id" "$folder/$file"
  xdotool key Escape || true
  sleep 0.5
}
