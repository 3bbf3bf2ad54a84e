#!/usr/bin/env bash
# The Debian packages of the build: CPack makes vexilor-cli and vexilor,
# lintian finds nothing to warn of in either (nor a hardening note), the
# command-line package needs no Qt, and unpacked into a scratch root the
# manual pages render, the completion offers options and systems, an
# installed example runs, and the window answers --version without a
# display.
#   package_test.sh BUILD_FOLDER
set -uo pipefail
build=$1
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
cpack --config "$build/CPackConfig.cmake" -B "$root" > "$root/cpack.log" 2>&1 || { cat "$root/cpack.log"; exit 1; }
cli=$(find "$root" -maxdepth 1 -name 'vexilor-cli_*.deb')
program=$(find "$root" -maxdepth 1 -name 'vexilor_*.deb')
[ -n "$cli" ] && [ -n "$program" ] || { cat "$root/cpack.log"; echo "FAILED: not both packages made"; exit 1; }

# holds DEB FILE...: the package has each file.
holds() {
  local deb=$1 file contents
  shift
  contents=$(dpkg-deb --contents "$deb" | awk '{print $6}')
  for file in "$@"; do
    grep -qxF "./usr/$file" <<< "$contents" || fail "$(basename "$deb") lacks /usr/$file"
  done
}
holds "$cli" bin/vexilor-cli share/vexilor/sys.dat share/vexilor/ellips.dat share/vexilor/keys.dat \
  share/vexilor/wgeoid.mat share/man/man1/vexilor-cli.1.gz share/bash-completion/completions/vexilor-cli \
  share/doc/vexilor-cli/copyright share/doc/vexilor-cli/examples/ck42-dms.in
holds "$program" bin/vexilor share/vexilor/vexilor.hlp share/applications/vexilor.desktop \
  share/icons/hicolor/scalable/apps/vexilor.svg share/man/man1/vexilor.1.gz share/doc/vexilor/copyright

# The package names a field depends on, one a line: "libc6 (>= 2.34), qt6-qpa-plugins" gives libc6, qt6-qpa-plugins.
depends() { dpkg-deb --field "$1" Depends | sed 's/([^)]*)//g; s/[,|]/\n/g' | awk 'NF {print $1}'; }
grep -i 'qt' <(depends "$cli") && fail "vexilor-cli depends on Qt: $(dpkg-deb --field "$cli" Depends)"
version=$(dpkg-deb --field "$cli" Version)
dpkg-deb --field "$program" Depends | grep -qF "vexilor-cli (= $version)" ||
  fail "vexilor does not depend on vexilor-cli $version: $(dpkg-deb --field "$program" Depends)"
for needed in libqt6widgets6 qt6-qpa-plugins libstdc++6; do
  grep -qxF "$needed" <(depends "$program") || fail "vexilor does not depend on $needed"
done
grep -q -- '-dev$' <(depends "$cli"; depends "$program") && fail "a package depends on a development package"

for deb in "$cli" "$program"; do
  log=$root/$(basename "$deb").lintian
  lintian --fail-on warning --display-info --tag-display-limit 0 "$deb" > "$log" 2>&1 || fail "lintian: $(cat "$log")"
  grep -E 'hardening|manual-page|manpage' "$log" && fail "lintian notes on $(basename "$deb")"
done

unpacked=$root/unpacked
for deb in "$cli" "$program"; do dpkg -x "$deb" "$unpacked"; done
export HOME=$root/home PATH=$unpacked/usr/bin:$PATH
unset XDG_DATA_HOME
mkdir -p "$HOME"

# The pages render without a complaint of man or the formatter, with the
# sections a reader looks for.
for page in vexilor-cli vexilor; do
  file=$unpacked/usr/share/man/man1/$page.1.gz
  MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$file" > /dev/null 2> "$root/man.err" ||
    fail "man -l $page.1.gz failed"
  [ -s "$root/man.err" ] && fail "$page(1): $(cat "$root/man.err")"
  text=$(MANWIDTH=80 man -l "$file" 2> /dev/null | col -b)
  for heading in NAME SYNOPSIS DESCRIPTION FILES ENVIRONMENT "SEE ALSO"; do
    grep -qx "$heading" <<< "$text" || fail "$page(1) has no $heading"
  done
done
text=$(MANWIDTH=80 man -l "$unpacked/usr/share/man/man1/vexilor-cli.1.gz" 2> /dev/null | col -b)
for shown in "EXIT STATUS" COMMANDS EXAMPLES "vexilor-cli sheet" "vexilor-cli length" "/usr/share/doc/vexilor-cli/examples"; do
  grep -q "$shown" <<< "$text" || fail "vexilor-cli(1) does not show $shown"
done

# What bash offers for the last word of a vexilor-cli command line, one a line.
completions() {
  bash --norc -c 'source /usr/share/bash-completion/bash_completion && source "$1" && shift &&
    COMP_WORDS=(vexilor-cli "$@") && COMP_CWORD=$# && COMP_LINE="vexilor-cli $*" && COMP_POINT=${#COMP_LINE} &&
    _vexilor_cli vexilor-cli "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}" &&
    printf "%s\n" "${COMPREPLY[@]}"' completion "$unpacked/usr/share/bash-completion/completions/vexilor-cli" "$@"
}
offered=$(completions --fr | sort | tr '\n' ' ')
[ "$offered" = "--from --from-proj --from-type --from-units " ] || fail "vexilor-cli --fr offers: $offered"
offered=$(completions --from C | sort | tr '\n' ' ')
[ "$offered" = "CK42 CK63 CK95 " ] || fail "vexilor-cli --from C offers: $offered"
offered=$(completions --to P | sort | tr '\n' ' ')
[ "$offered" = "PZ90 PZ90.02 PZ90.11 " ] || fail "vexilor-cli --to P offers: $offered"
offered=$(completions fit --ex | tr '\n' ' ')
[ "$offered" = "--exclude " ] || fail "vexilor-cli fit --ex offers: $offered"

# An example as installed, with the installed catalogue and grid.
examples=$unpacked/usr/share/doc/vexilor-cli/examples
(cd "$root" && vexilor-cli --from=CK42 --from-type BLH --to WGS84 --to-type xyH --to-proj utm \
  "$examples/ck42-dms.in" installed.out) || fail "the installed example did not run"
"$build/bin/vexilor-cli" --from=CK42 --from-type BLH --to WGS84 --to-type xyH --to-proj utm \
  "$examples/ck42-dms.in" "$root/built.out" || fail "the built vexilor-cli failed"
cmp -s "$root/installed.out" "$root/built.out" || fail "the installed example gave other results than the build"

shown=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb vexilor --version 2>&1)
[ "$shown" = "vexilor $version" ] || fail "vexilor --version without a display: $shown"

if [ $failures -ne 0 ]; then
  echo "$failures failed"
  exit 1
fi
echo "package test: passed ($(basename "$cli"), $(basename "$program"))"
cat "$root"/*.lintian
