#include "UnsavedChanges.h"

#include <windows.h>

#include "Globals.h"
#include "MainWindow.h"
#include "WideText.h"
#include "core/Texts.h"
#include "map/FileDialogs.h"
#include "map/RecoveryCopies.h"

bool ConfirmDropChanges() {
    if (mainWindow == nullptr || !mainWindow->stage.IsModified()) return true;
    // A second request while the question is open (Escape pressed in a palette meanwhile)
    // is refused; the open question decides.
    static bool asking = false;
    if (asking) return false;
    asking = true;
    const int answer = MessageBoxW(mainWindow->handle, WideFromSjis(texts::kSaveChangesQuestion).c_str(),
                                   WideFromSjis(texts::kProductTitle).c_str(),
                                   MB_YESNOCANCEL | MB_ICONWARNING);
    asking = false;
    switch (answer) {
    case IDYES: return SaveToCurrentFile(mainWindow->handle);
    case IDNO:
        DropRecoveryCopy();
        return true;
    default: return false;
    }
}
