#!/usr/bin/env bash
# The layer check passes on the house as it stands and fails on each kind of
# planted fault: an include from a floor above, Qt outside src/qt, a folder
# with no floor, folders that include each other.
set -uo pipefail
repo=$(cd "$(dirname "$0")/../.." && pwd)
check=$repo/scripts/check-layers.sh
failures=0

fail() { echo "FAILED: $*"; failures=$((failures + 1)); }

# Runs the check on a copy of the house with one planted change and expects
# it to fail with a line matching `expected`.
expect_refused() {
  local label=$1 expected=$2 plant=$3 tree
  tree=$(mktemp -d)
  cp -r "$repo/src" "$repo/tools" "$tree/"
  (cd "$tree" && eval "$plant")
  local output rc
  output=$("$check" "$tree" 2>&1); rc=$?
  rm -rf "$tree"
  if [ $rc -ne 1 ]; then fail "$label: exit status $rc, expected 1"; return; fi
  grep -qE "$expected" <<< "$output" || fail "$label: no line matching '$expected' in: $output"
}

output=$("$check" "$repo" 2>&1) || fail "the house itself: $output"

expect_refused "geodesy reaches up" \
  '^src/geodesy/ellipsoid.h: includes "windows/main_window.h"' \
  'echo "#include \"windows/main_window.h\"" >> src/geodesy/ellipsoid.h'
expect_refused "geodesy reaches into the quasi-geoid grid" \
  '^src/geodesy/datum.h: includes "quasigeoid/grid_file.h"' \
  'echo "#include \"quasigeoid/grid_file.h\"" >> src/geodesy/datum.h'
expect_refused "the quasi-geoid grid reaches into the file run" \
  '^src/quasigeoid/quasi_geoid.h: includes "run/units.h"' \
  'echo "#include \"run/units.h\"" >> src/quasigeoid/quasi_geoid.h'
expect_refused "helpers reach into the engine" \
  '^src/text/words.h: includes "run/units.h"' \
  'echo "#include \"run/units.h\"" >> src/text/words.h'
expect_refused "window model knows geodesy" \
  '^src/form/form.h: includes "geodesy/datum.h"' \
  'echo "#include \"geodesy/datum.h\"" >> src/form/form.h'
expect_refused "Qt outside src/qt" \
  '^src/windows/execute.cpp: includes Qt outside src/qt' \
  'sed -i "1i #include <QString>" src/windows/execute.cpp'
expect_refused "a folder with no floor" \
  '^src/attic/x.h: folder src/attic has no row' \
  'mkdir src/attic && echo "#pragma once" > src/attic/x.h'
expect_refused "two folders in a circle" \
  'circle' \
  'echo "#include \"projection/projection_record.h\"" >> src/refdata/reference_lines.h'

[ $failures -eq 0 ] && echo "layer check: passes on the house, refuses every planted fault"
exit $((failures > 0))
