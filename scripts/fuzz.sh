#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (address and undefined-behaviour
# sanitizers) in build-fuzz/ and runs each for a given time, one after the
# other, on a corpus that starts from the seeds of tests/fuzz/corpus/.
#
#   scripts/fuzz.sh SECONDS [TARGET...]     e.g. scripts/fuzz.sh 30
#
# New inputs go to build-fuzz/corpus/TARGET (the seeds stay as they are);
# an input that breaks a target is kept as build-fuzz/findings/TARGET/crash-*
# and the script exits 1. Prints one line per target: executions, the time,
# the corpus size and the findings.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:?usage: scripts/fuzz.sh SECONDS [TARGET...]}
shift
build=${FUZZ_BUILD:-build-fuzz}

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DVEXILOR_FUZZ=ON -DVEXILOR_SANITIZE=ON -DVEXILOR_WITH_QT=OFF -DVEXILOR_WITH_ORACLE=OFF > /dev/null
fi
cmake --build "$build" -j2 --target vexilor_fuzz_targets > "$build/fuzz-build.log" 2>&1 || { tail -40 "$build/fuzz-build.log"; exit 2; }

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  mapfile -t targets < <(cd tests/fuzz/corpus && ls)
fi

# The targets that write files write them in a folder of this run, in
# memory where there is a tmpfs: a disk file system's flushes would cost
# more than the parsing.
shm=/dev/shm
[ -d "$shm" ] && [ -w "$shm" ] || shm=${TMPDIR:-/tmp}
TMPDIR=$(mktemp -d "$shm/vexilor-fuzz.XXXXXX")
export TMPDIR
trap 'rm -rf "$TMPDIR"' EXIT

export ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
failed=0
printf '%-16s %12s %8s %8s %9s\n' target executions seconds corpus findings
for target in "${targets[@]}"; do
  corpus="$build/corpus/$target"
  findings="$build/findings/$target"
  mkdir -p "$corpus" "$findings"
  log="$build/findings/$target.log"
  status=0
  "$build/bin/${target}_fuzz" -max_total_time="$seconds" -max_len=131072 -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$findings/" -print_final_stats=1 "$corpus" "tests/fuzz/corpus/$target" \
    > "$log" 2>&1 || status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  found=$(find "$findings" -type f | wc -l)
  printf '%-16s %12s %8s %8s %9s\n' "$target" "${runs:-?}" "$seconds" "$(ls "$corpus" | wc -l)" "$found"
  if [ "$status" -ne 0 ] || [ "$found" -ne 0 ]; then
    failed=1
    grep -m1 -A12 -E 'ERROR|broken promise|runtime error' "$log" || tail -20 "$log"
  fi
done
exit "$failed"
