#!/usr/bin/env bash
# Builds the editor and starts it under Wine with the Japanese code page. Without a
# display it starts a virtual one, waits for the main window, saves a screenshot of the
# whole screen, prints its path and closes the program.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"

bash "$repo_root/scripts/setup.sh" || exit 1
configure_and_build_windows || exit 1
editor="$win_build/picoran-editor.exe"

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  ensure_wine_prefix
  cd "$win_build" && exec wine "$editor"
fi

trap stop_display EXIT
ensure_display || exit 1
ensure_wine_prefix
cd "$win_build"
wine "$editor" &
editor_pid=$!

# The caption is Japanese; the class's window shows up under Wine's own window name.
window=""
for _ in $(seq 1 300); do
  window=$(xdotool search --onlyvisible --name 'ぴこらんエディタ' 2>/dev/null | head -n 1)
  [ -n "$window" ] && break
  sleep 0.1
done
if [ -z "$window" ]; then
  echo "the main window did not appear" >&2
  kill "$editor_pid" 2>/dev/null
  exit 1
fi
sleep 1  # let the palettes finish drawing before the picture is taken
screenshot="${PICORAN_SCREENSHOT:-$build_root/screenshot.png}"
import -window root "$screenshot"
echo "screenshot: $screenshot"
# Close as a user would: focus the window by its caption, press Escape.
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove $((X + 60)) $((Y + 10)) click 1 key Escape
for _ in $(seq 1 100); do
  kill -0 "$editor_pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$editor_pid" 2>/dev/null; then
  kill "$editor_pid" 2>/dev/null
  wineserver -k >/dev/null 2>&1 || true
fi
wait "$editor_pid" 2>/dev/null
exit 0
