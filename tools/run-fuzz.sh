#!/usr/bin/env bash
# Runs the fuzz targets of a fuzz build, each for SECONDS (or until it has
# made FUZZ_RUNS executions, when that is set), FUZZ_JOBS at a time (default
# one), at low priority, and prints executions, coverage and findings per target.
#   tools/run-fuzz.sh BUILD SECONDS [TARGET...]     (targets: chart, bmp, ...; default all)
# Each target keeps what it learns in BUILD/fuzz-corpus/TARGET, starts from
# the generated seeds in BUILD/fuzz-seeds/TARGET, and leaves crashing inputs
# in BUILD/fuzz-findings/TARGET; its whole output is BUILD/fuzz-logs/TARGET.log.
set -uo pipefail
# Absolute paths: targets that read by name work in a folder of their own.
build=$(cd "${1:?build folder}" && pwd) || exit 1
seconds=${2:?seconds per target}
shift 2
bin=$build/tests/fuzz
rm -rf "$build/fuzz-seeds"
"$bin/fuzz_seeds" "$build/fuzz-seeds" || exit 1
if [ $# -eq 0 ]; then
  set -- $(cd "$bin" && ls fuzz_* | sed -n 's/^fuzz_//p' | grep -vx seeds)
fi
runs_limit=${FUZZ_RUNS:+-runs=$FUZZ_RUNS}
jobs=${FUZZ_JOBS:-1}

run_target() {
  local target=$1
  local corpus=$build/fuzz-corpus/$target findings=$build/fuzz-findings/$target log=$build/fuzz-logs/$target.log
  mkdir -p "$corpus" "$findings" "$build/fuzz-seeds/$target"
  nice -n 19 "$bin/fuzz_$target" -max_total_time="$seconds" $runs_limit -timeout=20 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$findings/" "$corpus" "$build/fuzz-seeds/$target" >"$log" 2>&1
  echo $? >"$build/fuzz-logs/$target.status"
  local runs speed cov found
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
  cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | cut -d' ' -f2)
  found=$(find "$findings" -type f | wc -l)
  printf '%-16s %12s %8s %8s %9s\n' "$target" "${runs:-?}" "${speed:-?}" "${cov:-?}" "$found"
}

mkdir -p "$build/fuzz-logs"
printf '%-16s %12s %8s %8s %9s\n' target executions exec/s cov findings
for target in "$@"; do
  while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do wait -n; done
  run_target "$target" &
done
wait
status=0
for target in "$@"; do
  [ "$(cat "$build/fuzz-logs/$target.status")" = 0 ] || status=1
done
exit $status
