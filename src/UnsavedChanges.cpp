#include "UnsavedChanges.h"

#include <windows.h>

#include "Editor.h"
#include "Globals.h"
#include "MainWindow.h"
#include "WideText.h"
#include "core/Texts.h"
#include "map/SaveCommands.h"

bool ConfirmDropChanges() {
    if (mainWindow == nullptr || editor == nullptr || !mainWindow->stage.IsModified()) return true;
    // A second request while the question is open (Escape pressed in a palette meanwhile)
    // is refused; the open question decides.
    if (editor->askingAboutChanges) return false;
    editor->askingAboutChanges = true;
    const int answer = MessageBoxW(mainWindow->handle, WideFromSjis(texts::kSaveChangesQuestion).c_str(),
                                   WideFromSjis(texts::kProductTitle).c_str(),
                                   MB_YESNOCANCEL | MB_ICONWARNING);
    editor->askingAboutChanges = false;
    switch (answer) {
    case IDYES: return SaveToCurrentFile(mainWindow->handle);
    case IDNO:
        editor->recovery.Drop();
        return true;
    default: return false;
    }
}
