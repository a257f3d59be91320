#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need.
# Run as root it installs what is missing; otherwise it only names what is missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-translations-l10n libgl-dev
  fonts-dejavu-core
  libzip-dev libcurl4-openssl-dev libcdio-dev
  dosfstools
  libgtest-dev libgmock-dev
  python3 python3-pyftpdlib poppler-utils zip unzip
  xvfb xauth x11-utils imagemagick
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "Missing Debian packages: ${missing[*]}" >&2
  echo "Install them as root: apt-get install ${missing[*]}" >&2
  exit 1
fi

export DEBIAN_FRONTEND=noninteractive
if ! apt-get install -y --no-install-recommends "${missing[@]}"; then
  apt-get update
  apt-get install -y --no-install-recommends "${missing[@]}"
fi
