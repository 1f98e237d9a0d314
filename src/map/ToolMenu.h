// The ツール menu, made from the tool table when the main window is made: a pop-up between 編集
// and 表示 with one radio item for each tool, its text followed by its letter ("ペン    B"),
// the first one checked.
#pragma once
#include <windows.h>

// The position of the ツール pop-up in the menu bar.
constexpr int kToolMenuPosition = 2;

void BuildToolMenu(HWND window);
