#!/usr/bin/env bash
# Rewrites the outputs that both builds of picoran-map are held to: the native tool's tests
# (ExpectedOutputTest.cpp) and the Windows build's tool-win tests compare against these files,
# so the two tools agree byte for byte. Run after a deliberate change of the tool's output,
# the fuzz corpus or the pictures in res/, with a native build of the tool:
#   bash tests/tools/expected/update.sh build/native/picoran-map
set -euo pipefail
tool="$(realpath "$1")"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
cd "$here/../../.."  # paths in check's lines are relative to the repository

"$tool" check fuzz/corpus/binary/chips-2x2.bin >"$here/check-chips-2x2.txt"
status=0
"$tool" check fuzz/corpus/binary/truncated-layer1.bin >"$here/check-truncated-layer1.txt" || status=$?
[ "$status" -eq 1 ] || { echo "check of a damaged file gave status $status, not 1" >&2; exit 1; }
"$tool" dump fuzz/corpus/binary/chips-2x2.bin >"$here/chips-2x2.dump"
"$tool" dump fuzz/corpus/binary/comment-256.bin >"$here/comment-256.dump"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
"$tool" convert fuzz/corpus/text/example-2x1.txt "$work/converted.bin" >/dev/null
"$tool" dump "$work/converted.bin" >"$here/example-2x1-converted.dump"
"$tool" render fuzz/corpus/binary/chips-2x2.bin "$here/chips-2x2.png" >/dev/null
echo "updated the expected outputs in $here"
