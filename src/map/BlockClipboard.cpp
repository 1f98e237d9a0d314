#include "map/BlockClipboard.h"

#include <cstring>
#include <string>

#include "WideText.h"
#include "map/core/BlockJson.h"

namespace {

UINT BlockFormat() {
    static const UINT format = RegisterClipboardFormatW(kBlockClipboardFormatName);
    return format;
}

// What the clipboard held when it was last read: its sequence number, and the block if it held
// one. A sequence number of 0 means the system does not count changes; then nothing is kept.
struct ClipboardReading {
    DWORD sequence = 0;
    bool holdsBlock = false;
    CellBlock block;
};

ClipboardReading& LastReading() {
    static ClipboardReading reading;
    return reading;
}

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

// What the clipboard holds now, read again only when it changed since the last reading. When it
// cannot be opened, the last reading stands.
const ClipboardReading& CurrentReading(HWND owner) {
    ClipboardReading& reading = LastReading();
    const DWORD sequence = GetClipboardSequenceNumber();
    if (sequence != 0 && sequence == reading.sequence) return reading;
    if (!OpenClipboardSoon(owner)) return reading;
    CellBlock read;
    const bool holdsBlock = ReadOpenClipboard(read);
    CloseClipboard();
    reading.sequence = sequence;
    reading.holdsBlock = holdsBlock;
    reading.block = holdsBlock ? std::move(read) : CellBlock{};
    return reading;
}

}  // namespace

bool PutBlockOnClipboard(HWND owner, const CellBlock& block) {
    const std::string json = BlockToJson(block);
    if (json.empty() || !OpenClipboardSoon(owner)) return false;
    const std::wstring text = WideFromUtf8(json);
    const bool put = EmptyClipboard() && SetGlobalData(BlockFormat(), json.c_str(), json.size() + 1) &&
                     SetGlobalData(CF_UNICODETEXT, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    CloseClipboard();
    // The block just put there need not be read back.
    ClipboardReading& reading = LastReading();
    reading.sequence = put ? GetClipboardSequenceNumber() : 0;
    reading.holdsBlock = put;
    reading.block = put ? block : CellBlock{};
    return put;
}

bool BlockOnClipboard(HWND owner, CellBlock& block) {
    const ClipboardReading& reading = CurrentReading(owner);
    if (reading.holdsBlock) block = reading.block;
    return reading.holdsBlock;
}

bool ClipboardHoldsBlock(HWND owner) { return CurrentReading(owner).holdsBlock; }

bool ClipboardMayHoldBlock() {
    const ClipboardReading& reading = LastReading();
    const DWORD sequence = GetClipboardSequenceNumber();
    if (sequence != 0 && sequence == reading.sequence) return reading.holdsBlock;
    return IsClipboardFormatAvailable(BlockFormat()) || IsClipboardFormatAvailable(CF_UNICODETEXT);
}
