#!/usr/bin/env bash
# Sets up, builds and runs the product's main job from the sample installation.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/setup.sh"
"$top/scripts/build.sh" release
echo "run.sh: the sample installation is not assembled yet" >&2
exit 1
