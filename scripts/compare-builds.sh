#!/usr/bin/env bash
# Runs a matrix of vexilor-cli commands (every .in example through every target
# type, unit, projection and height kind; the identity files; the service
# tools; the help) with two builds and compares every
# output byte and exit status: the proof that a change kept what it should.
#   bash scripts/compare-builds.sh OLD_BUILD/bin NEW_BUILD/bin
old=$(cd "$1" && pwd); new=$(cd "$2" && pwd)
src=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
fails=0; count=0
run() {  # run DIR NAME ARGS...
  local bin=$1; shift; local name=$1; shift
  ( cd "$work" && "$bin/vexilor-cli" --data "$bin" "$@" > "$work/$name.stdout" 2> "$work/$name.stderr"; echo $? > "$work/$name.status" )
}
compare() {  # compare ARGS... (output is '-')
  count=$((count+1))
  run "$old" old "$@"; run "$new" new "$@"
  for k in stdout stderr status; do
    if ! cmp -s "$work/old.$k" "$work/new.$k"; then
      fails=$((fails+1)); echo "DIFF ($k): $*"; diff <(head -c 3000 "$work/old.$k") <(head -c 3000 "$work/new.$k") | head -6; break
    fi
  done
}
fromargs() {  # fromargs FILE -> source options
  case $(basename "$1") in
    ck42-degrees.in) echo "--from CK42 --from-type BLH --from-units 2";;
    ck42-dm.in) echo "--from CK42 --from-type BLH --from-units 1";;
    ck42-dms.in) echo "--from CK42 --from-type BLH";;
    ck42-gk-marks.in) echo "--from CK42 --from-type xyH --from-proj gk";;
    ck95-gk.in) echo "--from CK95 --from-type xyH --from-proj gk";;
    pz90-xyz-km.in) echo "--from PZ90 --from-type XYZ --from-units 1";;
    wgs84-radians.in) echo "--from WGS84 --from-type BLH --from-units 3";;
    wgs84-utm-km.in) echo "--from WGS84 --from-type xyH --from-units 1 --from-proj utm";;
    wgs84-xyz.in | wgs84-xyz-marks.in) echo "--from WGS84 --from-type XYZ";;
  esac
}
targets=(
  "--to-type BLH" "--to-type BLH --to-units 1" "--to-type BLH --to-units 2,1" "--to-type BLH --to-units 3"
  "--to-type XYZ" "--to-type XYZ --to-units 1"
  "--to-type xyH --to-proj gk" "--to-type xyH --to-proj utm" "--to-type xyH --to-proj lambert"
  "--to-type xyH --to-proj gk --zone 7" "--to-type xyH --to-proj utm --to-units 1"
  "--to-type xyH --to-proj 0,0,9,6,0,500000,1,0,1"
)
for f in $src/data/examples/*.in; do
  for sys in CK42 CK95 PZ90 WGS84; do
    for t in "${targets[@]}"; do
      for h in "--heights geodetic" "--heights normal --geoid-column"; do
        compare $(fromargs "$f") --to $sys $t $h "$f" -
      done
    done
  done
done
# the identity files and their runs
id=$src/tests/cli/identity
compare --from CK42 --from-type BLH --from-units 2 --to WGS84 --to-type xyH --to-proj utm $id/clustered.in -
compare --from WGS84 --from-type BLH --from-units 2 --to CK95 --to-type BLH --to-units 1 --geoid-column $id/worldwide.in -
compare --from CK95 --from-type BLH --from-units 2 --to WGS84 --to-type BLH --to-units 0 --geoid-column $id/polar.in -
compare --from CK42 --from-type xyH --from-proj gk --to WGS84 --to-type BLH --to-units 0 $id/plane.in -
compare --from CK42 --from-type BLH --from-units 3,1 --to WGS84 --to-type XYZ --to-units 1 $id/geocentric.in -
compare --from WGS84 --from-type BLH --from-units 2 --to CK42 --to-type BLH --to-units 1 --geoid-column $id/badline.in -
# service tools
for s in 1000000 500000 200000 100000 50000 25000 10000; do
  compare sheet --scale $s "55 45 20.5" "37 37 12"
  compare sheet --scale $s --xy 6179000 7413000
done
for n in "N-37" "N-37-4" "N-37-4-А" "N-37-4-А-а" "N-37-4-А-а-1" "N-37-004" "(N) N-37-4"; do
  for s in 1000000 500000 200000 100000 50000 25000 10000; do compare frame --scale $s "$n"; done
done
for u in 0 1 2 3; do compare grads --to-grads --units $u 90; compare grads --to-degrees --units $u "61 99 00"; done
for k in 0 1 2 3; do compare length --to-metres --combination $k "1 2 6"; compare length --to-english --combination $k 1000; done
compare --help; compare --version; compare sheet --help
echo "compared $count commands, $fails differ"
rm -rf "$work"
[ "$fails" = 0 ]
