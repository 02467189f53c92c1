#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for SECONDS (default 30) on a copy of its
# seed corpus. Fails when any target reports a finding (crash, sanitizer error, leak, timeout).
# Usage: fuzz/run_all.sh [SECONDS]
set -euo pipefail
seconds=${1:-30}
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-fuzz"
work="$root/fuzz/corpus-run"

CXX=${CXX:-clang++} CC=${CC:-clang} cmake -S "$root" -B "$build" -G Ninja \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKTHREAD_FUZZ=ON -DKTHREAD_GUI=OFF >/dev/null

# Targets that write files run several times faster on a memory file system.
if [[ -d /dev/shm && -w /dev/shm ]]; then export TMPDIR=/dev/shm; fi

mapfile -t targets < <(grep -v '^$' "$build/fuzz/fuzzers.txt")
names=()
for line in "${targets[@]}"; do names+=("${line%% *}"); done
cmake --build "$build" --target "${names[@]}"

failed=()
for line in "${targets[@]}"; do
  name=${line%% *}
  seeds=${line#* }
  corpus="$work/$name"
  artifacts="$work/$name-findings"
  rm -rf "$corpus" "$artifacts"
  mkdir -p "$corpus" "$artifacts"
  if [[ -d "$seeds" ]]; then cp -r "$seeds"/. "$corpus"/; fi
  echo "== $name: ${seconds}s"
  exe=$(find "$build/fuzz" -type f -name "$name" -perm -u+x | head -n1)
  if ! "$exe" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -artifact_prefix="$artifacts/" -print_final_stats=1 "$corpus" 2>"$work/$name.log"; then
    failed+=("$name")
  fi
  grep -E '^(stat::number_of_executed_units|stat::new_units_added|#[0-9]+ +DONE)' \
    "$work/$name.log" || true
  if compgen -G "$artifacts/*" >/dev/null; then
    failed+=("$name")
  fi
done

if ((${#failed[@]} > 0)); then
  echo "Findings in: ${failed[*]} (see $work)" >&2
  exit 1
fi
echo "No findings."
