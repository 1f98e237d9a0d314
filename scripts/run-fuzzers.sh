#!/bin/sh
# Builds the fuzzers of the readers (the map data file, the text map, the recovery copy and
# the clipboard's block) with clang in build/fuzz and runs each for the given number of
# seconds (default 60). Exits non-zero on any crash, leak or sanitizer report.
# New inputs go to build/fuzz/corpus/; the seed corpus in fuzz/corpus/ is only read.
#   run-fuzzers.sh [SECONDS]       build, then run
#   run-fuzzers.sh --build-only    build only
# Each fuzzer is one process on one core; with two cores or more two run side by side, so
# each still gets a whole core for its time and each pair takes the time of one.
# PICORAN_FUZZ_CORES=1 runs them one after the other, leaving the other cores to other work.
set -eu
build_only=false
if [ "${1:-}" = --build-only ]; then build_only=true; shift; fi
seconds="${1:-60}"
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${PICORAN_BUILD_DIR:-$root/build}/fuzz"
cores="${PICORAN_FUZZ_CORES:-$(nproc 2>/dev/null || echo 1)}"

mkdir -p "$build"
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DPICORAN_FUZZ=ON \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >"$build/configure.log" 2>&1 ||
  { cat "$build/configure.log"; exit 1; }
# The readers fuzzed, in the order they run.
kinds="binary text recovery block"
fuzzer_of() {
  case "$1" in
    binary) echo FuzzBinaryMap ;;
    text) echo FuzzTextMap ;;
    recovery) echo FuzzRecoveryFile ;;
    block) echo FuzzBlockJson ;;
  esac
}
targets=""
for kind in $kinds; do targets="$targets $(fuzzer_of "$kind")"; done
# shellcheck disable=SC2086  # one target a word
cmake --build "$build" -j"$(nproc 2>/dev/null || echo 1)" --target $targets \
  >"$build/build.log" 2>&1 || { cat "$build/build.log"; exit 1; }
"$build_only" && exit 0

# Starts one fuzzer in the background; its progress lines go to a log, its exit status to
# FUZZER.status once it ends.
start_fuzzer() {
  kind="$1"
  fuzzer="$(fuzzer_of "$kind")"
  work="$build/corpus/$kind"
  artifacts="$build/artifacts/$kind"
  mkdir -p "$work" "$artifacts"
  rm -f "$build/$fuzzer.status"
  echo "== $fuzzer for $seconds s"
  (
    code=0
    "$build/$fuzzer" -max_total_time="$seconds" -print_final_stats=1 \
      -artifact_prefix="$artifacts/" "$work" "$root/fuzz/corpus/$kind" \
      >"$build/$fuzzer.log" 2>&1 || code=$?
    echo "$code" >"$build/$fuzzer.status"
  ) &
}

# Waits for one fuzzer and shows only its outcome.
finish_fuzzer() {
  kind="$1"
  fuzzer="$(fuzzer_of "$kind")"
  wait "$2" || true
  log="$build/$fuzzer.log"
  if [ "$(cat "$build/$fuzzer.status" 2>/dev/null)" = 0 ]; then
    echo "$fuzzer: $(grep -E '^Done [0-9]+ runs' "$log" || echo 'no final line in its log')"
  else
    tail -n 60 "$log" >&2
    echo "== $fuzzer FAILED; reproducer in $build/artifacts/$kind, log in $log" >&2
    status=1
  fi
}

status=0
if [ "$cores" -ge 2 ]; then
  # Two at a time.
  set -- $kinds
  while [ $# -gt 0 ]; do
    start_fuzzer "$1"
    first_pid=$!
    if [ $# -ge 2 ]; then
      start_fuzzer "$2"
      second_pid=$!
    fi
    finish_fuzzer "$1" "$first_pid"
    if [ $# -ge 2 ]; then
      finish_fuzzer "$2" "$second_pid"
      shift
    fi
    shift
  done
else
  for kind in $kinds; do
    start_fuzzer "$kind"
    finish_fuzzer "$kind" $!
  done
fi
exit "$status"
