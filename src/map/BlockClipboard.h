// Blocks of cells on the Windows clipboard, so that a block copied in one running editor pastes
// into another: in a clipboard format registered for the program and as Unicode text, both
// holding the block's JSON (BlockJson.h), which any text editor or script can read and write.
#pragma once
#include <windows.h>

#include "map/core/CellBlock.h"

// The name the program's clipboard format is registered under.
constexpr wchar_t kBlockClipboardFormatName[] = L"PicoranEditor.CellBlock";

// The clipboard as this editor sees it, with what it read there last.
class BlockClipboard {
public:
    // Empties the clipboard and puts the block on it in both forms. False, leaving the
    // clipboard to whoever holds it, when it cannot be opened or memory runs out.
    bool Put(HWND owner, const CellBlock& block);

    // The block the clipboard holds: the program's own format first, else Unicode text that
    // is a block's JSON. False when it holds neither, the text is not a valid block or is
    // longer than kMaxBlockTextBytes. What was read is kept until the clipboard changes, so
    // asking again costs nothing.
    bool Block(HWND owner, CellBlock& block);
    bool HoldsBlock(HWND owner);
    // Without opening the clipboard, which other programs share: what was read if it has not
    // changed since, else whether it holds the program's format or any text at all.
    bool MayHoldBlock() const;

private:
    // What the clipboard held when it was last read: its sequence number, and the block if it
    // held one. A sequence number of 0 means the system does not count changes; then nothing
    // is kept.
    DWORD sequence = 0;
    bool holdsBlock = false;
    CellBlock block;

    // Reads the clipboard again when it changed since the last reading. When it cannot be
    // opened, the last reading stands.
    void ReadIfChanged(HWND owner);
};
