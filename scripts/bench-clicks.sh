#!/usr/bin/env bash
# Times left clicks in the editor's windows under Wine (bench/win32/ClickBench.cpp) in a
# desktop of its own with the null display driver, as the Windows-side tests run.
#
#   bash scripts/bench-clicks.sh [RUNS]     (after scripts/test.sh has built the Windows build)
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
use_locale
runs="${1:-3}"
bench="$win_build/picoran-click-bench.exe"
if [ ! -x "$bench" ]; then
  cmake --build "$win_build" --target click_bench -j"$(nproc)" >/dev/null || exit 1
fi
for _ in $(seq 1 "$runs"); do
  # A palette pick prints its diagnostic line; only the timings are shown.
  bash "$repo_root/tests/win32/desktop/run-in-desktop.sh" "$win_build/exit-status.exe" "$bench" |
    grep -a -E '^(map view|small palette):'
done
