#include "dialogs/DialogKeys.h"

#include "Commands.h"
#include "Editor.h"
#include "Globals.h"
#include "KeyState.h"
#include "browser/StageListWindow.h"
#include "core/Shortcuts.h"
#include "dialogs/ConfigWindow.h"
#include "dialogs/CursorWindow.h"
#include "dialogs/MessageWindow.h"
#include "dialogs/ResizeWindow.h"
#include "resource.h"

namespace {

struct SettingsDialogKeys {
    HWND dialog;
    int cancelId;
};

// The settings dialog a window belongs to (the dialog itself or one of its controls), with the
// id of its cancel button; a null dialog for any other window.
SettingsDialogKeys SettingsDialogOf(HWND window) {
    const SettingsDialogKeys dialogs[] = {
        {resizeWindow != nullptr ? resizeWindow->handle : nullptr, IDC_RESIZE_CANCEL},
        {cursorWindow != nullptr ? cursorWindow->handle : nullptr, IDC_CURSOR_CANCEL},
        {messageWindow != nullptr ? messageWindow->handle : nullptr, IDC_MESSAGE_CANCEL},
        {configWindow != nullptr ? configWindow->handle : nullptr, IDC_CONFIG_CANCEL},
        // The stage browser takes the same keys: Escape hides it, Enter opens a stage.
        {editor != nullptr && editor->stageList != nullptr ? editor->stageList->handle : nullptr, IDCANCEL},
    };
    for (const SettingsDialogKeys& keys : dialogs)
        if (keys.dialog != nullptr && window != nullptr &&
            (window == keys.dialog || IsChild(keys.dialog, window)))
            return keys;
    return SettingsDialogKeys{nullptr, 0};
}

// As the cancel button's click: the dialog hides and nothing changes.
void PressButton(HWND dialog, int id) {
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

// The next control in the order Tab visits them. The dialog's own handling of the focus
// change selects the text of a box (the comment box too, which would otherwise take the Tab
// as a character).
void MoveFocus(HWND dialog, bool backwards) {
    HWND next = GetNextDlgTabItem(dialog, GetFocus(), backwards ? TRUE : FALSE);
    if (next != nullptr) SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(next), TRUE);
}

bool IsTextBox(HWND window) {
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    return lstrcmpiW(className, L"Edit") == 0;
}

}  // namespace

bool IsProgramShortcut(WPARAM virtualKey, bool controlHeld, bool shiftHeld, bool inTextBox) {
    const Shortcut* shortcut = FindShortcut(static_cast<uint32_t>(virtualKey), controlHeld, shiftHeld);
    if (shortcut == nullptr) return false;
    return shortcut->dialogs == InDialogs::kEverywhere ||
           (shortcut->dialogs == InDialogs::kOutsideTextBoxes && !inTextBox);
}

bool HandleSettingsDialogKeys(MSG& message) {
    const SettingsDialogKeys keys = SettingsDialogOf(message.hwnd);
    if (keys.dialog == nullptr) return false;
    // Of the system keys only F10 is a shortcut; Alt+F4 and the like keep their meaning.
    const bool keyDown = message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN;
    if (keyDown &&
        IsProgramShortcut(message.wParam, IsKeyHeld(VK_CONTROL), IsKeyHeld(VK_SHIFT), IsTextBox(message.hwnd)) &&
        ForwardKeyMessage(message.message, message.wParam))
        return true;
    if (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE) {
        PressButton(keys.dialog, keys.cancelId);
        return true;
    }
    if (message.message == WM_KEYDOWN && message.wParam == VK_TAB && !IsKeyHeld(VK_CONTROL)) {
        MoveFocus(keys.dialog, IsKeyHeld(VK_SHIFT));
        return true;
    }
    return IsDialogMessageW(keys.dialog, &message) != FALSE;
}

bool HandleReplaceWindowKeys(MSG& message) {
    HWND dialog = editor != nullptr ? editor->replaceWindow : nullptr;
    if (dialog == nullptr || (message.hwnd != dialog && !IsChild(dialog, message.hwnd))) return false;
    const bool keyDown = message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN;
    if (keyDown && IsProgramShortcut(message.wParam, IsKeyHeld(VK_CONTROL), IsKeyHeld(VK_SHIFT), false) &&
        ForwardKeyMessage(message.message, message.wParam))
        return true;
    return IsDialogMessageW(dialog, &message) != FALSE;
}
