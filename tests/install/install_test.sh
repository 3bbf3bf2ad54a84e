#!/usr/bin/env bash
# The installed program: `cmake --install` into a temporary prefix made
# read-only, a home folder of its own, then vexilor-cli from the prefix.
# Its catalogue is the user's copy (~/.local/share/vexilor), seeded from
# share/vexilor on first use; a system the user adds there is found; the
# installed files stay as they were.
#   install_test.sh BUILD_FOLDER SOURCE_FOLDER
set -uo pipefail
build=$1 source=$2
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }

root=$(mktemp -d)
trap 'chmod -R u+w "$root"; rm -rf "$root"' EXIT
prefix=$root/usr
cmake --install "$build" --prefix "$prefix" > "$root/install.log" || { cat "$root/install.log"; exit 1; }

for file in bin/vexilor bin/vexilor-cli share/vexilor/sys.dat share/vexilor/ellips.dat share/vexilor/keys.dat \
            share/vexilor/wgeoid.mat share/vexilor/vexilor.hlp share/applications/vexilor.desktop \
            share/icons/hicolor/scalable/apps/vexilor.svg share/doc/vexilor/copyright share/doc/vexilor/changelog.gz \
            share/doc/vexilor-cli/copyright share/doc/vexilor-cli/examples/ck42-dms.in share/man/man1/vexilor.1.gz \
            share/man/man1/vexilor-cli.1.gz share/bash-completion/completions/vexilor-cli; do
  [ -f "$prefix/$file" ] || fail "not installed: $file"
done
[ -x "$prefix/bin/vexilor-cli" ] || fail "bin/vexilor-cli is not executable"

(cd "$prefix" && find . -type f -exec sha256sum {} + > "$root/installed.sha256")
chmod -R a-w "$prefix"

export HOME=$root/home
unset XDG_DATA_HOME
mkdir -p "$HOME" "$root/work"
cd "$root/work" || exit 1
user=$HOME/.local/share/vexilor
cli=$prefix/bin/vexilor-cli
points=$source/data/examples/ck42-dms.in
options=(--from-type BLH --to WGS84 --to-type xyH --to-proj utm)

# The same results as the program of the build folder, with the standard grid.
"$cli" --from CK42 "${options[@]}" "$points" installed.out || fail "the installed vexilor-cli failed"
"$build/bin/vexilor-cli" --from CK42 "${options[@]}" "$points" built.out || fail "the built vexilor-cli failed"
cmp -s installed.out built.out || fail "the installed vexilor-cli wrote other results than the built one"

for name in sys.dat ellips.dat keys.dat; do
  cmp -s "$prefix/share/vexilor/$name" "$user/$name" || fail "$user/$name is not a copy of the installed one"
done

# A system the user adds to the catalogue: a copy of СК-42's line under a
# name and code of the user's own.
sed -n '1s/Russia 1942 Coordinate Reference System (CK42)/Survey site 7 (SITE7)                         /p' \
  "$user/sys.dat" >> "$user/sys.dat"
"$cli" --from SITE7 "${options[@]}" "$points" site.out || fail "the user's own system was not found"
[ "$(tail -n +2 site.out)" = "$(tail -n +2 installed.out)" ] || fail "the user's system gave other coordinates"

# Without a home folder the installed catalogue is read as it is.
env -u HOME "$cli" --from SITE7 "${options[@]}" "$points" nohome.out 2> nohome.err
grep -q "SITE7: no such system in $prefix/share/vexilor/sys.dat" nohome.err ||
  fail "without a home, expected the installed catalogue; got: $(cat nohome.err)"

(cd "$prefix" && sha256sum --quiet -c "$root/installed.sha256") || fail "installed files changed"
[ -z "$(find "$prefix" -newer "$root/installed.sha256")" ] || fail "files were added to the installation"

if [ $failures -ne 0 ]; then
  echo "$failures failed"
  exit 1
fi
echo "install test: passed"
