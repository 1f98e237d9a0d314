// Starts the whole editor inside the test process, as the entry point does, and takes it
// down again after each test.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "Application.h"
#include "TestFiles.h"
#include "Globals.h"
#include "Commands.h"
#include "Display.h"
#include "Editor.h"
#include "MainWindow.h"
#include "map/CurrentFile.h"
#include "map/core/CellWrite.h"
#include "map/core/tools/ToolTable.h"

// Handles every message that is waiting, as the message loop would.
inline void PumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchProgramMessage(message);
}

inline std::string WindowText(HWND window) {
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof(text));
    return text;
}

// A mouse button pressed and released at a client point of a window, as the system would
// deliver it: the cursor is really there (the program reads it), then the messages arrive.
inline void ClickAt(HWND window, int x, int y, UINT message = WM_LBUTTONDOWN) {
    POINT point{x, y};
    ClientToScreen(window, &point);
    SetCursorPos(point.x, point.y);
    const bool right = message == WM_RBUTTONDOWN;
    SendMessageA(window, message, right ? MK_RBUTTON : MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageA(window, right ? WM_RBUTTONUP : WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

// A key pressed with Ctrl and Shift held or not, as the keyboard state says when the program
// asks for it.
inline void SetModifiers(bool control, bool shift) {
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_CONTROL] = control ? 0x80 : 0;
    keys[VK_SHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(keys);
}

inline void PressKey(uint32_t key, bool control = false, bool shift = false) {
    SetModifiers(control, shift);
    HandleKey(key);
    SetModifiers(false, false);
}

// Test set-up through the stage, the way the editor changes it: each call is an undo step.
inline void SetCell(int layer, uint32_t index, MapCell cell) {
    mainWindow->stage.WriteCells({CellWrite{index, static_cast<uint8_t>(layer), cell}});
}

inline void SetStart(int32_t x, int32_t y) {
    StageSettings settings = mainWindow->stage.Settings();
    settings.startX = x;
    settings.startY = y;
    mainWindow->ChangeSettings(settings);
}

inline const StageSettings& Settings() { return mainWindow->stage.Settings(); }

// The menu command of the tool in hand.
inline UINT ActiveTool() { return ToolRows()[editor->tools.Active()].command; }

// A dialog's button clicked, as the button tells its dialog.
inline void PressButton(const Window* dialog, int id) {
    SendMessageA(dialog->handle, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog->handle, id)));
}

inline bool Visible(const Window* window) { return IsWindowVisible(window->handle) != FALSE; }

// Whether a command of the main window's menu bears its check mark.
inline bool MenuChecked(UINT id) {
    return (GetMenuState(GetMenu(mainWindow->handle), id, MF_BYCOMMAND) & MF_CHECKED) != 0;
}

// The client point at the middle of a cell of the view.
inline POINT CellCentre(int column, int row) { return POINT{column * 40 + 20, row * 40 + 20}; }

// A cell of the map as the stage holds it.
inline const MapCell& MapCellAt(int layer, uint32_t column, uint32_t row) {
    return mainWindow->map.Layer(layer)[row * mainWindow->CellCounts().cellsX + column];
}

// The text of a dialog's box, in the system's code page.
inline std::string BoxText(const Window* dialog, int id) {
    HWND box = GetDlgItem(dialog->handle, id);
    std::string text(static_cast<size_t>(GetWindowTextLengthA(box)) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(box, text.data(), static_cast<int>(text.size()))));
    return text;
}

// Saves the stage to path with Ctrl+S and reads back what was written.
inline std::string SaveAndRead(const std::string& path) {
    SetCurrentPath(Wide(path).c_str());
    PressKey('S', true);
    return FileBytes(path);
}

class EditorTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(StartUp());
        PumpMessages();
    }
    void TearDown() override {
        PumpMessages();
        Teardown();
    }
    ProfileFolder profile;
};
