#include "dialogs/DialogValues.h"

#include "Globals.h"
#include "dialogs/ConfigWindow.h"
#include "dialogs/CursorWindow.h"
#include "dialogs/MessageWindow.h"
#include "dialogs/ResizeWindow.h"
#include "dialogs/core/SettingsRules.h"

void ShowStageValues(const Stage& stage) {
    const StageSettings& settings = stage.Settings();
    if (resizeWindow != nullptr) resizeWindow->SetSizeFields(stage.Map().mapWidth, stage.Map().mapHeight);
    if (cursorWindow != nullptr) {
        cursorWindow->SetUnspecified(settings.startUnspecified);
        const StartPosition accepted = ApplyStartPositionRules(settings.startX, settings.startY);
        const bool acceptable = accepted.x == settings.startX && accepted.y == settings.startY;
        if (!settings.startUnspecified || acceptable)
            cursorWindow->SetPositionFields(settings.startX, settings.startY);
    }
    if (configWindow != nullptr) configWindow->ShowValues(settings.numbers);
    if (messageWindow != nullptr) messageWindow->ShowComment(settings.comment);
}
