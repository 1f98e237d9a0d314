#!/usr/bin/env bash
# The editor as a stage designer uses it: the real .exe under Wine in a virtual X
# display, driven by the mouse and keys only (xdotool), watched through its standard
# output, the files it writes, its windows (probe.exe reads captions and boxes) and
# screenshots, which are kept in ART.
#
#   workflow.sh EDITOR.exe PROBE.exe ART
#
# Two runs of the program: the first paints a map, sets every stage value, saves it
# with Save As, starts a new map and opens the file again; the second saves under the
# default name, opens a damaged file and a text map file, and opens the first run's map
# again from the recent maps of the ファイル menu.
set -uo pipefail
EDITOR="$(realpath "$1")"
PROBE="$(realpath "$2")"
ART="$3"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"

# Wine and the display as the project's scripts set them up; a prefix chosen by the
# caller (scripts/test.sh) is kept.
if [ -z "${WINEPREFIX:-}" ] && [ -z "${PICORAN_BUILD_DIR:-}" ]; then
  export PICORAN_BUILD_DIR="$(cd "$(dirname "$EDITOR")/.." && pwd)"
fi
caller_prefix="${WINEPREFIX:-}"
source "$here/../../scripts/env.sh"
[ -n "$caller_prefix" ] && export WINEPREFIX="$caller_prefix"
source "$here/lib.sh"

# Typed into the file dialogs, so kept short and plain.
WORK="$(mktemp -d /tmp/picoran-e2e.XXXXXX)"
PROFILE="$WORK/profile"
mkdir -p "$ART"
rm -f "$ART"/*  # only the last run's artefacts stay
cleanup() {
  kill_editor
  cp "$WORK"/*.stdout "$WORK"/*.stderr "$WORK"/*.bin "$WORK"/*.txt "$ART"/ 2>/dev/null
  rm -rf "$WORK"
  stop_display
}
trap cleanup EXIT
ensure_display || exit 1
ensure_wine_prefix

maps="python3 $here/mapfiles.py"
DEFAULT_CAPTION="ぴこらんエディタ [ぴこらんマップ]"
MODIFIED_CAPTION="$DEFAULT_CAPTION *"  # unsaved changes
RESIZE="エディットエリアの変更"
CURSOR="ピノル表示位置設定"
COMMENT="コメントの設定 （半角256文字まで）"
CONFIG="その他の設定"
SAVE_DIALOG="マップデータファイルを保存"
OPEN_DIALOG="マップデータファイルを開く"
FILE_NAME_BOX=1148
DEFAULT_COMMENT=$'<ステージ名>\r\n<適当に説明などを３行以内で>'

view_edges() { python3 "$here/screen.py" edges "$(grab)" "$main_x" "$main_y"; }
edges_are() { [ "$(view_edges)" = "$1" ]; }
expect_edges() {
  poll "$TIMEOUT_MS" edges_are "$1" || fail "the view shows the map edges '$(view_edges)', expected '$1'"
  echo "   view shows the map edges: $1"
}
view_is() { [ "$(view_digest)" = "$1" ]; }
view_is_not() { [ "$(view_digest)" != "$1" ]; }
# The view's rows 5 to 11, below the start marker at (200, 160) that this session sets.
lower_view_digest() { screen_digest "$main_x" $((main_y + 200)) 640 280; }
lower_view_is() { [ "$(lower_view_digest)" = "$1" ]; }

# The file dialogs: the path typed into the file name box; the caller presses Enter.
type_file_name() {  # dialog title, Linux path
  wait_window "$1"
  fill_box "$1" "$FILE_NAME_BOX" "$(windows_path "$2")"
}

# Opens the menu of the menu bar's Nth title (1 ファイル, 2 編集), found on the screen;
# leaves its place in px py pw ph.
open_menu() {
  local spans title_x title_y
  spans=$(python3 "$here/screen.py" text-spans "$(grab)" "$window_x" $((main_y - 18)) 300 14)
  read -r title_x title_y <<<"$(sed -n "$1p" <<<"$spans")"
  [ -n "$title_y" ] || fail "the menu bar shows no title $1: '$spans'"
  click_at "$title_x" "$title_y"
  read -r px py pw ph <<<"$(probe wait-popup "$TIMEOUT_MS")" || true
  [ -n "${ph:-}" ] || fail "the menu of title $1 did not open"
}

# The menu bar's second title, 編集; then its last item.
choose_last_edit_item() {
  open_menu 2
  shot edit-menu-open
  # The last item ends 3 pixels above the popup's bottom edge; its lowest pixels are its own.
  click_at $((px + 40)) $((py + ph - 9))
}

# =================================================================== first run
start_editor workflow 0

step "start-up"
expected_stdout=$'file load ok\nfile load ok\nfile load ok'
expect_stdout
expect_caption "$DEFAULT_CAPTION"
expect_frame large 0 0
expect_edges "left top right bottom"
empty_view=$(settled_view_digest) || fail "the view does not settle"
empty_lower_view=$(lower_view_digest)
shot start

step "pick a large chip and paint it"
pick_large 1 2
expect_line "data : 35 80 160 2"
expect_frame large 1 2
paint_cell 2 1
paint_cell 12 6
expect_stdout
expect_caption "$MODIFIED_CAPTION"
shot large-chip-painted

step "small chips into layers 1 and 0 of the same cell"
pick_small 0 0
expect_line "data : 2 0 0 1"
expect_frame small 0 0
paint_cell 2 1
pick_small 0 2
expect_line "data : 1 0 80 0"
expect_frame small 0 2
paint_cell 2 1
pick_small 3 2
expect_line "data : 100 120 80 0"
expect_frame small 3 2
paint_cell 5 3
paint_cell 6 3
pick_large 5 0
expect_line "data : 205 400 0 2"
expect_frame large 5 0
paint_cell 9 4
expect_caption "$MODIFIED_CAPTION"
shot small-chips-painted

step "right click picks a chip back"
click_map 2 1 3  # the top chip of the cell, layer 0
expect_frame small 0 2
expect_stdout
shot right-click-small-chip
paint_cell 4 6
click_map 12 6 3  # a cell holding only a large chip
expect_frame large 1 2
expect_stdout
shot right-click-large-chip

step "right click on an empty cell: the eraser"
click_map 0 0 3
before_eraser=$(settled_view_digest) || fail "the view does not settle"
paint_cell 6 3
expect_frame large 1 2
expect_stdout
expect_caption "$MODIFIED_CAPTION"
shot eraser-used

step "undo the eraser (Ctrl+Z) and redo it (Ctrl+Y)"
after_eraser=$(settled_view_digest) || fail "the view does not settle"
focus_main
xdotool key ctrl+z
poll "$TIMEOUT_MS" view_is "$before_eraser" || fail "Ctrl+Z did not bring the erased cell back"
xdotool key ctrl+y
poll "$TIMEOUT_MS" view_is "$after_eraser" || fail "Ctrl+Y did not erase the cell again"
expect_caption "$MODIFIED_CAPTION"

step "the rectangle tool (P): a drag fills a rectangle, Ctrl+Z takes it back whole"
pick_small 3 2
expect_line "data : 100 120 80 0"
expect_frame small 3 2
before_rectangle=$(settled_view_digest) || fail "the view does not settle"
corner_before=$(view_cell_digest 11 9)
beside_before=$(view_cell_digest 12 9)
focus_main
xdotool key p
# Pressed on view cell 8, 7 and released on 11, 9, the pointer sampled on the way.
xdotool mousemove "$(map_cell_x 8)" "$(map_cell_y 7)" mousedown 1
xdotool mousemove "$(map_cell_x 9)" "$(map_cell_y 8)"
xdotool mousemove "$(map_cell_x 11)" "$(map_cell_y 9)"
shot rectangle-dragged
xdotool mouseup 1
poll "$TIMEOUT_MS" cell_changed_from 11 9 "$corner_before" || fail "the rectangle did not reach view cell 11,9"
[ "$(view_cell_digest 12 9)" = "$beside_before" ] || fail "the rectangle went past view cell 11,9"
shot rectangle-filled
xdotool key ctrl+z
poll "$TIMEOUT_MS" view_is "$before_rectangle" || fail "Ctrl+Z did not take the whole rectangle back"
xdotool key b
expect_caption "$MODIFIED_CAPTION"

step "edit area 1200 x 800 (F3)"
focus_main
press_for_window F3 "$RESIZE"
expect_text "$RESIZE" 1001 640
expect_text "$RESIZE" 1002 480
fill_box "$RESIZE" 1001 1200
fill_box "$RESIZE" 1002 800
shot edit-area-dialog
click_control "$RESIZE" 1003
wait_gone "$RESIZE"
expect_text "$RESIZE" 1001 1200
expect_text "$RESIZE" 1002 800
expect_edges "left top"
expect_caption "$MODIFIED_CAPTION"

step "scroll to the far corner with the arrows and paint there"
pick_small 1 0
expect_line "data : 4 40 0 1"
expect_frame small 1 0
focus_main
# More presses than the 14 and 8 cells there are to scroll: the view stops at the edge.
xdotool key --delay 60 Right Right Right Right Right Right Right Right Right Right Right Right \
  Right Right Right Right Down Down Down Down Down Down Down Down Down Down
expect_edges "right bottom"
paint_cell 15 11  # map cell 29, 19
paint_cell 0 0    # map cell 14, 8
shot far-corner-painted
xdotool key --delay 60 Left Left Left Left Left Left Left Left Left Left Left Left Left Left \
  Left Left Up Up Up Up Up Up Up Up Up Up
expect_edges "left top"
painted_view=$(settled_view_digest) || fail "the view does not settle"
expect_caption "$MODIFIED_CAPTION"

step "start position (F4) and the not-specified box"
focus_main
press_for_window F4 "$CURSOR"
expect_checked "$CURSOR" 1010 1
fill_box "$CURSOR" 1009 200
fill_box "$CURSOR" 1008 160
click_control "$CURSOR" 1010
expect_checked "$CURSOR" 1010 0
shot start-position-dialog
click_control "$CURSOR" 1007
wait_gone "$CURSOR"
expect_text "$CURSOR" 1009 200
expect_text "$CURSOR" 1008 160
expect_caption "$MODIFIED_CAPTION"
# The view now marks where ピノル starts; the painted map is compared with that from here on.
poll "$TIMEOUT_MS" view_is_not "$painted_view" || fail "the view shows no start marker"
painted_view=$(settled_view_digest) || fail "the view does not settle"
shot start-marker

step "comment (F9)"
focus_main
press_for_window F9 "$COMMENT"
expect_text "$COMMENT" 1011 "$DEFAULT_COMMENT"
click_control "$COMMENT" 1011
probe wait-focus "$COMMENT" 1011 "$TIMEOUT_MS" >/dev/null || fail "the comment box did not take the focus"
xdotool key --delay 40 ctrl+End ctrl+shift+Home Delete
expect_text "$COMMENT" 1011 ""
xdotool type --delay 40 "Stage 1-2"
xdotool key Return
xdotool type --delay 40 "Go right!"
expect_text "$COMMENT" 1011 $'Stage 1-2\r\nGo right!'
shot comment-dialog
click_control "$COMMENT" 1012
wait_gone "$COMMENT"
expect_text "$COMMENT" 1011 $'Stage 1-2\r\nGo right!'
expect_caption "$MODIFIED_CAPTION"

step "stage numbers from the menu 編集 → その他の設定"
choose_last_edit_item
wait_window "$CONFIG"
fill_box "$CONFIG" 1015 45
fill_box "$CONFIG" 1016 600
fill_box "$CONFIG" 1017 3
fill_box "$CONFIG" 1018 1234
shot other-settings-dialog
click_control "$CONFIG" 1019
wait_gone "$CONFIG"
expect_text "$CONFIG" 1015 45
expect_text "$CONFIG" 1016 600
expect_text "$CONFIG" 1017 3
expect_text "$CONFIG" 1018 999
expect_caption "$MODIFIED_CAPTION"

step "save as a new file (Ctrl+Shift+S)"
stage="$WORK/stage.bin"
$maps expect "$WORK/expected-stage.bin" --size 1200 800 \
  --cell 2 2 1 35 --cell 2 12 6 35 --cell 2 9 4 205 \
  --cell 1 2 1 2 --cell 1 29 19 4 --cell 1 14 8 4 \
  --cell 0 2 1 1 --cell 0 5 3 100 --cell 0 4 6 1 \
  --start 200 160 --numbers 45 600 3 999 --comment 'Stage 1-2\r\nGo right!'
focus_main
xdotool key ctrl+shift+s
type_file_name "$SAVE_DIALOG" "$stage"
shot save-as-dialog
xdotool key Return
wait_gone "$SAVE_DIALOG"
poll "$TIMEOUT_MS" file_exists "$stage" || fail "nothing was saved at $stage"
saved_caption="ぴこらんエディタ [$(windows_path "$stage")]"
expect_caption "$saved_caption"
$maps compare "$stage" "$WORK/expected-stage.bin" || fail "the saved map is not the expected one"
echo "   $stage holds the expected $(stat -c %s "$stage") bytes"
shot saved

step "new map (Ctrl+N)"
focus_main
xdotool key ctrl+n
expect_caption "$DEFAULT_CAPTION"
expect_edges "left top right bottom"
# The start position stays, so its marker does; below it the view is the empty map of start-up.
poll "$TIMEOUT_MS" lower_view_is "$empty_lower_view" || fail "the new map does not look like the empty map at start-up"
view_is_not "$empty_view" || fail "the new map shows no start marker"
expect_text "$RESIZE" 1001 640
expect_text "$RESIZE" 1002 480
shot new-map

step "open the saved file again (Ctrl+O)"
focus_main
xdotool key ctrl+o
type_file_name "$OPEN_DIALOG" "$stage"
shot open-dialog
xdotool key Return
wait_gone "$OPEN_DIALOG"
expect_caption "$saved_caption"
poll "$TIMEOUT_MS" view_is "$painted_view" || fail "the opened map does not look as it did before saving"
expect_edges "left top"
expect_text "$RESIZE" 1001 1200
expect_text "$RESIZE" 1002 800
expect_text "$CONFIG" 1015 45
expect_text "$CONFIG" 1016 600
expect_text "$CONFIG" 1017 3
expect_text "$CONFIG" 1018 999
expect_text "$COMMENT" 1011 $'Stage 1-2\r\nGo right!'
expect_checked "$CURSOR" 1010 0
expect_stdout
shot reopened

step "save again (Ctrl+S) to the opened file"
rm -f "$stage"
focus_main
xdotool key ctrl+s
poll "$TIMEOUT_MS" file_exists "$stage" || fail "Ctrl+S wrote nothing to $stage"
$maps compare "$stage" "$WORK/expected-stage.bin" || fail "the map saved again differs"
expect_caption "$saved_caption"
[ -e "$WORK/ぴこらんマップ" ] && fail "a file under the default name was written"

step "Escape ends the program"
stop_editor

step "the recent maps are kept in the program's own folder"
recent_list="$PROFILE/picoran-editor/recent-files.txt"
cmp -s "$recent_list" <(printf 'picoran-editor recent files 1\r\n%s\r\n' "$(windows_path "$stage")") ||
  fail "the recent maps are '$(cat "$recent_list" 2>&1)'"
echo "   $(tail -n +2 "$recent_list" | tr -d '\r')"

# =================================================================== second run
damaged="$WORK/damaged.bin"
text_map="$WORK/text-map.txt"
$maps expect "$WORK/whole.bin" --size 640 480 --cell 2 1 1 1 --cell 0 3 3 100
# Cut inside layer 1: ten of its ids are complete.
$maps truncate "$WORK/whole.bin" "$damaged" $((12 + 4 * 192 + 40))
echo_lines=$($maps text-map "$text_map" --size 640 480 \
  --cell 2 1 1 1 --cell 2 5 2 35 --cell 2 9 6 205 --cell 1 1 1 2 --cell 1 10 9 4 \
  --cell 0 1 1 1 --cell 0 7 7 100 --cell 0 3 10 -1 --start 999 240; printf x)
echo_lines="${echo_lines%x}"

start_editor second 20

step "start-up, and Ctrl+S before any Save As"
expected_stdout=$'file load ok\nfile load ok\nfile load ok'
expect_stdout
expect_caption "$DEFAULT_CAPTION"
paint_cell 3 3  # the chip selected at start: large chip 1
focus_main
xdotool key ctrl+s
default_file="$WORK/ぴこらんマップ"
poll "$TIMEOUT_MS" file_exists "$default_file" || fail "Ctrl+S wrote no ぴこらんマップ into the current folder"
$maps expect "$WORK/expected-default.bin" --size 640 480 --cell 2 3 3 1 --comment "$DEFAULT_COMMENT"
$maps compare "$default_file" "$WORK/expected-default.bin" || fail "ぴこらんマップ is not the expected map"
expect_caption "$DEFAULT_CAPTION"
expect_stdout
shot saved-under-default-name
before_damaged=$(settled_view_digest) || fail "the view does not settle"

step "open a damaged file"
focus_main
xdotool key ctrl+o
type_file_name "$OPEN_DIALOG" "$damaged"
xdotool key Return
wait_window ERROR
message="マップファイルを読み込めませんでした。"$'\r\n'"$(windows_path "$damaged")"$'\r\n'"マップファイルが途中で終わっています"$'\r\n'"オフセット 820"
expect_text ERROR 65535 "$message"
echo "   message box ERROR: $(probe text ERROR 65535 | tr -d '\r' | tr '\n' ' ')"
shot damaged-file-message
click_control ERROR 1
wait_gone ERROR
expect_caption "$DEFAULT_CAPTION"
poll "$TIMEOUT_MS" view_is "$before_damaged" || fail "the map changed after the damaged file was refused"
expect_text "$RESIZE" 1001 640
expect_stdout
shot damaged-file-refused

step "open a text map file"
focus_main
xdotool key ctrl+o
type_file_name "$OPEN_DIALOG" "$text_map"
xdotool key Return
wait_gone "$OPEN_DIALOG"
expect_caption "ぴこらんエディタ [$(windows_path "$text_map")]"
expected_stdout+=$'\n'"$echo_lines"
expect_stdout
echo "   stdout: the three layers' ids, one map row a line"
expect_text "$COMMENT" 1011 "ポロニカはかわいい"
expect_text "$CONFIG" 1015 10
expect_text "$CONFIG" 1016 300
expect_text "$CONFIG" 1017 0
expect_text "$CONFIG" 1018 0
expect_text "$RESIZE" 1001 640
expect_text "$RESIZE" 1002 480
expect_checked "$CURSOR" 1010 1
poll "$TIMEOUT_MS" view_is_not "$before_damaged" || fail "the text map's chips do not show"
shot text-map-opened

step "F10 shows the other settings as well"
focus_main
press_for_window F10 "$CONFIG"
expect_text "$CONFIG" 1015 10
shot f10-other-settings
click_control "$CONFIG" 1020
wait_gone "$CONFIG"
expect_caption "ぴこらんエディタ [$(windows_path "$text_map")]"

step "the ファイル menu opens the first run's map (&3)"
# Newest first: the text map, the default file, then stage.bin.
focus_main
open_menu 1
shot file-menu-open
xdotool key 3
expect_caption "$saved_caption"
expect_text "$RESIZE" 1001 1200
poll "$TIMEOUT_MS" view_is "$painted_view" || fail "the recent map does not look as it was saved"
shot recent-map-opened

step "Escape with unsaved changes asks first"
paint_cell 6 6
expect_caption "$saved_caption *"
focus_main
xdotool key Escape
wait_window "ぴこらんエディタ"
expect_text "ぴこらんエディタ" 65535 "マップへの変更を保存しますか？"
shot unsaved-changes-question
click_control "ぴこらんエディタ" 2  # Cancel: the program goes on
wait_gone "ぴこらんエディタ"
editor_ended && fail "the editor ended after Cancel"
focus_main
xdotool key Escape
wait_window "ぴこらんエディタ"
click_control "ぴこらんエディタ" 7  # No: closes without saving
poll 20000 editor_ended || fail "the editor did not end after No"
wait "$editor_pid" 2>/dev/null
editor_pid=""
editor_windows_pid=""
$maps compare "$stage" "$WORK/expected-stage.bin" || fail "No wrote the map"
echo "e2e workflow passed; screenshots in $ART"
