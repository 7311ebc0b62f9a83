#!/usr/bin/env bash
# Sets up, builds and runs every test: the release build, then the
# AddressSanitizer + UndefinedBehaviorSanitizer build of the same tests.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/setup.sh"
jobs=$(nproc)
for flavour in release asan; do
  echo "== $flavour build"
  "$top/scripts/build.sh" "$flavour"
  echo "== $flavour tests"
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
  export LSAN_OPTIONS=suppressions=$top/tests/lsan.supp
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  ctest --test-dir "$top/build/$flavour" --output-on-failure -j"$jobs"
done

# Fuzzing: the fuzz flavour (build/fuzz) runs every target of tests/fuzz for a short
# time from its seeds (docs/fuzzing.md); a fault fails the run.
echo "== fuzz targets"
"$top/scripts/fuzz.sh" "${TVL_CI_FUZZ_SECONDS:-10}"
echo "All tests passed."
