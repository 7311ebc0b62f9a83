#!/usr/bin/env bash
# Builds the release flavour and writes PNG snapshots of the module's dialogs.
#   scripts/snapshots.sh [folder]      (default: build/snapshots)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$top/build/snapshots}
"$top/scripts/setup.sh"
"$top/scripts/build.sh" release kw_dialog_snapshots
"$top/build/release/bin/kw_dialog_snapshots" "$out"

# ---- The spreadsheet editor's format dialogs and a sheet showing what they set ----
"$top/scripts/build.sh" release kw_cellformat_snapshots
"$top/build/release/bin/kw_cellformat_snapshots" "$out"
