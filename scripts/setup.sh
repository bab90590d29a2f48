#!/usr/bin/env bash
# Installs what building, testing and running need on Debian 12; only what is missing.
set -euo pipefail

PACKAGES=(
  g++ cmake ninja-build pkg-config clang-format
  qt6-base-dev qt6-multimedia-dev qt6-translations-l10n libgtest-dev libgmock-dev libbenchmark-dev
  libqrencode-dev libmosquitto-dev mosquitto libquazip1-qt6-dev qt6-base-private-dev dpkg-dev lintian
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  fonts-wine fonts-liberation fonts-dejavu-extra
  xvfb xauth x11-utils xdotool imagemagick
  chromium poppler-utils
)
# Scripts that need more (the fuzzers want clang) name it here.
read -r -a extra <<<"${BRIVANTA_EXTRA:-}"
PACKAGES+=("${extra[@]}")

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  echo "Installing: ${missing[*]}"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
