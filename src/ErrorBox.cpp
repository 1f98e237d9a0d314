#include "ErrorBox.h"

#include "WideText.h"
#include "core/Texts.h"

void ShowErrorBox(HWND owner, const char* textSjis, UINT style) {
    ShowErrorBox(owner, WideFromSjis(textSjis), style);
}

void ShowErrorBox(HWND owner, const std::wstring& text, UINT style) {
    MessageBoxW(owner, text.c_str(), WideFromSjis(texts::kErrorCaption).c_str(), style);
}
