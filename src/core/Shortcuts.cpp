#include "core/Shortcuts.h"

#include "map/core/tools/ToolTable.h"
#include "resource.h"

namespace {

// Virtual-key codes, as the system numbers them.
constexpr uint32_t kEscape = 0x1B, kLeft = 0x25, kUp = 0x26, kRight = 0x27, kDown = 0x28,
                   kDelete = 0x2E, kF1 = 0x70, kPlus = 0xBB, kMinus = 0xBD, kPadPlus = 0x6B,
                   kPadMinus = 0x6D, kPad0 = 0x60;

constexpr Held kNo = Held::kNo, kYes = Held::kYes, kEither = Held::kEither;
constexpr InDialogs kNever = InDialogs::kNever, kOutside = InDialogs::kOutsideTextBoxes,
                    kEverywhere = InDialogs::kEverywhere;

bool Matches(Held wanted, bool held) { return wanted == Held::kEither || (wanted == Held::kYes) == held; }

// The tools' letters, made from the tool table once.
std::vector<Shortcut> ToolShortcuts() {
    std::vector<Shortcut> keys;
    for (const ToolRow& row : ToolRows())
        keys.push_back({static_cast<uint32_t>(row.key), kNo, kEither, row.command, 0, nullptr, kOutside});
    return keys;
}

}  // namespace

const std::vector<Shortcut>& Shortcuts() {
    static const std::vector<Shortcut> keys = {
        {'N', kYes, kEither, ID_FILE_NEW, ID_FILE_NEW, "Ctrl+N", kEverywhere},
        {'O', kYes, kEither, ID_FILE_OPEN, ID_FILE_OPEN, "Ctrl+O", kEverywhere},
        {'B', kYes, kEither, ID_FILE_STAGE_LIST, ID_FILE_STAGE_LIST, "Ctrl+B", kEverywhere},
        {'S', kYes, kYes, ID_FILE_SAVEAS, ID_FILE_SAVEAS, "Ctrl+Shift+S", kEverywhere},
        {'S', kYes, kNo, ID_FILE_SAVE, ID_FILE_SAVE, "Ctrl+S", kEverywhere},
        {kEscape, kEither, kEither, ID_KEY_ESCAPE, ID_FILE_EXIT, "Escape", kNever},
        // Ctrl+Shift+Z redoes, as in many programs; Ctrl+Y is the Windows way.
        {'Z', kYes, kYes, ID_EDIT_REDO, 0, nullptr, kOutside},
        {'Z', kYes, kNo, ID_EDIT_UNDO, ID_EDIT_UNDO, "Ctrl+Z", kOutside},
        {'Y', kYes, kEither, ID_EDIT_REDO, ID_EDIT_REDO, "Ctrl+Y", kOutside},
        {'X', kYes, kEither, ID_EDIT_CUT, ID_EDIT_CUT, "Ctrl+X", kOutside},
        {'C', kYes, kEither, ID_EDIT_COPY, ID_EDIT_COPY, "Ctrl+C", kOutside},
        {'V', kYes, kEither, ID_EDIT_PASTE, ID_EDIT_PASTE, "Ctrl+V", kOutside},
        {kDelete, kEither, kEither, ID_EDIT_DELETE, ID_EDIT_DELETE, "Del", kOutside},
        {'H', kYes, kEither, ID_EDIT_REPLACE, ID_EDIT_REPLACE, "Ctrl+H", kOutside},
        {'J', kYes, kEither, ID_EDIT_NEXT_CONFLICT, ID_EDIT_NEXT_CONFLICT, "Ctrl+J", kOutside},
        {kF1, kEither, kEither, ID_EDIT_SMALL_PALETTE, ID_EDIT_SMALL_PALETTE, "F1", kEverywhere},
        {kF1 + 1, kEither, kEither, ID_EDIT_LARGE_PALETTE, ID_EDIT_LARGE_PALETTE, "F2", kEverywhere},
        {kF1 + 2, kEither, kEither, ID_EDIT_AREA, ID_EDIT_AREA, "F3", kEverywhere},
        {kF1 + 3, kEither, kEither, ID_EDIT_START_POSITION, ID_EDIT_START_POSITION, "F4", kEverywhere},
        {kF1 + 4, kEither, kEither, ID_VIEW_LAYERS, ID_VIEW_LAYERS, "F5", kEverywhere},
        {kF1 + 5, kEither, kEither, ID_EDIT_OVERVIEW, ID_EDIT_OVERVIEW, "F6", kEverywhere},
        {kF1 + 6, kEither, kEither, ID_EDIT_TERRAINS, ID_EDIT_TERRAINS, "F7", kEverywhere},
        {kF1 + 7, kEither, kEither, ID_EDIT_CLEAR_MAP, ID_EDIT_CLEAR_MAP, "F8", kEverywhere},
        {kF1 + 8, kEither, kEither, ID_EDIT_COMMENT, ID_EDIT_COMMENT, "F9", kEverywhere},
        {kF1 + 9, kEither, kEither, ID_EDIT_OTHER_SETTINGS, ID_EDIT_OTHER_SETTINGS, "F10", kEverywhere},
        {'1', kYes, kEither, ID_VIEW_LAYER0, ID_VIEW_LAYER0, "Ctrl+1", kEverywhere},
        {'2', kYes, kEither, ID_VIEW_LAYER1, ID_VIEW_LAYER1, "Ctrl+2", kEverywhere},
        {'3', kYes, kEither, ID_VIEW_LAYER2, ID_VIEW_LAYER2, "Ctrl+3", kEverywhere},
        {kPlus, kYes, kEither, ID_VIEW_ZOOM_IN, ID_VIEW_ZOOM_IN, "Ctrl++", kOutside},
        {kPadPlus, kYes, kEither, ID_VIEW_ZOOM_IN, 0, nullptr, kOutside},
        {kMinus, kYes, kEither, ID_VIEW_ZOOM_OUT, ID_VIEW_ZOOM_OUT, "Ctrl+-", kOutside},
        {kPadMinus, kYes, kEither, ID_VIEW_ZOOM_OUT, 0, nullptr, kOutside},
        {'0', kYes, kEither, ID_VIEW_ZOOM_RESET, ID_VIEW_ZOOM_RESET, "Ctrl+0", kOutside},
        {kPad0, kYes, kEither, ID_VIEW_ZOOM_RESET, 0, nullptr, kOutside},
        {kLeft, kEither, kEither, ID_KEY_SCROLL_LEFT, 0, nullptr, kNever},
        {kUp, kEither, kEither, ID_KEY_SCROLL_UP, 0, nullptr, kNever},
        {kRight, kEither, kEither, ID_KEY_SCROLL_RIGHT, 0, nullptr, kNever},
        {kDown, kEither, kEither, ID_KEY_SCROLL_DOWN, 0, nullptr, kNever},
    };
    return keys;
}

const Shortcut* FindShortcut(uint32_t key, bool control, bool shift) {
    static const std::vector<Shortcut> tools = ToolShortcuts();
    for (const std::vector<Shortcut>* table : {&Shortcuts(), &tools})
        for (const Shortcut& s : *table)
            if (s.key == key && Matches(s.control, control) && Matches(s.shift, shift)) return &s;
    return nullptr;
}
