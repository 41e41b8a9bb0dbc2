#!/usr/bin/env bash
# Installs every Debian package that building, testing and running Korvanti needs.
# Safe to run again: it only calls apt-get when something is missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build ccache pkg-config git
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libqt6sql6-psql qt6-svg-dev qt6-charts-dev
  libgtest-dev libgmock-dev libbenchmark-dev libfftw3-dev
  clang-format
  qt6-multimedia-dev gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  qt6-speech-dev qt6-declarative-dev qt6-speech-speechd-plugin
  speech-dispatcher speech-dispatcher-espeak-ng
  fonts-liberation2 qt6-translations-l10n
  dpkg-dev desktop-file-utils
  xvfb xauth
  postgresql-15
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: all packages present"
  exit 0
fi

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi

echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
