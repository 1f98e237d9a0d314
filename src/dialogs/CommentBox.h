// The comment box holds what the comment stores: typing and pasting stop at the 255 bytes of
// Shift_JIS the box gives OK, and the dialog shows how many bytes are left.
#pragma once
#include <windows.h>

#include <string>

// Called with every message of the comment dialog before its procedure: WM_INITDIALOG starts
// watching the box, and the box's EN_CHANGE is checked. A change the designer made (typing,
// pasting, anything) that passes the limit keeps only as much of what it put in as fits; a
// text the program puts in (a map file may bring 256 bytes) stays whole. The bytes left are
// shown either way.
void WatchCommentBox(HWND dialog, UINT message, WPARAM wParam);

// The box's text as the comment stores it: Shift_JIS, with "?" for a character that code page
// 932 lacks.
std::string CommentBytesOfBox(HWND dialog);
