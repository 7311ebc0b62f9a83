#!/usr/bin/env bash
# Configures and builds one flavour of the tree: release (default) or asan.
#   scripts/build.sh [release|asan] [ninja targets...]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
flavour=${1:-release}
shift || true
case "$flavour" in
  release) flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo) ;;
  asan)    flags=(-DCMAKE_BUILD_TYPE=Debug -DTVL_SANITIZE=ON -DTVL_BUILD_BENCH=OFF) ;;
  *) echo "build.sh: unknown flavour '$flavour' (release or asan)" >&2; exit 2 ;;
esac
dir="$top/build/$flavour"
if [ ! -f "$dir/build.ninja" ]; then
  cmake -S "$top" -B "$dir" -G Ninja "${flags[@]}"
fi
cmake --build "$dir" -- "$@"
