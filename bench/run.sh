#!/usr/bin/env bash
# Throughput and memory of vexilor-cli against PROJ on the same seeded points:
# СК-42 B L H (degrees) -> WGS-84 x y H in UTM zone 37, through ПЗ-90.
#
#   bash bench/run.sh [POINTS]        (default 1 000 000; needs a built build/)
#
# PROJ's cs2cs takes coordinate reference systems, so it can carry one
# Helmert leg (+towgs84, position-vector rotations); the exact two-leg
# pipeline runs in PROJ's cct.
set -euo pipefail
cd "$(dirname "$0")/.."
points=${1:-1000000}
bin=${BUILD:-build}/bin
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

awk -v n="$points" -v vin="$work/points.in" -v pin="$work/points.lonlat" 'BEGIN {
  srand(20261207); print "BLH" > vin
  for (i = 1; i <= n; i++) {
    b = 42 + 28 * rand(); l = 36 + 6 * rand(); h = -50 + 2000 * rand()
    printf "%d %.9f %.9f %.3f\n", i, b, l, h > vin
    printf "%.9f %.9f %.3f\n", l, b, h > pin
  } }'

ck42="+x=25 +y=-141 +z=-80 +rx=0 +ry=-0.35 +rz=-0.66 +s=0"
pz90="+x=-1.08 +y=-0.27 +z=-0.90 +rx=0 +ry=0 +rz=-0.16 +s=-0.12"
pipeline="+proj=pipeline +step +proj=unitconvert +xy_in=deg +xy_out=rad
  +step +proj=cart +ellps=krass +step +proj=helmert $ck42 +convention=coordinate_frame
  +step +proj=helmert $pz90 +convention=coordinate_frame
  +step +inv +proj=cart +ellps=WGS84 +step +proj=utm +zone=37 +ellps=WGS84"

measure() {  # label, command...
  local label=$1; shift
  /usr/bin/time -f "%e %M" -o "$work/time" "$@"
  read -r seconds kb < "$work/time"
  awk -v l="$label" -v s="$seconds" -v kb="$kb" -v n="$points" \
    'BEGIN { printf "| %-42s | %8.2f s | %10.0f points/s | %6.1f MB |\n", l, s, (s > 0 ? n / s : 0), kb / 1024 }'
}

cli=("$bin/vexilor-cli" --from CK42 --from-type BLH --from-units 2 --to WGS84 --to-type xyH
     --to-proj utm)
echo "| run ($points points) | time | throughput | peak memory |"
echo "|---|---|---|---|"
measure "vexilor-cli, geodetic heights" "${cli[@]}" --heights geodetic "$work/points.in" "$work/geodetic.out"
measure "PROJ cct, the same two-leg pipeline" sh -c "cct -d 4 $(echo $pipeline) < '$work/points.lonlat' > '$work/cct.out'"
measure "PROJ cs2cs, one combined +towgs84 leg" sh -c "cs2cs -f %.4f +proj=longlat +ellps=krass +towgs84=23.92,-141.27,-80.9,0,0.35,0.82,-0.12 +to +proj=utm +zone=37 +datum=WGS84 < '$work/points.lonlat' > '$work/cs2cs.out'"
measure "vexilor-cli, normal heights (wgeoid.mat)" "${cli[@]}" --heights normal "$work/points.in" "$work/normal.out"
