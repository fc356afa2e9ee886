#!/usr/bin/env bash
# Installs the Debian packages the project needs, when any is missing. Run as root.
set -euo pipefail

packages=(
  build-essential cmake g++ pkg-config
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  libsdl2-dev libgl1-mesa-dev libglu1-mesa-dev libx11-dev libgl1-mesa-dri
  xvfb xauth mesa-utils xdotool
  libjpeg62-turbo-dev libfreetype-dev fonts-dejavu-core
  libsdl2-mixer-dev sox espeak-ng vorbis-tools
  libasio-dev libcurl4-openssl-dev libcpp-httplib-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
