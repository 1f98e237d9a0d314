#include "map/CurrentFile.h"

#include <windows.h>

#include <string>

#include "Globals.h"
#include "MainWindow.h"
#include "WideText.h"
#include "core/Caption.h"

namespace {

void UpdateCaption() {
    if (mainWindow == nullptr || mainWindow->handle == nullptr) return;
    const std::wstring title = WideFromSjis(mainWindow->className);
    const std::wstring path(currentPath);
    const std::u16string caption = FormatCaption(std::u16string(title.begin(), title.end()),
                                                 std::u16string(path.begin(), path.end()));
    SetWindowTextW(mainWindow->handle, std::wstring(caption.begin(), caption.end()).c_str());
}

}  // namespace

void SetCurrentPath(const wchar_t* path) {
    lstrcpynW(currentPath, path, kPathBufferSize);
    UpdateCaption();
}
