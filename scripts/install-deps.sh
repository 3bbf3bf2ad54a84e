#!/usr/bin/env bash
# Installs the Debian packages that Vexilor's build and tests need, and only
# those that are missing. Safe to run again and again.
set -euo pipefail

packages=(
  g++ cmake make pkg-config
  clang libclang-rt-dev   # the sanitizer build and the fuzz targets (libFuzzer)
  libgtest-dev googletest
  libeigen3-dev           # the least-squares fit of a link
  qt6-base-dev qt6-base-dev-tools libgl-dev
  qt6-translations-l10n   # Qt's standard dialogs in Russian
  libproj-dev proj-data proj-bin
  xvfb xauth
  dpkg-dev file lintian   # the Debian package: CPack, its dependencies, its check
  man-db bash-completion  # the packages' manual pages and completion, as their test uses them
  locales
)

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# A Russian locale, whose decimal separator is a comma: the tests check that
# typed numbers keep their "." under it.
if ! locale -a 2>/dev/null | grep -qi '^ru_RU\.utf-\?8$'; then
  $sudo localedef -i ru_RU -f UTF-8 ru_RU.UTF-8
fi
