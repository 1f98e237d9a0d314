#include "core/WindowsPathCase.h"

#include "core/Utf8Text.h"

namespace {

bool Within(char32_t c, char32_t first, char32_t last) { return c >= first && c <= last; }
bool IsOdd(char32_t c) { return (c & 1) != 0; }

// Blocks where upper and lower case alternate, the upper-case letter first.
char32_t UpcasePairs(char32_t c) {
    const bool upperFirstOdd =  // the lower-case letter has the odd code
        Within(c, 0x0100, 0x012F) || Within(c, 0x0132, 0x0137) || Within(c, 0x014A, 0x0177) ||
        Within(c, 0x0460, 0x0481) || Within(c, 0x048A, 0x04BF) || Within(c, 0x04D0, 0x052F) ||
        Within(c, 0x1E00, 0x1E95) || Within(c, 0x1EA0, 0x1EFF);
    if (upperFirstOdd) return IsOdd(c) ? c - 1 : c;
    const bool upperFirstEven =  // the lower-case letter has the even code
        Within(c, 0x0139, 0x0148) || Within(c, 0x0179, 0x017E) || Within(c, 0x04C1, 0x04CE);
    if (upperFirstEven) return IsOdd(c) ? c : c - 1;
    return c;
}

}  // namespace

char32_t UpcaseLikeWindows(char32_t c) {
    if (Within(c, U'a', U'z')) return c - 0x20;
    if (c < 0x80) return c;
    if (c == 0x00B5) return 0x039C;  // micro sign: Greek capital mu
    if (Within(c, 0x00E0, 0x00FE) && c != 0x00F7) return c - 0x20;
    if (c == 0x00FF) return 0x0178;
    // Greek
    if (c == 0x03AC) return 0x0386;
    if (Within(c, 0x03AD, 0x03AF)) return c - 0x25;
    if (c == 0x03C2) return 0x03A3;  // final sigma
    if (Within(c, 0x03B1, 0x03CB)) return c - 0x20;
    if (c == 0x03CC) return 0x038C;
    if (Within(c, 0x03CD, 0x03CE)) return c - 0x3F;
    // Cyrillic
    if (Within(c, 0x0430, 0x044F)) return c - 0x20;
    if (Within(c, 0x0450, 0x045F)) return c - 0x50;
    if (c == 0x04CF) return 0x04C0;
    // Armenian
    if (Within(c, 0x0561, 0x0586)) return c - 0x30;
    // Fullwidth Latin
    if (Within(c, 0xFF41, 0xFF5A)) return c - 0x20;
    return UpcasePairs(c);
}

std::string WindowsPathKey(const std::string& utf8Path) {
    if (!IsValidUtf8(utf8Path)) return utf8Path;
    std::string key;
    key.reserve(utf8Path.size());
    size_t at = 0;
    char32_t character = 0;
    while (DecodeUtf8Character(utf8Path, at, character))
        AppendUtf8(key, character == U'/' ? U'\\' : UpcaseLikeWindows(character));
    return key;
}

bool SameWindowsPath(const std::string& a, const std::string& b) {
    return WindowsPathKey(a) == WindowsPathKey(b);
}
