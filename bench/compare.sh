#!/usr/bin/env bash
# Runs two builds of the program on every example input and every fuzz corpus seed and compares
# what they leave behind: the report PRINT.txt byte for byte and the exit status. Prints one line
# per input that differs (and the user CPU seconds of both builds per input with -t), then a
# closing count. Exit status 0 when nothing differs. A speed change must leave every report as
# it was. Further inputs (files, or folders of .txt inputs) may follow the two programs.
#   Usage: bench/compare.sh [-t] [-j JOBS] OLD_PROGRAM NEW_PROGRAM [INPUT...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
timing=0
jobs=1
while getopts "tj:" opt; do
  case $opt in
    t) timing=1 ;;
    j) jobs=$OPTARG ;;
    *) exit 2 ;;
  esac
done
shift $((OPTIND - 1))
[ $# -ge 2 ] || { echo "usage: $0 [-t] [-j JOBS] OLD_PROGRAM NEW_PROGRAM [INPUT...]" >&2; exit 2; }
old=$(realpath "$1")
new=$(realpath "$2")
shift 2
inputs=("$root"/examples/*.txt "$root"/tests/fuzz/corpus/*)
for extra in "$@"; do
  if [ -d "$extra" ]; then inputs+=("$(realpath "$extra")"/*.txt); else inputs+=("$(realpath "$extra")"); fi
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One input: both programs in their own folder; writes "name status user_old user_new".
one() {
  local input=$1 old=$2 new=$3 work=$4
  local name
  name=$(basename "$(dirname "$input")")-$(basename "$input")
  local line="$name"
  for side in old new; do
    local dir="$work/$name.$side" prog=$old
    [ $side = new ] && prog=$new
    mkdir -p "$dir"
    cp "$input" "$dir/DATA.txt"
    local rc=0
    (cd "$dir" && TIMEFORMAT=%U && { time timeout 600 "$prog" >/dev/null 2>&1; } 2>"$dir/.time") || rc=$?
    echo "$rc" >"$dir/.rc"
    line+=" $(cat "$dir/.time")"
  done
  local status=same
  if ! cmp -s "$work/$name.old/.rc" "$work/$name.new/.rc"; then
    status="exit-status-differs"
  elif [ -e "$work/$name.old/PRINT.txt" ] || [ -e "$work/$name.new/PRINT.txt" ]; then
    cmp -s "$work/$name.old/PRINT.txt" "$work/$name.new/PRINT.txt" || status="report-differs"
  fi
  echo "$line $status"
  rm -rf "$work/$name.old" "$work/$name.new"
}
export -f one

printf '%s\n' "${inputs[@]}" |
  xargs -P "$jobs" -I{} bash -c 'one "$@"' _ {} "$old" "$new" "$work" | sort >"$work/results"

differ=$(awk '$4 != "same"' "$work/results" | wc -l)
total=$(wc -l <"$work/results")
if [ "$timing" = 1 ]; then
  printf '%-52s %9s %9s %s\n' input old_user_s new_user_s result
  awk '{printf "%-52s %9s %9s %s\n", $1, $2, $3, $4}' "$work/results"
else
  awk '$4 != "same" {print $1, $4}' "$work/results"
fi
echo "compared: $((total - differ)) passed, $differ failed"
[ "$differ" -eq 0 ]
