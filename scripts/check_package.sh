#!/usr/bin/env bash
# Installs build/package/brivanta_*.deb, starts /usr/bin/brivanta under Xvfb with a fresh home
# for a few seconds, checks that both windows opened on the sample teams seeded into the user's
# data folder and that a screenshot is not blank; edits a team, reinstalls, starts again and
# finds the edit kept; then removes the package. Needs root.
set -euo pipefail
cd "$(dirname "$0")/.."
pacchetto="$(ls build/package/brivanta_*_amd64.deb | head -1)"
lintian --fail-on error "$pacchetto"
export DEBIAN_FRONTEND=noninteractive
apt-get install -y -qq "./$pacchetto" >/dev/null
casa="$(mktemp -d)"
esito=0
cat >"$casa/prova.sh" <<'PROVA'
set -u
casa="$1"
programma=/usr/bin/brivanta
source scripts/run_under_x.sh
sleep 1
import -window root "$casa/schermo.png"
kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
[ -n "$console" ] || { echo "the console did not open" >&2; exit 1; }
[ -n "$display" ] || { echo "the display did not open" >&2; exit 1; }
PROVA
if ! xvfb-run -a -s "-screen 0 1920x1080x24" bash "$casa/prova.sh" "$casa"; then
  esito=1
fi
dati="$casa/.local/share/Brivanta"
if [ ! -f "$dati/Teams/Home/team.csv" ] || [ ! -f "$dati/Languages.csv" ]; then
  echo "the sample teams were not seeded into $dati" >&2
  esito=1
fi
printf '99;Modificata;Dal;;C\r\n' >"$dati/Teams/Home/team.csv"
apt-get install -y -qq --reinstall "./$pacchetto" >/dev/null
xvfb-run -a -s "-screen 0 1920x1080x24" bash "$casa/prova.sh" "$casa" || esito=1
if ! grep -q Modificata "$dati/Teams/Home/team.csv"; then
  echo "the user's team was overwritten by the reinstall" >&2
  esito=1
fi
# A blank screen has one colour; the console and the display have many.
colori="$(convert "$casa/schermo.png" -format '%k' info: 2>/dev/null || echo 0)"
if [ "$colori" -lt 50 ]; then
  echo "the screenshot is blank ($colori colours)" >&2
  esito=1
fi
apt-get remove -y -qq brivanta >/dev/null
if [ -e /usr/bin/brivanta ] || [ -d /usr/share/brivanta ]; then
  echo "the package did not remove cleanly" >&2
  esito=1
fi
rm -rf "$casa"
[ "$esito" = 0 ] && echo "package: installed, started on the seeded sample teams, an edited team kept across a reinstall, removed"
exit "$esito"
