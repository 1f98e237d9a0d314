#include "CommentText.h"

#include <cstdio>

#include "Cp932Codec.h"
#include "core/ShiftJis.h"

namespace {

std::string HexEscape(uint8_t byte) {
    char text[8];
    std::snprintf(text, sizeof text, "\\x%02X", byte);
    return text;
}

// Escapes for line-oriented text: no control character may break a line or hide.
void AppendEscapedAscii(uint8_t c, bool quoted, std::string& out) {
    switch (c) {
        case '\\': out += "\\\\"; return;
        case '\r': out += "\\r"; return;
        case '\n': out += "\\n"; return;
        case '\t': out += "\\t"; return;
        case '"':
            out += quoted ? "\\\"" : "\"";
            return;
        default: break;
    }
    if (c < 0x20 || c == 0x7F) {
        out += HexEscape(c);
    } else {
        out += static_cast<char>(c);
    }
}

// The bytes as UTF-8: each byte below 0x80 goes to `appendAscii`, each character that
// decodes stands as itself, and every other byte becomes \xNN.
template <typename AppendAscii>
void AppendDecoded(const std::vector<uint8_t>& bytes, AppendAscii appendAscii, std::string& out) {
    for (size_t i = 0; i < bytes.size();) {
        const uint8_t c = bytes[i];
        if (c < 0x80) {
            appendAscii(c, out);
            ++i;
            continue;
        }
        // A lead byte takes the next byte with it; a lead byte at the end stands alone.
        const size_t length = IsShiftJisLeadByte(c) && i + 1 < bytes.size() ? 2 : 1;
        // Of the single bytes from 0x80 up only the half-width katakana are text: Windows
        // gives 0x80, 0xA0 and 0xFD to 0xFF characters of its own that iconv refuses, and
        // both builds must show a comment alike.
        const bool text = length == 2 || (c >= 0xA1 && c <= 0xDF);
        std::string utf8;
        if (text && DecodeCp932Character(&bytes[i], length, utf8)) {
            out += utf8;
            i += length;
        } else {
            out += HexEscape(c);  // the next byte gets its own chance
            ++i;
        }
    }
}

}  // namespace

std::string EscapedComment(const std::vector<uint8_t>& bytes, bool quoted) {
    std::string out = quoted ? "\"" : "";
    AppendDecoded(bytes, [quoted](uint8_t c, std::string& text) { AppendEscapedAscii(c, quoted, text); },
                  out);
    if (quoted) out += '"';
    return out;
}

std::string CommentForJson(const std::vector<uint8_t>& bytes) {
    std::string out;
    AppendDecoded(bytes,
                  [](uint8_t c, std::string& text) {
                      if (c == '\\') text += '\\';  // a backslash always starts an escape
                      text += static_cast<char>(c);
                  },
                  out);
    return out;
}

std::vector<std::string> CommentLines(const std::vector<uint8_t>& bytes) {
    // No trail byte of Shift_JIS is CR or LF, so the bytes can be cut before decoding.
    std::vector<std::string> lines;
    std::vector<uint8_t> line;
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' || bytes[i] == '\n') {
            if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
            lines.push_back(EscapedComment(line, false));
            line.clear();
        } else {
            line.push_back(bytes[i]);
        }
    }
    if (!line.empty() || (!bytes.empty() && lines.empty())) lines.push_back(EscapedComment(line, false));
    return lines;
}
