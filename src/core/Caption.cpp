#include "core/Caption.h"

namespace {

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }

// How many of the first units of text fit in room without ending in half a surrogate pair.
size_t KeepLength(const std::u16string& text, size_t room) {
    if (text.size() <= room) return text.size();
    size_t keep = room;
    if (keep > 0 && IsHighSurrogate(text[keep - 1])) --keep;
    return keep;
}

}  // namespace

std::u16string FormatCaption(const std::u16string& title, const std::u16string& path,
                             size_t capacity, bool modified) {
    static const std::u16string kModifiedMark = u" *";
    if (modified) {
        if (capacity <= kModifiedMark.size()) return std::u16string();
        return FormatCaption(title, path, capacity - kModifiedMark.size()) + kModifiedMark;
    }
    if (capacity == 0) return std::u16string();
    const size_t limit = capacity - 1;
    std::u16string caption = title.substr(0, KeepLength(title, limit));
    caption += std::u16string(u" [").substr(0, limit - caption.size());
    // Leave room for the closing bracket so a cut path still reads as a bracketed name.
    if (caption.size() < limit) {
        caption += path.substr(0, KeepLength(path, limit - caption.size() - 1));
        caption += u']';
    }
    return caption;
}
