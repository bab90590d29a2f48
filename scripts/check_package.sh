#!/usr/bin/env bash
# Installs build/package/brivanta_*.deb, starts /usr/bin/brivanta under Xvfb with a fresh home
# for a few seconds, checks that both windows opened on the sample teams seeded into the user's
# data folder and that a screenshot is not blank; edits a team, reinstalls, starts again and
# finds the edit kept; then removes the package. Needs root.
set -euo pipefail
cd "$(dirname "$0")/.."
package="$(ls build/package/brivanta_*_amd64.deb | head -1)"
lintian --fail-on error "$package"
export DEBIAN_FRONTEND=noninteractive
apt-get install -y -qq "./$package" >/dev/null
home="$(mktemp -d)"
outcome=0
cat >"$home/trial.sh" <<'TRIAL'
set -u
home="$1"
program=/usr/bin/brivanta
source scripts/run_under_x.sh
sleep 1
import -window root "$home/screen.png"
kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
[ -n "$console" ] || { echo "the console did not open" >&2; exit 1; }
[ -n "$display" ] || { echo "the display did not open" >&2; exit 1; }
TRIAL
if ! xvfb-run -a -s "-screen 0 1920x1080x24" bash "$home/trial.sh" "$home"; then
  outcome=1
fi
data="$home/.local/share/Brivanta"
if [ ! -f "$data/Teams/Home/team.csv" ] || [ ! -f "$data/Languages.csv" ]; then
  echo "the sample teams were not seeded into $data" >&2
  outcome=1
fi
printf '99;Modificata;Dal;;C\r\n' >"$data/Teams/Home/team.csv"
apt-get install -y -qq --reinstall "./$package" >/dev/null
xvfb-run -a -s "-screen 0 1920x1080x24" bash "$home/trial.sh" "$home" || outcome=1
if ! grep -q Modificata "$data/Teams/Home/team.csv"; then
  echo "the user's team was overwritten by the reinstall" >&2
  outcome=1
fi
# A blank screen has one colour; the console and the display have many.
colours="$(convert "$home/screen.png" -format '%k' info: 2>/dev/null || echo 0)"
if [ "$colours" -lt 50 ]; then
  echo "the screenshot is blank ($colours colours)" >&2
  outcome=1
fi
apt-get remove -y -qq brivanta >/dev/null
if [ -e /usr/bin/brivanta ] || [ -d /usr/share/brivanta ]; then
  echo "the package did not remove cleanly" >&2
  outcome=1
fi
rm -rf "$home"
[ "$outcome" = 0 ] && echo "package: installed, started on the seeded sample teams, an edited team kept across a reinstall, removed"
exit "$outcome"
