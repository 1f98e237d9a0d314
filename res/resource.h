// Resource ids shared by editor.rc and the program, grouped by kind.
#pragma once

// Dialog templates
#define IDD_CONFIG 101   // other settings
#define IDD_RESIZE 102   // edit area
#define IDD_CURSOR 103   // start position
#define IDD_MESSAGE 111  // comment
#define IDD_PALETTE 113  // chip palettes (no controls)
#define IDD_STAGE_LIST 130  // ステージ一覧: the map files of a folder
#define IDD_REPLACE 131  // 置換: the chip to replace and the chip to put instead

// Menu
#define IDR_MAINMENU 102

// Icons
#define IDI_LARGE 109
#define IDI_SMALL 110

// Cursors of the map view's tools
#define IDCUR_PEN 120
#define IDCUR_ERASER 121
#define IDCUR_RECTANGLE 122
#define IDCUR_FILL 123
#define IDCUR_SELECTION 124
#define IDCUR_PASTE 125
#define IDCUR_LINE 126
#define IDCUR_TERRAIN 127
#define IDCUR_START 128

// Bitmaps
#define IDB_SMALL_SHEET 114
#define IDB_BACKDROP 115
#define IDB_LARGE_SHEET 116

// Menu commands
#define ID_FILE_OPEN 40001
#define ID_FILE_SAVEAS 40002
#define ID_FILE_SAVE 40003
#define ID_FILE_EXIT 40004
#define ID_EDIT_SMALL_PALETTE 40008
#define ID_EDIT_AREA 40010
#define ID_EDIT_LARGE_PALETTE 40011
#define ID_EDIT_CLEAR_MAP 40013
#define ID_FILE_NEW 40015
#define ID_EDIT_START_POSITION 40017
#define ID_EDIT_COMMENT 40020
#define ID_EDIT_OTHER_SETTINGS 40022
#define ID_EDIT_UNDO 40030
#define ID_EDIT_REDO 40031
// The overview and the layers shown; the three layer ids are consecutive, layer 0 first.
#define ID_EDIT_OVERVIEW 40032
#define ID_EDIT_TERRAINS 40061
#define ID_VIEW_LAYER0 40033
#define ID_VIEW_LAYER1 40034
#define ID_VIEW_LAYER2 40035
#define ID_VIEW_ZOOM_IN 40070
#define ID_VIEW_ZOOM_OUT 40071
#define ID_VIEW_ZOOM_RESET 40072
// The layers panel: each layer's eye and lock, its cells, the cell under the pointer
#define ID_VIEW_LAYERS 40073
// The selection's commands of the 編集 menu, and the tools of the ツール menu (the tool table
// lists them; their numbers need not follow one another).
#define ID_EDIT_CUT 40050
#define ID_EDIT_COPY 40051
#define ID_EDIT_PASTE 40052
#define ID_EDIT_DELETE 40053
#define ID_TOOL_PEN 40054
#define ID_TOOL_RECTANGLE 40055
#define ID_TOOL_FILL 40056
#define ID_TOOL_SELECTION 40057
#define ID_TOOL_ERASER 40058
#define ID_TOOL_LINE 40059
#define ID_TOOL_TERRAIN 40060
#define ID_TOOL_START 40062
// 以前の版を開く: the Open dialog in the folder of saved versions
#define ID_FILE_OPEN_VERSION 40090
// ステージ一覧: the browser of a folder's maps
#define ID_FILE_STAGE_LIST 40080
// 置換, and the conflicts a merge left in the map: 次の競合, keeping ours, taking theirs
#define ID_EDIT_REPLACE 40092
#define ID_EDIT_NEXT_CONFLICT 40093
#define ID_EDIT_KEEP_OURS 40094
#define ID_EDIT_TAKE_THEIRS 40095
#define ID_EDIT_FIELD_CONFLICTS 40096
// What keys do that no menu item does: Escape clears a paste or the selection before it
// closes, and the arrow keys move the view.
#define ID_KEY_ESCAPE 40110
#define ID_KEY_SCROLL_LEFT 40111
#define ID_KEY_SCROLL_UP 40112
#define ID_KEY_SCROLL_RIGHT 40113
#define ID_KEY_SCROLL_DOWN 40114

// Edit-area dialog controls
#define IDC_RESIZE_WIDTH 1001
#define IDC_RESIZE_HEIGHT 1002
#define IDC_RESIZE_OK 1003
#define IDC_RESIZE_CANCEL 1004

// Start-position dialog controls
#define IDC_CURSOR_CANCEL 1006
#define IDC_CURSOR_OK 1007
#define IDC_CURSOR_Y 1008
#define IDC_CURSOR_X 1009
#define IDC_CURSOR_UNSPECIFIED 1010

// Comment dialog controls
#define IDC_MESSAGE_TEXT 1011
#define IDC_MESSAGE_OK 1012
#define IDC_MESSAGE_CANCEL 1013
#define IDC_MESSAGE_BYTES_LEFT 1014

// Other-settings dialog controls
#define IDC_CONFIG_TARGET_TIME 1015
#define IDC_CONFIG_TIME_LIMIT 1016
#define IDC_CONFIG_BACKGROUND 1017
#define IDC_CONFIG_MUSIC 1018
#define IDC_CONFIG_OK 1019
#define IDC_CONFIG_CANCEL 1020

// Stage browser controls
#define IDC_STAGE_LIST_FOLDER_BUTTON 1100
#define IDC_STAGE_LIST_FOLDER 1101
#define IDC_STAGE_LIST_FILTER_LABEL 1102
#define IDC_STAGE_LIST_FILTER 1103
#define IDC_STAGE_LIST_VIEW 1104
#define IDC_STAGE_LIST_COUNT 1105
// 置換 dialog controls: each chip field is a push-like radio button that makes it the field a
// palette click or a pick fills, its chip's picture and its code
#define IDC_REPLACE_FROM 1120
#define IDC_REPLACE_TO 1121
#define IDC_REPLACE_FROM_CHIP 1122
#define IDC_REPLACE_TO_CHIP 1123
#define IDC_REPLACE_FROM_CODE 1124
#define IDC_REPLACE_TO_CODE 1125
#define IDC_REPLACE_OK 1126
#define IDC_REPLACE_CANCEL 1127

// The recent maps of the ファイル menu, added at run time: a separator and up to eight entries
#define ID_FILE_RECENT_SEPARATOR 40100
#define ID_FILE_RECENT_FIRST 40101  // to 40108, newest first
