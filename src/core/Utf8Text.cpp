#include "core/Utf8Text.h"

#include <cstdint>

namespace {

bool IsContinuation(uint8_t byte) { return (byte & 0xC0) == 0x80; }

}  // namespace

bool DecodeUtf8Character(const std::string& text, size_t& at, char32_t& character) {
    if (at >= text.size()) return false;
    const uint8_t first = static_cast<uint8_t>(text[at]);
    size_t length = 0;
    char32_t value = 0;
    char32_t smallest = 0;  // below this the form is overlong
    if (first < 0x80) {
        character = first;
        ++at;
        return true;
    } else if ((first & 0xE0) == 0xC0) {
        length = 2;
        value = first & 0x1F;
        smallest = 0x80;
    } else if ((first & 0xF0) == 0xE0) {
        length = 3;
        value = first & 0x0F;
        smallest = 0x800;
    } else if ((first & 0xF8) == 0xF0) {
        length = 4;
        value = first & 0x07;
        smallest = 0x10000;
    } else {
        return false;
    }
    if (text.size() - at < length) return false;
    for (size_t i = 1; i < length; ++i) {
        const uint8_t next = static_cast<uint8_t>(text[at + i]);
        if (!IsContinuation(next)) return false;
        value = (value << 6) | (next & 0x3F);
    }
    if (value < smallest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return false;
    character = value;
    at += length;
    return true;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

bool IsValidUtf8(const std::string& text) {
    size_t at = 0;
    char32_t character = 0;
    while (at < text.size())
        if (!DecodeUtf8Character(text, at, character)) return false;
    return true;
}

bool IsSingleLineUtf8(const std::string& text) {
    if (text.empty() || !IsValidUtf8(text)) return false;
    for (const unsigned char c : text)
        if (c < 0x20 || c == 0x7F) return false;
    return true;
}
