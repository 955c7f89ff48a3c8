#!/usr/bin/env bash
# Installs everything Ориндо needs to build, run and test on Debian 12.
# Idempotent: packages already present are left as they are.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config clang ccache
  qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev
  qt6-webengine-dev qt6-webengine-dev-tools libqt6webenginecore6-bin
  qt6-multimedia-dev gstreamer1.0-plugins-good gstreamer1.0-plugins-base
  qt6-charts-dev libqt6svg6
  qt6-l10n-tools qt6-tools-dev-tools
  qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev
  libgif-dev
  libixion-dev liborcus-dev libxlsxwriter-dev libfreexl-dev libboost-dev zlib1g-dev
  libtcc-dev tcc
  fpc fp-ide xterm xfonts-base
  fonts-liberation fonts-dejavu-core
  xvfb xauth x11-apps imagemagick
  galculator xdotool
  libgl1-mesa-dri
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
