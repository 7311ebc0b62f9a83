#!/usr/bin/env bash
# Builds the fuzz flavour (build/fuzz: clang, libFuzzer, ASan + UBSan) and runs every
# fuzz target of tests/fuzz, one after the other, for SECONDS each (default 60).
#   scripts/fuzz.sh [SECONDS] [READER...]      e.g. scripts/fuzz.sh 30 csv formula
#   TVL_FUZZ_RUNS=N scripts/fuzz.sh 0 READER   a fixed number of executions instead
# Seeds come from tests/fuzz/corpus/<reader>/ (never written); what a run adds goes to
# build/fuzz/corpus/<reader>/, faults to build/fuzz/findings/<reader>/. Prints the
# executions per target; exit 1 when any target found a fault. See docs/fuzzing.md.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
shift || true
dir="$top/build/fuzz"

if [ ! -f "$dir/build.ninja" ]; then
  cmake -S "$top" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DTVL_FUZZ=ON
fi
cmake --build "$dir" --target fuzz_targets

readers=("$@")
if [ ${#readers[@]} -eq 0 ]; then
  for src in "$top"/tests/fuzz/*_fuzz.cpp; do
    name=$(basename "$src" .cpp)
    readers+=("${name%_fuzz}")
  done
fi

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
failed=()
summary=()
for reader in "${readers[@]}"; do
  exe="$dir/bin/${reader}_fuzz"
  if [ ! -x "$exe" ]; then
    echo "fuzz.sh: no target '$reader'" >&2
    exit 2
  fi
  work="$dir/corpus/$reader" findings="$dir/findings/$reader"
  mkdir -p "$work" "$findings"
  seeds="$top/tests/fuzz/corpus/$reader"
  args=(-timeout=10 -rss_limit_mb=2560 -print_final_stats=1
        "-artifact_prefix=$findings/")
  if [ -n "${TVL_FUZZ_RUNS:-}" ]; then
    args+=("-runs=$TVL_FUZZ_RUNS")
  else
    args+=("-max_total_time=$seconds")
  fi
  [ -f "$top/tests/fuzz/$reader.dict" ] && args+=("-dict=$top/tests/fuzz/$reader.dict")
  corpora=("$work")
  [ -d "$seeds" ] && corpora+=("$seeds")
  log="$dir/findings/$reader.log"
  echo "== fuzz $reader"
  if "$exe" "${args[@]}" "${corpora[@]}" >"$log" 2>&1; then
    result=ok
  else
    result=FAULT
    failed+=("$reader")
    grep -E "ERROR|SUMMARY|Test unit written" "$log" | head -5 || true
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  summary+=("$(printf '%-20s %-6s %s executions' "$reader" "$result" "${runs:-?}")")
done
printf '%s\n' "${summary[@]}"
if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzz.sh: faults in ${failed[*]} (inputs and logs in $dir/findings)" >&2
  exit 1
fi
