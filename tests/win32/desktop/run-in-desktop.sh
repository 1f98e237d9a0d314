#!/usr/bin/env bash
# Runs one Windows test program under Wine inside a desktop of its own that uses Wine's null
# display driver: the CTest emulator of the Windows-side GoogleTest tests.
#
#   run-in-desktop.sh EXIT_STATUS_EXE PROGRAM [ARGS...]
#
# Why: on a bare X display (Xvfb, no window manager) Wine waits for each shown window to be
# mapped by a window manager that is not there, about 6 s per test. A Wine virtual desktop
# on X avoids the wait, but there the pointer warps of SetCursorPos come back as X events
# that reset the cursor while a test reads it. The null driver keeps windows, focus, the
# cursor and painting inside Wine, with no X display at all, so nothing waits and nothing
# arrives late. Each run has its own desktop, so tests running side by side never share a
# cursor, a focus or a foreground window.
#
# Wine's explorer starts PROGRAM inside the new desktop and ends when the desktop closes,
# about a second after PROGRAM has ended, with code 0 whatever PROGRAM did; exit-status.exe
# sits in between and leaves PROGRAM's exit code in a file, which becomes this script's.
# PROGRAM's standard output and error go straight through, as with plain wine. A program
# that CTest kills at its timeout is not ended with this script (Wine detaches the programs
# it starts); it stays until its wineserver stops, which scripts/test.sh does at its end.
set -uo pipefail
if [ $# -lt 2 ]; then
  echo "usage: run-in-desktop.sh EXIT_STATUS_EXE PROGRAM [ARGS...]" >&2
  exit 2
fi
exit_status_exe="$(realpath "$1")"
program="$(realpath "$2")"
shift 2

# Windows path of a Linux path (Wine maps / to drive Z:).
windows_path() { local p="Z:$1"; echo "${p//\//\\}"; }

work="$(mktemp -d "${TMPDIR:-/tmp}/picoran-desktop.XXXXXX")"
trap 'rm -rf "$work"' EXIT
status_file="$work/status"

# The desktop's size is the test display's: the main window sits at (100, 100) and the
# palettes beside it, all well inside. Now and then, with several desktops starting at once,
# a desktop never starts its program; one whose program has not started within 30 s is
# given up and a new one is made, up to three times. A program that did start is never
# started twice: its result stands.
for attempt in 1 2 3; do
  rm -f "$status_file" "$status_file.started"
  wine explorer "/desktop=picoran-test-$$-$RANDOM,1280x1024,null" \
    "$(windows_path "$exit_status_exe")" "$(windows_path "$status_file")" \
    "$(windows_path "$program")" "$@" &
  desktop=$!
  for _ in $(seq 1 300); do
    [ -e "$status_file.started" ] || ! kill -0 "$desktop" 2>/dev/null && break
    sleep 0.1
  done
  if [ -e "$status_file.started" ] || [ -s "$status_file" ]; then
    wait "$desktop"
    break
  fi
  kill "$desktop" 2>/dev/null
  wait "$desktop" 2>/dev/null
  echo "run-in-desktop: the desktop did not start $(basename "$program") (attempt $attempt)" >&2
done

if [ ! -s "$status_file" ]; then
  echo "run-in-desktop: $(basename "$program") ended without an exit status (it did not start, or was killed)" >&2
  exit 1
fi
status=$(tr -d '\r\n' < "$status_file")
[ "$status" = 0 ] && exit 0
# A Windows exit code can exceed what a Linux exit status holds; keep any failure a failure.
low=$((status % 256))
exit $(( low == 0 ? 1 : low ))
