#include "map/OpenCommands.h"

#include "UnsavedChanges.h"
#include "WideText.h"
#include "core/Texts.h"
#include "map/FileDialog.h"
#include "map/MapOpening.h"
#include "map/SavedVersions.h"

void OpenMapFile(HWND owner) { OpenMapFileAt(owner, currentPath); }

// After the maps, every file: a map without an extension, such as the default file, shows too.
void OpenMapFileAt(HWND owner, const std::wstring& proposal) {
    if (!ConfirmDropChanges()) return;
    FileDialog open(owner,
                    FilterList({texts::kOpenFilterName, texts::kOpenFilterPattern,
                                texts::kAllFilesFilterName, texts::kAllFilesFilterPattern}),
                    texts::kOpenDialogTitle, OFN_FILEMUSTEXIST,
                    proposal.empty() ? currentPath : proposal.c_str());
    if (!GetOpenFileNameW(&open.dialog)) return;
    OpenMapPath(open.chosen);
}

void OpenSavedVersion(HWND owner) {
    const std::string folder = SavedVersionsFolder();
    // A folder path with its separator opens the dialog in that folder with no name filled in.
    OpenMapFileAt(owner, folder.empty() ? std::wstring() : WideFromUtf8(folder) + L"\\");
}
