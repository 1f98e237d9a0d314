#include "map/BlockClipboard.h"

#include <cstring>
#include <string>

#include "WideText.h"
#include "map/core/BlockJson.h"

namespace {

// The system gives the same number for the same name every time it is asked.
UINT BlockFormat() { return RegisterClipboardFormatW(kBlockClipboardFormatName); }

// The clipboard is shared with every program; another may hold it open for a moment.
bool OpenClipboardSoon(HWND owner) {
    for (int attempt = 0; attempt < 5; ++attempt) {
        if (OpenClipboard(owner)) return true;
        Sleep(10);
    }
    return false;
}

bool SetGlobalData(UINT format, const void* bytes, size_t size) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    if (memory == nullptr) return false;
    void* target = GlobalLock(memory);
    if (target == nullptr) {
        GlobalFree(memory);
        return false;
    }
    std::memcpy(target, bytes, size);
    GlobalUnlock(memory);
    if (SetClipboardData(format, memory) == nullptr) {
        GlobalFree(memory);  // still ours when the clipboard did not take it
        return false;
    }
    return true;
}

// The text of a clipboard handle, up to its first NUL and never past the memory's end; false
// when it is longer than a block can be, so that no large text is copied at all.
template <typename Char>
bool TextOf(HANDLE data, std::basic_string<Char>& text) {
    if (data == nullptr) return false;
    const size_t capacity = GlobalSize(data) / sizeof(Char);
    const auto* chars = static_cast<const Char*>(GlobalLock(data));
    if (chars == nullptr) return false;
    size_t length = 0;
    while (length < capacity && length <= kMaxBlockTextBytes && chars[length] != 0) ++length;
    const bool fits = length <= kMaxBlockTextBytes;
    if (fits) text.assign(chars, length);
    GlobalUnlock(data);
    return fits;
}

// Reads the block from the open clipboard.
bool ReadOpenClipboard(CellBlock& block) {
    std::string json;
    if (IsClipboardFormatAvailable(BlockFormat())) {
        if (!TextOf(GetClipboardData(BlockFormat()), json)) return false;
    } else if (IsClipboardFormatAvailable(CF_UNICODETEXT)) {
        std::wstring text;
        if (!TextOf(GetClipboardData(CF_UNICODETEXT), text)) return false;
        json = Utf8FromWide(text);
    } else {
        return false;
    }
    std::string error;
    return BlockFromJson(json, block, error);
}

}  // namespace

void BlockClipboard::ReadIfChanged(HWND owner) {
    const DWORD now = GetClipboardSequenceNumber();
    if (now != 0 && now == sequence) return;
    if (!OpenClipboardSoon(owner)) return;
    CellBlock read;
    const bool holds = ReadOpenClipboard(read);
    CloseClipboard();
    sequence = now;
    holdsBlock = holds;
    block = holds ? std::move(read) : CellBlock{};
}

bool BlockClipboard::Put(HWND owner, const CellBlock& put) {
    const std::string json = BlockToJson(put);
    if (json.empty() || !OpenClipboardSoon(owner)) return false;
    const std::wstring text = WideFromUtf8(json);
    const bool done = EmptyClipboard() && SetGlobalData(BlockFormat(), json.c_str(), json.size() + 1) &&
                      SetGlobalData(CF_UNICODETEXT, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    CloseClipboard();
    // The block just put there need not be read back.
    sequence = done ? GetClipboardSequenceNumber() : 0;
    holdsBlock = done;
    block = done ? put : CellBlock{};
    return done;
}

bool BlockClipboard::Block(HWND owner, CellBlock& read) {
    ReadIfChanged(owner);
    if (holdsBlock) read = block;
    return holdsBlock;
}

bool BlockClipboard::HoldsBlock(HWND owner) {
    ReadIfChanged(owner);
    return holdsBlock;
}

bool BlockClipboard::MayHoldBlock() const {
    const DWORD now = GetClipboardSequenceNumber();
    if (now != 0 && now == sequence) return holdsBlock;
    return IsClipboardFormatAvailable(BlockFormat()) || IsClipboardFormatAvailable(CF_UNICODETEXT);
}
