#include "CommentEncoding.h"

#include <cstdio>

#include "CommentText.h"
#include "Cp932Codec.h"

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// The length of the UTF-8 sequence at `at` and its code point; 0 when it is not one.
size_t Utf8Sequence(const std::string& text, size_t at, uint32_t& codePoint) {
    const auto byte = [&](size_t i) { return static_cast<uint8_t>(text[i]); };
    const uint8_t lead = byte(at);
    size_t length = lead < 0x80           ? 1
                    : (lead >> 5) == 0x6  ? 2
                    : (lead >> 4) == 0xE  ? 3
                    : (lead >> 3) == 0x1E ? 4
                                          : 0;
    if (length == 0 || at + length > text.size()) return 0;
    codePoint = length == 1 ? lead : lead & (0x7F >> length);
    for (size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) return 0;
        codePoint = codePoint << 6 | (byte(at + i) & 0x3F);
    }
    return length;
}

std::string CharacterName(size_t index, uint32_t codePoint) {
    char name[48];
    std::snprintf(name, sizeof name, "character %zu (U+%04X)", index,
                  static_cast<unsigned>(codePoint));
    return name;
}

}  // namespace

bool CommentFromJson(const std::string& text, std::vector<uint8_t>& bytes, std::string& error) {
    bytes.clear();
    size_t index = 0;  // characters so far; the one at hand is index + 1
    for (size_t at = 0; at < text.size();) {
        ++index;
        uint32_t codePoint = 0;
        const size_t length = Utf8Sequence(text, at, codePoint);
        if (length == 0) {
            error = "character " + std::to_string(index) + " is not UTF-8";
            return false;
        }
        if (codePoint == '\\') {
            const bool backslash = at + 1 < text.size() && text[at + 1] == '\\';
            const bool hex = at + 3 < text.size() && text[at + 1] == 'x' &&
                             HexDigit(text[at + 2]) >= 0 && HexDigit(text[at + 3]) >= 0;
            if (!backslash && !hex) {
                error = "character " + std::to_string(index) +
                        ": a backslash starts \\\\ or \\xNN only";
                return false;
            }
            const uint8_t value =
                backslash
                    ? uint8_t{'\\'}
                    : static_cast<uint8_t>(HexDigit(text[at + 2]) * 16 + HexDigit(text[at + 3]));
            if (value == 0) {
                error =
                    "character " + std::to_string(index) + ": a zero byte would end the comment";
                return false;
            }
            bytes.push_back(value);
            index += backslash ? 1 : 3;
            at += backslash ? 2 : 4;
            continue;
        }
        if (codePoint == 0) {
            error = CharacterName(index, codePoint) + " would end the comment";
            return false;
        }
        const std::string character = text.substr(at, length);
        std::string encoded = character;
        // Beyond ASCII, only a code that export would show as this very character: a code page
        // 932 duplicate or a byte export escapes would not come back as the same text.
        if (length > 1 &&
            (!EncodeCp932Character(character, encoded) ||
             CommentForJson(std::vector<uint8_t>(encoded.begin(), encoded.end())) != character)) {
            error = CharacterName(index, codePoint) + " has no Shift_JIS code";
            return false;
        }
        bytes.insert(bytes.end(), encoded.begin(), encoded.end());
        at += length;
    }
    return true;
}
