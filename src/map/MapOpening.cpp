#include "map/MapOpening.h"

#include <windows.h>

#include <initializer_list>

#include "ErrorBox.h"
#include "Globals.h"
#include "MainWindow.h"
#include "WideText.h"
#include "core/Texts.h"
#include "map/CurrentFile.h"
#include "map/MapTools.h"
#include "map/RecentMaps.h"
#include "map/StartFolder.h"
#include "map/core/MapPaths.h"

std::wstring FullMapPath(const std::wstring& path) {
    const std::wstring fromStart = WideFromUtf8(PathFromStartFolder(Utf8FromWide(path).c_str()));
    const DWORD length = GetFullPathNameW(fromStart.c_str(), 0, nullptr, nullptr);
    if (length == 0) return fromStart;
    std::wstring full(length, L'\0');
    const DWORD written = GetFullPathNameW(fromStart.c_str(), length, &full[0], nullptr);
    if (written == 0 || written >= length) return fromStart;
    full.resize(written);
    return full;
}

namespace {

// The current path holds fewer characters than a dropped file or the command line can name; a
// longer one would be cut, and Save would then write to another file.
void TellPathIsTooLong(const std::wstring& path) {
    ShowMessageAbout(mainWindow->handle, texts::kOpenFailedFormat, {path, WideFromSjis(texts::kPathTooLong)});
}

}  // namespace

bool OpenMapPath(const std::wstring& path) {
    if (mainWindow == nullptr || path.empty()) return false;
    const std::wstring full = FullMapPath(path);
    if (full.size() >= kPathBufferSize) {
        TellPathIsTooLong(full);
        return false;
    }
    const std::string utf8 = Utf8FromWide(full);
    if (!mainWindow->LoadMap(utf8.c_str(), !IsTextMapPath(utf8.c_str()))) return false;
    ForgetToolMarks();
    SetCurrentPath(full.c_str());
    scrollX = 0;
    scrollY = 0;
    mainWindow->Paint();
    RememberRecentMap(full);
    return true;
}
