#!/usr/bin/env bash
# The Debian package of the build: CPack makes it, lintian finds no error
# in it, and it holds the program, its data and the desktop entry under
# /usr, depending on the Qt 6 runtime and on no development package.
#   package_test.sh BUILD_FOLDER
set -uo pipefail
build=$1
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
cpack --config "$build/CPackConfig.cmake" -B "$root" > "$root/cpack.log" 2>&1 || { cat "$root/cpack.log"; exit 1; }
deb=$(find "$root" -maxdepth 1 -name 'vexilor_*.deb')
[ -n "$deb" ] || { cat "$root/cpack.log"; echo "FAILED: no package made"; exit 1; }

contents=$(dpkg-deb --contents "$deb" | awk '{print $6}')
for file in ./usr/bin/vexilor ./usr/bin/vexilor-cli ./usr/share/vexilor/sys.dat ./usr/share/vexilor/wgeoid.mat \
            ./usr/share/vexilor/vexilor.hlp ./usr/share/applications/vexilor.desktop \
            ./usr/share/icons/hicolor/scalable/apps/vexilor.svg ./usr/share/doc/vexilor/copyright; do
  grep -qxF "$file" <<< "$contents" || fail "the package lacks $file"
done

depends=$(dpkg-deb --field "$deb" Depends)
# The package names alone, one a line: "libc6 (>= 2.34), qt6-qpa-plugins" gives libc6, qt6-qpa-plugins.
names=$(sed 's/([^)]*)//g; s/[,|]/\n/g' <<< "$depends" | awk 'NF {print $1}')
for needed in libqt6widgets6 libqt6core6 qt6-qpa-plugins libc6 libstdc++6; do
  grep -qxF "$needed" <<< "$names" || fail "Depends lacks $needed: $depends"
done
grep -q -- '-dev$' <<< "$names" && fail "Depends names a development package: $depends"

lintian --fail-on error --tag-display-limit 0 "$deb" > "$root/lintian.log" 2>&1 ||
  fail "lintian: $(cat "$root/lintian.log")"
grep '^E:' "$root/lintian.log" && fail "lintian reports errors"

if [ $failures -ne 0 ]; then
  echo "$failures failed"
  exit 1
fi
echo "package test: passed ($(basename "$deb"))"
cat "$root/lintian.log"
