// The program's one kind of message box: caption "ERROR", the text given in Shift_JIS.
#pragma once
#include <windows.h>

#include <string>

void ShowErrorBox(HWND owner, const char* textSjis, UINT style = MB_OK);
// The same for a text already in UTF-16, such as one that names a path.
void ShowErrorBox(HWND owner, const std::wstring& text, UINT style = MB_OK);
