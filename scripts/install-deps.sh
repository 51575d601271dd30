#!/usr/bin/env bash
# Installs every Debian 12 package that building, running and testing need,
# skipping those already installed.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-qpa-plugins libgl-dev
  qt6-multimedia-dev gstreamer1.0-plugins-good gstreamer1.0-plugins-bad gstreamer1.0-libav
  timgm6mb-soundfont pulseaudio-utils
  libgtest-dev googletest libbenchmark-dev
  fonts-dejavu-core
  qpdf poppler-utils fonts-liberation2 fonts-urw-base35
  libzip-dev libdeflate-dev libfreexl-dev python3-openpyxl python3-xlwt
  qt6-translations-l10n
)

# The program's test plays the start sound into a sound server of its own.
# A desktop whose sound already runs on PipeWire keeps it; the test is skipped there.
if ! dpkg-query -W -f='${Status}' pipewire-pulse 2>/dev/null | grep -q "install ok installed"; then
  packages+=(pulseaudio)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi
echo "Installing: ${missing[*]}"
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
