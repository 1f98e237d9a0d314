#!/usr/bin/env bash
# Builds everything and runs every test: the core natively under AddressSanitizer and
# UBSan, then the Windows-side tests under Wine (each in a desktop of its own with the null
# display driver) beside the end-to-end test in a virtual display and the fuzzers.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"

setup_then_restart "$@"
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

echo "== building the readers' fuzzers"
bash "$repo_root/scripts/run-fuzzers.sh" --build-only || status=1

echo "== Windows build, Windows-side and end-to-end tests (Wine)"
configure_and_build_windows || exit 1
wait_for_wine_prefix
start_wineserver
start_wineserver "$foreign_prefix"
# Each Windows-side test process spends about a second waiting for its desktop to close, so
# twice as many processes as cores keep the cores busy.
# The fuzzers run one after the other on one core beside these tests, at the lowest
# priority: they take what the tests leave while they wait for the editor to answer, and
# never hold up the end-to-end test, the longest of them.
# Four readers at 25 s each take a little less time than the end-to-end test.
fuzz_seconds="${PICORAN_FUZZ_SECONDS:-25}"
fuzz_log="$build_root/fuzz-output.log"
PICORAN_FUZZ_CORES=1 nice -n 19 bash "$repo_root/scripts/run-fuzzers.sh" "$fuzz_seconds" >"$fuzz_log" 2>&1 &
fuzz_pid=$!
ctest_log="$build_root/windows-ctest.log"
# Every test that starts the editor gives it a local application data folder of its own, so
# that nothing one test keeps (recent maps, recovery copies, versions) reaches another. The
# editor's folder in a prefix's own profile is then never written: whatever in it is newer
# than this mark was written by a test that forgot its folder.
profile_mark="$build_root/profile-mark"
touch "$profile_mark"
(cd "$win_build" && ctest --output-on-failure -j"$((2 * $(nproc)))") 2>&1 | tee "$ctest_log"
[ "${PIPESTATUS[0]}" -eq 0 ] || status=1
written=$(find "$WINEPREFIX"/drive_c/users/*/AppData/Local/picoran-editor \
  "$foreign_prefix"/drive_c/users/*/AppData/Local/picoran-editor -newer "$profile_mark" 2>/dev/null)
echo "== fuzzing the readers ($fuzz_seconds s each, beside the Windows-side tests)"
wait "$fuzz_pid" || status=1
cat "$fuzz_log"
stop_wineserver
stop_wineserver "$foreign_prefix"

# CTest's summary of the Windows-side tests comes last, after the fuzzers' outcome.
echo "== Windows-side and end-to-end tests"
sed -n '/tests passed/,$p' "$ctest_log"
if [ -n "$written" ]; then
  echo "tests wrote into the prefix's own profile instead of a folder of their own:" >&2
  echo "$written" >&2
  status=1
fi

exit $status
