#include "dialogs/DialogValues.h"

#include "Globals.h"
#include "dialogs/ConfigWindow.h"
#include "dialogs/CursorWindow.h"
#include "dialogs/MessageWindow.h"
#include "dialogs/ResizeWindow.h"

void ShowStageValuesIn(const Window* dialog, const Stage& stage) {
    const StageSettings& settings = stage.Settings();
    if (dialog == nullptr) return;
    if (dialog == resizeWindow) resizeWindow->SetSizeFields(stage.Map().mapWidth, stage.Map().mapHeight);
    if (dialog == cursorWindow) {
        cursorWindow->SetUnspecified(settings.startUnspecified);
        cursorWindow->SetPositionFields(settings.startX, settings.startY);
    }
    if (dialog == configWindow) configWindow->ShowValues(settings.numbers);
    if (dialog == messageWindow) messageWindow->ShowComment(settings.comment);
}

void ShowStageValues(const Stage& stage) {
    for (const Window* dialog : {static_cast<const Window*>(resizeWindow), static_cast<const Window*>(cursorWindow),
                                 static_cast<const Window*>(configWindow), static_cast<const Window*>(messageWindow)})
        ShowStageValuesIn(dialog, stage);
}
