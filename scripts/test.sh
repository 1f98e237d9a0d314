#!/usr/bin/env bash
# Builds everything and runs every test: the core natively under AddressSanitizer and
# UBSan, the fuzzers, then the Windows-side tests under Wine (each in a desktop of its own
# with the null display driver) beside the end-to-end test in a virtual display.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"

bash "$repo_root/scripts/setup.sh" || exit 1
use_locale
# A prefix still being made is finished before the script ends, never left half made.
trap 'wait_for_wine_prefix; stop_wineserver; stop_wineserver "$foreign_prefix"; stop_display' EXIT
status=0

# A new Wine prefix takes a while to make and mostly waits meanwhile; it is made while the
# native build runs.
ensure_display || exit 1
start_preparing_wine_prefix

echo "== native core tests (AddressSanitizer, UBSan)"
cmake -S "$repo_root" -B "$native_build" -DPICORAN_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug >/dev/null || exit 1
cmake --build "$native_build" -j"$(nproc)" || exit 1
(cd "$native_build" && ctest --output-on-failure -j"$(nproc)") || status=1

if [ -x "$repo_root/scripts/run-fuzzers.sh" ] || [ -f "$repo_root/scripts/run-fuzzers.sh" ]; then
  echo "== fuzzing the map readers (${PICORAN_FUZZ_SECONDS:-60} s each)"
  bash "$repo_root/scripts/run-fuzzers.sh" "${PICORAN_FUZZ_SECONDS:-60}" || status=1
fi

echo "== Windows build, Windows-side and end-to-end tests (Wine)"
configure_and_build_windows || exit 1
wait_for_wine_prefix
start_wineserver
start_wineserver "$foreign_prefix"
# Each Windows-side test spends about a second waiting for its desktop to close, so twice
# as many tests as cores keep the cores busy.
(cd "$win_build" && ctest --output-on-failure -j"$((2 * $(nproc)))") || status=1
stop_wineserver
stop_wineserver "$foreign_prefix"

exit $status
