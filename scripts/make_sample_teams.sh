#!/usr/bin/env bash
# Makes the two sample teams shipped in data/Teams: rosters, drawn photos, team photo, logo,
# and a spoken announcement per person (espeak-ng; MP3 through lame for the first team,
# WAV for the second). Needs imagemagick, espeak-ng, sox and lame.
set -euo pipefail
cd "$(dirname "$0")/.."
FONT=/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf

make_team() { # folder colour1 colour2 initials roster-lines...
  local title="$1" folder="data/Teams/$1" c1="$2" c2="$3" initials="$4"
  shift 4
  rm -rf "$folder"
  mkdir -p "$folder"
  : > "$folder/team.csv"
  local line number surname first_name role called_up
  for line in "$@"; do
    printf '%s\r\n' "$line" >> "$folder/team.csv"
    IFS=';' read -r number surname first_name role called_up <<< "$line"
    # A drawn portrait: head and shoulders in the team's colours, the number on the chest.
    convert -size 600x800 gradient:"$c2"-'#101820' \
      -fill '#d9b38c' -draw "circle 300,250 300,130" \
      -fill "$c1" -draw "roundrectangle 90,420 510,820 120,120" \
      -fill white -font "$FONT" -pointsize 170 -gravity center -annotate +0+230 "$number" \
      -quality 85 "$folder/$number.jpg"
    local text="$first_name $surname, ${role#?-}"
    case "$number" in
      A*) text="Allenatore, $first_name $surname" ;;
      D*) text="Dirigente, $first_name $surname" ;;
      *) text="Numero $number, $text" ;;
    esac
    espeak-ng -v it -s 150 -w /tmp/announcement.wav "$text"
    if [ "$initials" = "AQ" ]; then
      sox /tmp/announcement.wav -r 22050 -c 1 /tmp/announcement22.wav
      lame --quiet -b 48 /tmp/announcement22.wav "$folder/$number.mp3"
    else
      sox /tmp/announcement.wav -r 16000 -c 1 -b 16 "$folder/$number.wav"
    fi
  done
  convert -size 512x512 xc:none -fill "$c1" -stroke white -strokewidth 16 \
    -draw "circle 256,256 256,24" -fill white -stroke none -font "$FONT" -pointsize 190 \
    -gravity center -annotate +0+0 "$initials" -background "$c2" -flatten -quality 90 "$folder/logo.jpg"
  convert -size 1200x675 gradient:"$c2"-'#101820' -fill "$c1" \
    -draw "roundrectangle 100,380 1100,675 60,60" -fill '#d9b38c' \
    -draw "circle 250,300 250,230" -draw "circle 450,290 450,220" -draw "circle 650,300 650,230" \
    -draw "circle 850,290 850,220" -draw "circle 1000,300 1000,235" \
    -fill white -font "$FONT" -pointsize 64 -gravity south -annotate +0+40 "$title" \
    -quality 85 "$folder/team.jpg"
}

make_team "Aquile Volley" '#f2c200' '#1a3a8a' AQ \
  "1;Ferri;Giulia;1-Alzatore;C" "3;Conti;Sara;2-Centrale;C" "5;Galli;Marta;4-Opposto;C" \
  "7;Rossi;Elena;5-Banda;C" "8;Greco;Chiara;5-Banda;C" "9;Lombardi;Anna;2-Centrale;C" \
  "10;Moretti;Laura;3-Libero;C" "11;Barbieri;Sofia;5-Banda;C" "12;Fontana;Irene;1-Alzatore;C" \
  "14;Santoro;Paola;4-Opposto;C" "15;Marini;Alice;2-Centrale;N" \
  "A1;Caruso;Roberto;;C" "D1;Rinaldi;Franca;;C"
make_team "Lupi Neri" '#c0392b' '#2c2c2c' LN \
  "2;Esposito;Marco;1-Alzatore;C" "4;Ricci;Luca;2-Centrale;C" "6;Colombo;Andrea;4-Opposto;C" \
  "8;Bruno;Davide;5-Banda;C" "9;Gallo;Matteo;5-Banda;C" "11;Costa;Simone;2-Centrale;C" \
  "13;Giordano;Paolo;3-Libero;C" "16;Mancini;Stefano;5-Banda;C" "17;Rizzo;Fabio;1-Alzatore;N" \
  "18;Lombardo;Nicola;4-Opposto;C" "A1;De Luca;Giorgio;;C" "D1;Serra;Marco;;C"
echo "Sample teams written to data/Teams."
