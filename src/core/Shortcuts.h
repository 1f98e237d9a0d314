// The shortcut keys: which key, with Ctrl and Shift held or not, carries out which command, and
// how the menu names the key beside that command. The key handler acts on this table alone (the
// tools' letters come from the tool table), the settings dialogs take from it which keys are the
// program's, and a test holds the menu's texts to it, so a key and its menu text cannot drift
// apart.
#pragma once
#include <cstdint>
#include <vector>

// Whether a modifier must be held, must not be, or does not matter.
enum class Held : uint8_t { kNo, kYes, kEither };

// Where a key stays the program's while a settings dialog has the focus.
enum class InDialogs : uint8_t {
    kNever,             // the dialog's own: Escape presses its cancel button, the arrows move
    kOutsideTextBoxes,  // a text box keeps it as its own (letters, Delete, its undo, cut, copy, paste)
    kEverywhere,
};

struct Shortcut {
    uint32_t key;          // the virtual-key code
    Held control;
    Held shift;
    uint32_t command;      // what it does: a menu command, or one of the keys' own (ID_KEY_...)
    uint32_t menuItem;     // the menu item whose text names this key, or 0
    const char* menuKey;   // the key as that text names it after its blanks ("Ctrl+N")
    InDialogs dialogs;
};

// The keys in the order they are matched: a key with Shift held comes before the same key
// with Shift not mattering.
const std::vector<Shortcut>& Shortcuts();

// The shortcut of a key with the modifiers held so, the tools' letters included; null for a key
// that does nothing. The returned shortcut lives for the whole run.
const Shortcut* FindShortcut(uint32_t key, bool control, bool shift);
