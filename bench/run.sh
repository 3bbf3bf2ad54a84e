#!/usr/bin/env bash
# Throughput and memory of vexilor-cli against PROJ on the same seeded points,
# СК-42 B L H (degrees) through ПЗ-90 to WGS-84:
#   - geodetic heights, to UTM zone 37, against PROJ's cct with the same two
#     Helmert legs and UTM (and cs2cs with one combined +towgs84 leg);
#   - normal heights, on a clustered survey file (to UTM) and on points spread
#     over the globe (to B L H), against cct with the same pipeline and a
#     vgridshift on egm96_15.gtx. PROJ interpolates the grid bilinearly, the
#     program by a thin-plate spline through up to 36 nodes: the ratio is for
#     orientation only.
# Each vexilor-cli run goes once on one thread (--jobs 1) and once on every
# core of the machine; the geodetic rows, a few seconds each, are the best
# of three runs (one run varies by a fifth on a shared machine), the
# normal-height rows one run. Last, a typed point with normal heights as the
# main window runs it (bench/typed_point.cpp): the first of a process, which
# finds the grid and reads the windows it needs, and the median and worst of
# 199 more runs, each with a grid session of its own. With DROP_CACHES=1
# (root only) the kernel's page cache is emptied first, so that the first
# run reads from the disk.
#
#   [DROP_CACHES=1] bash bench/run.sh [POINTS]   (default 1 000 000; needs a built build/)
set -euo pipefail
cd "$(dirname "$0")/.."
points=${1:-1000000}
bin=${BUILD:-build}/bin
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A survey: Moscow and its region. The globe: every latitude to 80°.
awk -v n="$points" -v w="$work" 'BEGIN {
  srand(20261207); print "BLH" > (w "/survey.in")
  for (i = 1; i <= n; i++) {
    b = 55.2 + 0.8 * rand(); l = 36.8 + 1.6 * rand(); h = 100 + 200 * rand()
    printf "%d %.9f %.9f %.3f\n", i, b, l, h > (w "/survey.in")
    printf "%.9f %.9f %.3f\n", l, b, h > (w "/survey.lonlat")
  }
  print "BLH" > (w "/globe.in")
  for (i = 1; i <= n; i++) {
    b = -80 + 160 * rand(); l = 360 * rand(); h = -50 + 2000 * rand()
    printf "%d %.9f %.9f %.3f\n", i, b, l, h > (w "/globe.in")
    printf "%.9f %.9f %.3f\n", l, b, h > (w "/globe.lonlat")
  } }'

ck42="+x=25 +y=-141 +z=-80 +rx=0 +ry=-0.35 +rz=-0.66 +s=0"
pz90="+x=-1.08 +y=-0.27 +z=-0.90 +rx=0 +ry=0 +rz=-0.16 +s=-0.12"
legs="+step +proj=cart +ellps=krass +step +proj=helmert $ck42 +convention=coordinate_frame
  +step +proj=helmert $pz90 +convention=coordinate_frame +step +inv +proj=cart +ellps=WGS84"
degrees="+step +proj=unitconvert +xy_in=deg +xy_out=rad"
geoid="+step +proj=vgridshift +grids=egm96_15.gtx +multiplier=1"
to_utm="+step +proj=utm +zone=37 +ellps=WGS84"
to_degrees="+step +proj=unitconvert +xy_in=rad +xy_out=deg"

measure() {  # label, command... (the best of $runs runs, 1 unless set)
  local label=$1; shift
  local status=0 best="" bestKb=0 seconds kb run
  for ((run = 0; run < ${runs:-1}; run++)); do
    /usr/bin/time -f "%e %M" -o "$work/time" "$@" || status=$?
    read -r seconds kb < <(tail -n 1 "$work/time")
    if [ -z "$best" ] || awk -v s="$seconds" -v b="$best" 'BEGIN { exit !(s < b) }'; then
      best=$seconds; bestKb=$kb
    fi
  done
  awk -v l="$label" -v s="$best" -v kb="$bestKb" -v n="$points" -v status="$status" \
    'BEGIN { if (status != 0) { printf "| %-50s | failed with status %d |||\n", l, status; exit }
             printf "| %-50s | %8.2f s | %10.0f points/s | %6.1f MB |\n", l, s, (s > 0 ? n / s : 0), kb / 1024 }'
}
cct_run() {  # label, input, pipeline steps
  measure "$1" sh -c "cct -d 4 +proj=pipeline $(echo $3) < '$work/$2' > '$work/cct.out'"
}

cli=("$bin/vexilor-cli" --from CK42 --from-type BLH --from-units 2 --to WGS84)
utm=(--to-type xyH --to-proj utm)
blh=(--to-type BLH --to-units 2)
cores=$(nproc)
echo "| run ($points points, $cores cores) | time | throughput | peak memory |"
echo "|---|---|---|---|"
for jobs in 1 "$cores"; do
  runs=3 measure "vexilor-cli, geodetic heights, --jobs $jobs" \
    "${cli[@]}" "${utm[@]}" --heights geodetic --jobs "$jobs" "$work/survey.in" "$work/v.out"
done
runs=3 cct_run "PROJ cct, the same two-leg pipeline" survey.lonlat "$degrees $legs $to_utm"
runs=3 measure "PROJ cs2cs, one combined +towgs84 leg" sh -c "cs2cs -f %.4f +proj=longlat +ellps=krass +towgs84=23.92,-141.27,-80.9,0,0.35,0.82,-0.12 +to +proj=utm +zone=37 +datum=WGS84 < '$work/survey.lonlat' > '$work/cs2cs.out'"
for jobs in 1 "$cores"; do
  measure "vexilor-cli, normal heights, survey, --jobs $jobs" \
    "${cli[@]}" "${utm[@]}" --heights normal --jobs "$jobs" "$work/survey.in" "$work/v.out"
done
cct_run "PROJ cct, pipeline + vgridshift, survey" survey.lonlat "$degrees $geoid $legs $to_utm"
for jobs in 1 "$cores"; do
  measure "vexilor-cli, normal heights, globe, --jobs $jobs" \
    "${cli[@]}" "${blh[@]}" --heights normal --jobs "$jobs" "$work/globe.in" "$work/v.out"
done
cct_run "PROJ cct, pipeline + vgridshift, globe" globe.lonlat "$degrees $geoid $legs $to_degrees"

cache="grid in the page cache"
if [ "${DROP_CACHES:-0}" = 1 ]; then
  sync && echo 3 > /proc/sys/vm/drop_caches && cache="page cache emptied first"
fi
read -r first median worst < <("$bin/typed_point" "$bin" 200)
echo
echo "| typed point, normal heights ($cache) | first of the process | median | worst |"
echo "|---|---|---|---|"
echo "| СК-42 → WGS-84, B L H | $first ms | $median ms | $worst ms |"
