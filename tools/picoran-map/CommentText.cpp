#include "CommentText.h"

#include <cstdio>
#include <cstring>

#include "core/ShiftJis.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

namespace {

// One character of code page 932 to UTF-8: with the system's own tables on Windows, with
// iconv elsewhere. Character() is false when the code has no mapping, or when code page 932
// maps another code to the same character (it has duplicates, such as NEC's and IBM's copies
// of some symbols): only the code that converts back is shown as text, so two different
// comments never show alike.
#ifdef _WIN32
class Cp932Decoder {
public:
    bool Character(const uint8_t* bytes, size_t length, std::string& utf8) {
        const char* original = reinterpret_cast<const char*>(bytes);
        wchar_t wide[4];
        const int count = MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, original,
                                              static_cast<int>(length), wide, 4);
        if (count <= 0) return false;
        char back[8];
        BOOL usedDefault = FALSE;
        const int backLength = WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, wide, count, back,
                                                   sizeof back, nullptr, &usedDefault);
        if (usedDefault || backLength != static_cast<int>(length) ||
            std::memcmp(back, original, length) != 0) {
            return false;
        }
        char text[16];
        const int textLength =
            WideCharToMultiByte(CP_UTF8, 0, wide, count, text, sizeof text, nullptr, nullptr);
        if (textLength <= 0) return false;
        utf8.assign(text, static_cast<size_t>(textLength));
        return true;
    }
};
#else
// Converters for the whole run: comments are short, and each is reset before use.
class Cp932Decoder {
public:
    Cp932Decoder() : toUtf8_(iconv_open("UTF-8", "CP932")), back_(iconv_open("CP932", "UTF-8")) {}
    ~Cp932Decoder() {
        if (Usable(toUtf8_)) iconv_close(toUtf8_);
        if (Usable(back_)) iconv_close(back_);
    }
    Cp932Decoder(const Cp932Decoder&) = delete;
    Cp932Decoder& operator=(const Cp932Decoder&) = delete;

    bool Character(const uint8_t* bytes, size_t length, std::string& utf8) {
        std::string original(reinterpret_cast<const char*>(bytes), length);
        std::string back;
        return Convert(toUtf8_, original, utf8) && Convert(back_, utf8, back) && back == original;
    }

private:
    iconv_t toUtf8_;
    iconv_t back_;

    static bool Usable(iconv_t cd) { return cd != reinterpret_cast<iconv_t>(-1); }

    static bool Convert(iconv_t cd, const std::string& in, std::string& out) {
        if (!Usable(cd)) return false;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        std::string input = in;  // iconv takes a non-const pointer
        char buffer[16];
        char* inPointer = &input[0];
        char* outPointer = buffer;
        size_t inLeft = input.size();
        size_t outLeft = sizeof buffer;
        if (iconv(cd, &inPointer, &inLeft, &outPointer, &outLeft) == static_cast<size_t>(-1) ||
            inLeft != 0) {
            return false;
        }
        out.assign(buffer, outPointer);
        return true;
    }
};
#endif

std::string HexEscape(uint8_t byte) {
    char text[8];
    std::snprintf(text, sizeof text, "\\x%02X", byte);
    return text;
}

void AppendAscii(uint8_t c, bool quoted, std::string& out) {
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

}  // namespace

std::string EscapedComment(const std::vector<uint8_t>& bytes, bool quoted) {
    static Cp932Decoder decoder;
    std::string out = quoted ? "\"" : "";
    for (size_t i = 0; i < bytes.size();) {
        const uint8_t c = bytes[i];
        if (c < 0x80) {
            AppendAscii(c, quoted, out);
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
        if (text && decoder.Character(&bytes[i], length, utf8)) {
            out += utf8;
            i += length;
        } else {
            out += HexEscape(c);  // the next byte gets its own chance
            ++i;
        }
    }
    if (quoted) out += '"';
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
