#!/bin/sh
# Builds the map file fuzzers with clang in build/fuzz and runs each for the given number of
# seconds (default 60). Exits non-zero on any crash, leak or sanitizer report.
# New inputs go to build/fuzz/corpus/; the seed corpus in fuzz/corpus/ is only read.
set -eu
seconds="${1:-60}"
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${PICORAN_BUILD_DIR:-$root/build}/fuzz"

mkdir -p "$build"
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DPICORAN_FUZZ=ON \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >"$build/configure.log" 2>&1 ||
  { cat "$build/configure.log"; exit 1; }
cmake --build "$build" -j2 --target FuzzBinaryMap FuzzTextMap >"$build/build.log" 2>&1 ||
  { cat "$build/build.log"; exit 1; }

status=0
for kind in binary text; do
  case "$kind" in
    binary) fuzzer=FuzzBinaryMap ;;
    text) fuzzer=FuzzTextMap ;;
  esac
  work="$build/corpus/$kind"
  artifacts="$build/artifacts/$kind"
  mkdir -p "$work" "$artifacts"
  echo "== $fuzzer for $seconds s"
  log="$build/$fuzzer.log"
  # The fuzzer's progress lines go to a log; only the outcome is shown.
  if "$build/$fuzzer" -max_total_time="$seconds" -print_final_stats=1 \
       -artifact_prefix="$artifacts/" "$work" "$root/fuzz/corpus/$kind" >"$log" 2>&1; then
    grep -E '^Done [0-9]+ runs' "$log" || true
  else
    tail -n 60 "$log" >&2
    echo "== $fuzzer FAILED; reproducer in $artifacts, log in $log" >&2
    status=1
  fi
done
exit "$status"
