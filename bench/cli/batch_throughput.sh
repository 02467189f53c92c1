#!/usr/bin/env bash
# Times the batch modes of kthread-calc through standard input and output on generated records
# and prints records per second, by wall clock and per CPU second.
#
# Usage: bench/cli/batch_throughput.sh [KTHREAD_CALC] [RECORDS]
#   KTHREAD_CALC  the program to time (default: build-release/src/cli/kthread-calc); build it with
#                 cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release
#                 cmake --build build-release --target kthread-calc
#   RECORDS       records per format (default 1000000)
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
calc=${1:-"$root/build-release/src/cli/kthread-calc"}
records=${2:-1000000}

if [[ ! -x "$calc" ]]; then
  echo "no program at $calc; see the usage at the top of $0" >&2
  exit 2
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for format in jsonl csv; do
  python3 "$here/make_records.py" "$format" "$records" > "$work/in.$format"
done

# Each format runs three times; the fastest run counts, as the others lost time to other work
# on the machine.
TIMEFORMAT='%R %U %S'
status=0
for format in jsonl csv; do
  best=""
  for run in 1 2 3; do
    { time "$calc" "--$format" < "$work/in.$format" > "$work/out.$format" 2> "$work/err"; } \
      2> "$work/time" || status=$?
    if [[ -s "$work/err" ]]; then
      cat "$work/err" >&2
    fi
    read -r real user sys < "$work/time"
    if [[ -z "$best" ]] || awk -v a="$real" -v b="${best%% *}" 'BEGIN { exit !(a < b) }'; then
      best="$real $user $sys"
    fi
  done
  read -r real user sys <<< "$best"
  lines=$(wc -l < "$work/out.$format")
  errors=$(grep -c -e '"error"' -e '^line,' "$work/out.$format" || true)
  awk -v f="$format" -v n="$records" -v r="$real" -v u="$user" -v s="$sys" \
      -v l="$lines" -v e="$errors" 'BEGIN {
        printf "%-5s %d records in %.2f s: %.0f records/s wall, %.0f records/s per CPU second" \
               " (%d output lines, %d errors)\n", f, n, r, n / r, n / (u + s), l, e }'
done
echo "machine: $(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg)"
exit "$status"
