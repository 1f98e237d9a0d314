#include "map/FileDialog.h"

#include <cstring>
#include <utility>

#include "Editor.h"
#include "WideText.h"
#include "core/Texts.h"

std::wstring FilterList(std::initializer_list<const char*> namesAndPatterns) {
    std::wstring list;
    for (const char* part : namesAndPatterns) {
        list += WideFromSjis(part);
        list.push_back(L'\0');
    }
    list.push_back(L'\0');
    return list;
}

FileDialog::FileDialog(HWND owner, std::wstring filterList, const char* dialogTitle, DWORD flags,
                       const wchar_t* proposal)
    : filter(std::move(filterList)),
      title(WideFromSjis(dialogTitle)),
      extension(WideFromSjis(texts::kMapFileExtension)) {
    lstrcpynW(chosen, proposal, kPathBufferSize);
    std::memset(&dialog, 0, sizeof(dialog));
    dialog.lStructSize = OPENFILENAME_SIZE_VERSION_400W;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = chosen;
    dialog.nMaxFile = kPathBufferSize;
    if (editor != nullptr) {
        dialog.lpstrFileTitle = editor->fileTitle;
        dialog.nMaxFileTitle = sizeof(editor->fileTitle) / sizeof(editor->fileTitle[0]);
    }
    dialog.lpstrTitle = title.c_str();
    // The working folder stays where the editor was started, whatever folder is browsed.
    dialog.Flags = flags | OFN_NOCHANGEDIR;
    dialog.lpstrDefExt = extension.c_str();
}

std::string FileDialog::ChosenUtf8() const { return Utf8FromWide(chosen); }
