#include "dialogs/DialogValues.h"

#include "Globals.h"
#include "dialogs/ConfigWindow.h"
#include "dialogs/CursorWindow.h"
#include "dialogs/MessageWindow.h"
#include "dialogs/ResizeWindow.h"
#include "render/core/ViewGeometry.h"

void ShowStageValues(const MapDocument& document) {
    if (resizeWindow != nullptr) resizeWindow->SetSizeFields(document.mapWidth, document.mapHeight);
    if (cursorWindow != nullptr) {
        cursorWindow->SetUnspecified(document.startUnspecified);
        if (!document.startUnspecified) cursorWindow->SetPositionFields(document.startX, document.startY);
    }
    if (configWindow != nullptr)
        configWindow->SetValues(document.targetTime, document.timeLimit, document.backgroundImage,
                                document.music);
    if (messageWindow != nullptr)
        messageWindow->SetComment(reinterpret_cast<const char*>(document.comment.data()),
                                  static_cast<int32_t>(document.comment.size()));
}

void CollectStageValues(MapDocument& document) {
    document.startUnspecified = cursorWindow != nullptr && cursorWindow->IsUnspecified();
    if (configWindow != nullptr) document.SetStage(configWindow->Values());
    document.comment.clear();
    if (messageWindow != nullptr) {
        const char* bytes = messageWindow->comment.Bytes();
        document.comment.assign(bytes, bytes + messageWindow->comment.Length());
    }
}

void ShowNewMapValues() {
    if (resizeWindow != nullptr) resizeWindow->SetSizeFields(kViewWidth, kViewHeight);
    if (configWindow != nullptr) configWindow->ResetValues();
}
