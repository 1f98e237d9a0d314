// The program's one kind of message box: caption "ERROR", the text given in Shift_JIS.
#pragma once
#include <windows.h>

#include <initializer_list>
#include <string>

void ShowErrorBox(HWND owner, const char* textSjis, UINT style = MB_OK);
// The same for a text already in UTF-16, such as one that names a path.
void ShowErrorBox(HWND owner, const std::wstring& text, UINT style = MB_OK);

// A Shift_JIS message whose "%s" places take the parts in order, such as a path and a reason.
// Each place is looked for after the part before it, so a path that holds "%s" shows as it is.
std::wstring FilledMessage(const char* formatSjis, std::initializer_list<std::wstring> parts);
// The ERROR box with that message.
void ShowMessageAbout(HWND owner, const char* formatSjis, std::initializer_list<std::wstring> parts,
                      UINT style = MB_OK | MB_ICONERROR);
