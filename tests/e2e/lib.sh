# Helpers of the end-to-end test: start and stop the editor, drive it with xdotool,
# observe it with the probe and screenshots. Sourced by workflow.sh, which sets
# EDITOR (the .exe), PROBE (probe.exe), ART (screenshots kept), WORK (scratch) and
# PROFILE (the editor's local application data folder).
#
# Every wait polls: for a window, a caption, the focus, a line of output, a file or a
# change on the screen. Short pauses between keystrokes are the only fixed sleeps.

E2E_HERE="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
TIMEOUT_MS=10000
shot_number=0
current_step=""
run_name=""
editor_pid=""
editor_windows_pid=""
E2E_DESKTOP=""

step() {
  current_step="$1"
  echo "-- $run_name: $1 (at ${SECONDS} s)"
}

fail() {
  echo "FAIL ($run_name, $current_step): $*" >&2
  import -window root "$ART/failed-$run_name.png" 2>/dev/null &&
    echo "screen at the failure: $ART/failed-$run_name.png" >&2
  exit 1
}

# ------------------------------------------------------------------ observing

probe() { wine "$PROBE" --desktop "$E2E_DESKTOP" "$@"; }

# Windows path of a Linux path (Wine maps / to drive Z:).
windows_path() { local p="Z:$1"; echo "${p//\//\\}"; }

# Keeps a screenshot of the whole screen as an artefact: NN-name.png.
shot() {
  shot_number=$((shot_number + 1))
  last_shot="$ART/$(printf '%02d' "$shot_number")-$1.png"
  import -window root "$last_shot" || fail "no screenshot"
  echo "   screenshot $(basename "$last_shot")"
}

# A scratch screenshot for pixel checks (uncompressed: it is read back at once).
grab() { import -window root "$WORK/grab.ppm" && echo "$WORK/grab.ppm"; }

# A digest of the pixels of a screen rectangle, taken straight from the screen: no file and
# no Python, as the waits for a change take one every tenth of a second. Nothing when the
# screen cannot be read.
screen_digest() {  # x, y, width, height
  local sum
  sum=$(set -o pipefail; import -window root -crop "${3}x${4}+${1}+${2}" +repage -depth 8 rgb:- | md5sum) ||
    return 1
  echo "${sum%% *}"
}

# Repeats a command until it succeeds, for at most $1 milliseconds.
poll() {
  local limit=$(( $(date +%s%N) / 1000000 + $1 ))
  shift
  until "$@"; do
    [ $(( $(date +%s%N) / 1000000 )) -ge $limit ] && return 1
    sleep 0.1
  done
}

wait_window() { probe wait-window "$1" "$TIMEOUT_MS" >/dev/null || fail "window '$1' did not appear"; }
wait_gone() { probe wait-gone "$1" "$TIMEOUT_MS" || fail "window '$1' did not go away"; }

expect_caption() {
  local actual
  actual=$(probe wait-caption "$1" "$TIMEOUT_MS") || fail "caption is '$actual', expected '$1'"
  echo "   caption: $actual"
}

expect_text() {  # dialog title, control id, expected text
  poll "$TIMEOUT_MS" box_holds "$@" ||
    fail "box $2 of '$1' holds '$(probe text "$1" "$2" 2>&1)', expected '$3'"
}
box_holds() { [ "$(probe text "$1" "$2")" = "$3" ]; }

expect_checked() {  # dialog title, control id, 1 or 0
  poll "$TIMEOUT_MS" box_checked "$@" ||
    fail "check box $2 of '$1' is $(probe checked "$1" "$2" 2>&1), expected $3"
}
box_checked() { [ "$(probe checked "$1" "$2")" = "$3" ]; }

# ------------------------------------------------------------------ standard output

# The editor's standard output so far, without the \r of its text-mode line ends.
stdout_now() { tr -d '\r' < "$WORK/$run_name.stdout"; }

# Lines the editor must have written so far, in order; compared exactly.
expected_stdout=""
stdout_matches() { [ "$(stdout_now)" = "$expected_stdout" ]; }
expect_stdout() {
  if ! poll "$TIMEOUT_MS" stdout_matches; then
    diff <(echo "$expected_stdout") <(stdout_now) >&2
    fail "standard output differs from the expected lines (< expected, > actual)"
  fi
}
expect_line() {
  expected_stdout+="${expected_stdout:+$'\n'}$1"
  expect_stdout
  echo "   stdout: $1"
}

# ------------------------------------------------------------------ starting and stopping

editor_output_ready() {
  [ "$(grep -c 'file load ok' "$WORK/$run_name.stdout" 2>/dev/null)" -ge 3 ] && return 0
  kill -0 "$editor_pid" 2>/dev/null || fail "the editor ended at start-up: $(cat "$WORK/$run_name.stderr")"
  return 1
}

# Until the editor's desktop exists the probe cannot enter it and says so.
main_window_shown() { probe wait-window @main 200 >/dev/null 2>&1; }

# Starts the editor in a Wine virtual desktop of its own (frames, captions and focus
# handled by Wine alone), with WORK as its current folder and PROFILE as its local
# application data folder, which both runs share and no other test sees. Wine gives a
# program started from Linux the prefix's folder whatever the environment says, so cmd
# sets it for the editor. The editor is the first Wine program of each run, so Wine's
# background services inherit its log files, never the test's own output (which CTest
# would then wait on); the probe only runs beside it.
start_editor() {
  run_name="$1"
  shot_number=$2
  E2E_DESKTOP="picoran-e2e-$$-$run_name"
  expected_stdout=""
  mkdir -p "$PROFILE"
  (cd "$WORK" && exec wine explorer "/desktop=$E2E_DESKTOP,1280x1024" cmd /c \
    "set LOCALAPPDATA=$(windows_path "$PROFILE")&& $(windows_path "$EDITOR")") \
    >"$WORK/$run_name.stdout" 2>"$WORK/$run_name.stderr" &
  editor_pid=$!
  poll 60000 editor_output_ready || fail "the editor did not load its pictures"
  poll 30000 main_window_shown || fail "the main window did not appear"
  editor_windows_pid=$(probe pid @main)
  # Screen and desktop coordinates are the same only while the desktop fills the screen
  # from its top-left corner.
  local desktop_at
  desktop_at=$(xwininfo -name "$E2E_DESKTOP - Wine desktop" 2>/dev/null |
    awk '/Absolute upper-left [XY]/ {printf "%s ", $4}')
  [ "$desktop_at" = "0 0 " ] || fail "the Wine desktop is not at the screen's top-left corner: '$desktop_at'"
  wait_window "Palette 40*40"
  wait_window "Palette 80*80"
  read -r main_x main_y main_w main_h <<<"$(probe client @main)"
  read -r window_x window_y window_w window_h <<<"$(probe wait-window @main 0)"
  read -r small_x small_y _ _ <<<"$(probe client 'Palette 40*40')"
  read -r large_x large_y _ _ <<<"$(probe client 'Palette 80*80')"
}

editor_ended() { ! kill -0 "$editor_pid" 2>/dev/null; }

# Escape closes the whole program, whichever of its windows has the focus.
stop_editor() {
  focus_main
  xdotool key Escape
  if ! poll 20000 editor_ended; then
    fail "the editor did not end after Escape"
  fi
  wait "$editor_pid" 2>/dev/null
  editor_pid=""
  editor_windows_pid=""
}

# After a failure: ends the editor this test started, and its desktop with it.
kill_editor() {
  if [ -n "$editor_windows_pid" ]; then
    wine taskkill /f /pid "$editor_windows_pid" >/dev/null 2>&1
  fi
  if [ -n "$editor_pid" ]; then
    poll 10000 editor_ended || kill "$editor_pid" 2>/dev/null
  fi
}

# ------------------------------------------------------------------ driving

# The motion and the click reach the X server, and so Wine, in this order. (No --sync:
# it waits for the pointer to move and so hangs when the pointer is already there.)
click_at() {  # x, y [, button]
  xdotool mousemove "$1" "$2" click "${3:-1}"
}

# The main window's caption bar: a click there gives it the focus and paints nothing.
focus_main() {
  click_at $((window_x + window_w / 2)) $((window_y + 8))
  probe wait-focus @main 0 "$TIMEOUT_MS" || fail "the main window did not take the focus"
}

map_cell_x() { echo $((main_x + 40 * $1 + 20)); }
map_cell_y() { echo $((main_y + 40 * $1 + 20)); }
click_map() { click_at "$(map_cell_x "$1")" "$(map_cell_y "$2")" "${3:-1}"; }  # view column, row [, button]

# A cell of the view as it shows now: to see that a click has been handled.
view_cell_digest() {
  screen_digest $((main_x + 40 * $1)) $((main_y + 40 * $2)) 40 40
}
view_digest() { screen_digest "$main_x" "$main_y" 640 480; }
# The whole view once it has stopped changing: two pictures in a row alike, so that a
# picture taken while a repaint reaches the screen is never the reference.
settled_view_digest() {
  local previous current
  previous=$(view_digest)
  for _ in $(seq 1 30); do
    current=$(view_digest)
    if [ "$current" = "$previous" ]; then echo "$current"; return 0; fi
    previous=$current
  done
  return 1
}

cell_changed_from() { [ "$(view_cell_digest "$1" "$2")" != "$3" ]; }
paint_cell() {  # view column, row [, button]: clicks and waits until the cell looks different
  local before
  before=$(view_cell_digest "$1" "$2")
  click_map "$1" "$2" "${3:-1}"
  poll "$TIMEOUT_MS" cell_changed_from "$1" "$2" "$before" || fail "view cell $1,$2 did not change"
}

pick_small() { click_at $((small_x + 20 * $1 + 10)) $((small_y + 20 * $2 + 10)); }  # column, row
pick_large() { click_at $((large_x + 40 * $1 + 20)) $((large_y + 40 * $2 + 20)); }

# The green frame shows on one palette, around one cell, and the other palette has none.
frames_are() {  # small|large, column, row
  local image
  image=$(grab)
  if [ "$1" = small ]; then
    python3 "$E2E_HERE/screen.py" frame "$image" "$small_x" "$small_y" 20 "$2" "$3" >"$WORK/frame.log" &&
      python3 "$E2E_HERE/screen.py" no-frame "$image" "$large_x" "$large_y" >>"$WORK/frame.log"
  else
    python3 "$E2E_HERE/screen.py" frame "$image" "$large_x" "$large_y" 40 "$2" "$3" >"$WORK/frame.log" &&
      python3 "$E2E_HERE/screen.py" no-frame "$image" "$small_x" "$small_y" >>"$WORK/frame.log"
  fi
}
expect_frame() {
  poll "$TIMEOUT_MS" frames_are "$@" || fail "selection frame not on the $1 palette's cell $2,$3: $(cat "$WORK/frame.log")"
  echo "   frame on the $1 palette, cell $2,$3"
}

# Clicks the middle of a control of a dialog.
control_rect=""
control_tries=0
control_found() {
  control_tries=$((control_tries + 1))
  control_rect=$(probe control "$1" "$2" 2>"$WORK/probe.log")
}
click_control() {  # dialog title, control id
  local x y w h
  control_tries=0
  if ! poll "$TIMEOUT_MS" control_found "$1" "$2"; then
    echo "$(cat "$WORK/probe.log"); the windows:" >&2
    probe windows >&2
    fail "no control $2 in '$1'"
  fi
  # Seen twice, on a busy machine: the probe missed a control of a dialog just shown.
  [ $control_tries -gt 1 ] && echo "   control $2 of '$1' found at try $control_tries"
  read -r x y w h <<<"$control_rect"
  click_at $((x + w / 2)) $((y + h / 2))
}
# Clicks into a box of a dialog and replaces its text by typing.
fill_box() {  # dialog title, control id, text
  click_control "$1" "$2"
  probe wait-focus "$1" "$2" "$TIMEOUT_MS" >/dev/null || fail "box $2 of '$1' did not take the focus"
  xdotool key --delay 40 End shift+Home
  xdotool type --delay 40 "$3"
  poll "$TIMEOUT_MS" box_holds "$1" "$2" "$3" || fail "box $2 of '$1' holds '$(probe text "$1" "$2")' after typing '$3'"
}

press_for_window() {  # key, window title: a shortcut that shows a window
  xdotool key "$1"
  wait_window "$2"
}

file_exists() { [ -s "$1" ]; }
