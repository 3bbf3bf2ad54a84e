#!/usr/bin/env bash
# Installs the Debian packages that Vexilor's build and tests need, and only
# those that are missing. Safe to run again and again.
set -euo pipefail

packages=(
  g++ cmake make pkg-config
  libgtest-dev googletest
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libproj-dev proj-data proj-bin
  xvfb xauth
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
