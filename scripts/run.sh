#!/usr/bin/env bash
# Sets up, builds and runs the product's main job from the sample installation:
# Trevlon starts the host program acad.exe with the loader module, the loader loads
# zelcor.arx and KW.arx, and the host runs the installation's startup script.
#
#   scripts/run.sh        run the tour and end (the host's standard input is empty)
#   scripts/run.sh -i     then keep the host's command prompt on this terminal
#   scripts/run.sh --live the same with real windows (docs/live.md): after the tour the
#                         tour's first dialog (the string grid) opens for you to use
#
# The launcher does not wait for the host (it ends after its splash). This script
# waits for it all the same: everything the launcher starts inherits the write end
# of one pipe, and the reading end sees end-of-file only when the last of them (the
# host) has ended. No process ids, no polling.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
interactive=0
live=0
if [ "${1:-}" = "-i" ]; then interactive=1; fi
if [ "${1:-}" = "--live" ]; then interactive=1; live=1; fi

"$top/scripts/setup.sh"
"$top/scripts/build.sh" release sample_install

sample="$top/build/release/sample"
launcher="$sample/Trevlon/Trevlon"
if [ ! -x "$launcher" ]; then
  echo "run.sh: $launcher was not built" >&2
  exit 1
fi
if [ ! -x "$sample/Trevlon/acad/acad.exe" ]; then
  echo "run.sh: the host program is not built yet; the launcher will report its settings" >&2
fi

export TREVLON_SPLASH_MS=${TREVLON_SPLASH_MS:-300}
log=$(mktemp)
trap 'rm -f "$log"' EXIT
echo "run.sh: starting $launcher"
if [ "$live" = 1 ]; then
  export TREVLON_LIVE=1
  { echo TVLSTRINGGRID; cat; } | "$launcher" 2>&1 | tee "$log"
elif [ "$interactive" = 1 ]; then
  "$launcher" 2>&1 | tee "$log"
else
  "$launcher" </dev/null 2>&1 | tee "$log"
fi

# The host's transcript names the modules it loaded, and says when its startup
# script failed.
if ! grep -q "KW.arx" "$log"; then
  echo "run.sh: the host did not report loading KW.arx" >&2
  exit 1
fi
if grep -q "^startup.scr: FAILED" "$log"; then
  echo "run.sh: the startup script failed" >&2
  exit 1
fi
echo "run.sh: done"
