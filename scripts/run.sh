#!/usr/bin/env bash
# Builds the editor and starts it under Wine, in the Japanese locale unless PICORAN_LOCALE
# names another (the editor is right on every code page). Without a
# display it starts a virtual one, waits for the main window, saves a screenshot of the
# whole screen, prints its path and closes the program.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"

setup_then_restart "$@"
use_locale
# A prefix of its own, made on the first run: the tests' prefix holds what they left.
export WINEPREFIX="$run_prefix"
configure_and_build_windows || exit 1
editor="$win_build/picoran-editor.exe"

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  ensure_wine_prefix
  cd "$win_build" && exec wine "$editor"
fi

trap 'stop_display' EXIT
ensure_display || exit 1
ensure_wine_prefix
cd "$win_build"
log="$build_root/run-output.log"
# A Wine virtual desktop gives the windows their frames and captions without a window
# manager; it fills the whole virtual screen.
wine explorer /desktop=picoran,1280x1024 "$editor" >"$log" 2>&1 &
editor_pid=$!

# The three pictures load just before the main window is made.
for _ in $(seq 1 600); do
  [ "$(grep -c 'file load ok' "$log" 2>/dev/null)" -ge 3 ] && break
  kill -0 "$editor_pid" 2>/dev/null || break
  sleep 0.1
done
if [ "$(grep -c 'file load ok' "$log" 2>/dev/null)" -lt 3 ]; then
  echo "the editor did not start; its output:" >&2
  cat "$log" >&2
  exit 1
fi

# Wait until the screen has settled: two pictures in a row that are the same.
screenshot="${PICORAN_SCREENSHOT:-$build_root/screenshot.png}"
previous=""
for _ in $(seq 1 40); do
  sleep 0.5
  import -window root "$screenshot"
  current=$(md5sum < "$screenshot")
  [ "$current" = "$previous" ] && break
  previous="$current"
done
echo "screenshot: $screenshot"

# Close as a designer would: click the main window's caption, press Escape.
xdotool mousemove 160 110 click 1
sleep 0.3
xdotool key Escape
for _ in $(seq 1 100); do
  kill -0 "$editor_pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$editor_pid" 2>/dev/null; then
  kill "$editor_pid" 2>/dev/null
fi
wineserver -k >/dev/null 2>&1 || true
wait "$editor_pid" 2>/dev/null
exit 0
