#!/usr/bin/env bash
# Times the release program on every example input: builds it (and the counting build) in
# build-bench/, runs each example RUNS times (default 5) on one core, and prints the median
# wall time with the number of equilibrium passes (zela4 calls), race-contact evaluations
# (zelc1) and traction evaluations (zeld1) of one run.   Usage: bench/run.sh [RUNS]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-5}
build="$root/build-bench"
gen=()
command -v ninja >/dev/null && gen=(-G Ninja)
cmake -S "$root" -B "$build" "${gen[@]}" -DCMAKE_BUILD_TYPE=Release -DZELORQS_TESTS=OFF \
  -DZELORQS_BENCH=ON >/dev/null
cmake --build "$build" -j4 --target zelorqs zelorqs_bench >/dev/null
pin=()
command -v taskset >/dev/null && pin=(taskset -c 0)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf '%-38s %10s %8s %10s %10s %s\n' example median_s passes contacts tractions status
for f in "$root"/examples/*.txt; do
  cp "$f" "$work/DATA.txt"
  times=()
  status=0
  for ((n = 0; n < runs; n++)); do
    t0=$(date +%s%N)
    (cd "$work" && "${pin[@]}" "$build/zelorqs" >/dev/null 2>&1) || status=$?
    t1=$(date +%s%N)
    times+=($(( (t1 - t0) / 1000 )))
  done
  median=$(printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}')
  counts=$(cd "$work" && "$build/zelorqs_bench" 2>&1 >/dev/null | awk '/^counts/ {print $2, $3, $4}')
  read -r passes contacts tractions <<<"$counts"
  printf '%-38s %10.3f %8s %10s %10s %s\n' "$(basename "$f")" \
    "$(awk -v us="$median" 'BEGIN {print us / 1e6}')" "$passes" "$contacts" "$tractions" "$status"
done
