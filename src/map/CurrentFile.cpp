#include "map/CurrentFile.h"

#include <windows.h>

#include <string>

#include "Editor.h"
#include "Globals.h"
#include "MainWindow.h"
#include "WideText.h"
#include "core/Caption.h"

void ShowCaption() {
    if (mainWindow == nullptr || mainWindow->handle == nullptr) return;
    const std::wstring title = WideFromSjis(mainWindow->className);
    const std::wstring path(currentPath);
    const std::u16string caption = FormatCaption(std::u16string(title.begin(), title.end()),
                                                 std::u16string(path.begin(), path.end()),
                                                 kCaptionBufferSize, mainWindow->stage.IsModified());
    const std::wstring text(caption.begin(), caption.end());
    wchar_t shown[kCaptionBufferSize] = {};
    GetWindowTextW(mainWindow->handle, shown, kCaptionBufferSize);
    if (text != shown) SetWindowTextW(mainWindow->handle, text.c_str());
}

void SetCurrentPath(const wchar_t* path) {
    lstrcpynW(currentPath, path, kPathBufferSize);
    NoteChanges(kChangedFile);
}
