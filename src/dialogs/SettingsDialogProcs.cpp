#include "dialogs/SettingsDialogProcs.h"

#include "Commands.h"
#include "Display.h"
#include "Globals.h"
#include "MainWindow.h"
#include "MapCommands.h"
#include "WideText.h"
#include "core/Texts.h"
#include "dialogs/CommentBox.h"
#include "dialogs/ConfigWindow.h"
#include "dialogs/DialogControls.h"
#include "dialogs/MessageWindow.h"
#include "dialogs/core/SettingsRules.h"
#include "dialogs/core/StageValues.h"
#include "render/core/ViewGeometry.h"
#include "resource.h"

namespace {

// What sets one settings dialog apart from the others.
struct SettingsDialogRoutes {
    int okId;
    int cancelId;
    void (*fill)(HWND dialog);   // the boxes' first texts, when the dialog is made
    void (*apply)(HWND dialog);  // OK: read the boxes and apply them
};

INT_PTR HandleSettingsDialogMessage(HWND dialog, UINT message, WPARAM wParam,
                                    const SettingsDialogRoutes& routes) {
    switch (message) {
    case WM_INITDIALOG:
        routes.fill(dialog);
        break;
    case WM_COMMAND: {
        // Only the control id counts; the notification code is not looked at.
        const int id = LOWORD(wParam);
        if (id == routes.okId) {
            routes.apply(dialog);
            HideDialog(dialog);
            ShowChanges();
        } else if (id == routes.cancelId) {
            HideDialog(dialog);
        }
        break;
    }
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        return ForwardDialogKeyMessage(message, wParam);
    case WM_CLOSE:
        HideDialog(dialog);
        break;
    default:
        break;
    }
    return 0;
}

// Edit area: whole cells within 16 x 12 .. 60 x 60; the boxes show what was applied.
void FillEditArea(HWND dialog) {
    WriteNumberBox(dialog, IDC_RESIZE_WIDTH, kViewWidth);
    WriteNumberBox(dialog, IDC_RESIZE_HEIGHT, kViewHeight);
}

void ApplyEditArea(HWND dialog) {
    MapSize current{kViewWidth, kViewHeight};
    if (mainWindow != nullptr) current = MapSize{mainWindow->map.mapWidth, mainWindow->map.mapHeight};
    const MapSize size = ApplyEditAreaRules(ReadNumberBox(dialog, IDC_RESIZE_WIDTH),
                                            ReadNumberBox(dialog, IDC_RESIZE_HEIGHT), current);
    WriteNumberBox(dialog, IDC_RESIZE_WIDTH, size.width);
    WriteNumberBox(dialog, IDC_RESIZE_HEIGHT, size.height);
    ResizeMapFromDialog(size.width, size.height);
}

// Start position: a coordinate typed anew outside the view falls back to the view's centre;
// the check box says whether the position counts at all.
void FillStartPosition(HWND dialog) {
    WriteNumberBox(dialog, IDC_CURSOR_X, kViewWidth / 2);
    WriteNumberBox(dialog, IDC_CURSOR_Y, kViewHeight / 2);
    // The start position counts as not specified until a designer says otherwise.
    CheckDlgButton(dialog, IDC_CURSOR_UNSPECIFIED, BST_CHECKED);
}

void ApplyStartPosition(HWND dialog) {
    StartPosition held{kViewWidth / 2, kViewHeight / 2};
    if (mainWindow != nullptr) held = StartPosition{mainWindow->stage.Settings().startX, mainWindow->stage.Settings().startY};
    const StartPosition position = ApplyStartPositionRules(ReadNumberBox(dialog, IDC_CURSOR_X),
                                                           ReadNumberBox(dialog, IDC_CURSOR_Y), held);
    WriteNumberBox(dialog, IDC_CURSOR_X, position.x);
    WriteNumberBox(dialog, IDC_CURSOR_Y, position.y);
    SetStartPosition(position.x, position.y,
                     IsDlgButtonChecked(dialog, IDC_CURSOR_UNSPECIFIED) == BST_CHECKED);
}

// Comment: the box's whole text, cut to what the comment takes from the box (255 bytes)
// without leaving half a double-byte character; the box then shows what was stored.
void FillComment(HWND dialog) {
    SetDlgItemTextW(dialog, IDC_MESSAGE_TEXT, WideFromSjis(texts::kDefaultComment).c_str());
}

// What was typed becomes Shift_JIS bytes here: a character code page 932 cannot hold is "?".
// The box takes no more than 255 bytes; only a comment from a map file can be longer.
void ApplyComment(HWND dialog) {
    const std::string text = CommentBytesOfBox(dialog);
    const size_t keep = CutCommentText(text.data(), text.size(), kCommentBoxLimit);
    if (messageWindow != nullptr) messageWindow->SetComment(text.data(), static_cast<int32_t>(keep));
}

// Other settings: each number is kept within 0..999 on its own.
void FillStageNumbers(HWND dialog) { ShowStageNumbers(dialog, StageNumbers{}); }

void ApplyStageNumbers(HWND dialog) {
    if (configWindow == nullptr) return;
    configWindow->SetValues(ClampStageNumber(ReadNumberBox(dialog, IDC_CONFIG_TARGET_TIME)),
                            ClampStageNumber(ReadNumberBox(dialog, IDC_CONFIG_TIME_LIMIT)),
                            ClampStageNumber(ReadNumberBox(dialog, IDC_CONFIG_BACKGROUND)),
                            ClampStageNumber(ReadNumberBox(dialog, IDC_CONFIG_MUSIC)));
}

const SettingsDialogRoutes kEditArea{IDC_RESIZE_OK, IDC_RESIZE_CANCEL, FillEditArea, ApplyEditArea};
const SettingsDialogRoutes kStartPosition{IDC_CURSOR_OK, IDC_CURSOR_CANCEL, FillStartPosition,
                                          ApplyStartPosition};
const SettingsDialogRoutes kComment{IDC_MESSAGE_OK, IDC_MESSAGE_CANCEL, FillComment, ApplyComment};
const SettingsDialogRoutes kStageNumbers{IDC_CONFIG_OK, IDC_CONFIG_CANCEL, FillStageNumbers,
                                         ApplyStageNumbers};

}  // namespace

INT_PTR CALLBACK ResizeDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    return HandleSettingsDialogMessage(dialog, message, wParam, kEditArea);
}

INT_PTR CALLBACK CursorDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    return HandleSettingsDialogMessage(dialog, message, wParam, kStartPosition);
}

INT_PTR CALLBACK MessageDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    WatchCommentBox(dialog, message, wParam);
    return HandleSettingsDialogMessage(dialog, message, wParam, kComment);
}

INT_PTR CALLBACK ConfigDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    return HandleSettingsDialogMessage(dialog, message, wParam, kStageNumbers);
}
