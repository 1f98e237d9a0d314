#include "Cp932Codec.h"

#ifdef _WIN32
#include <windows.h>

namespace {

// From `codePage` through UTF-16; false for anything the code page cannot map.
bool ToWide(UINT codePage, const std::string& in, wchar_t (&wide)[4], int& count) {
    count = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, in.data(),
                                static_cast<int>(in.size()), wide, 4);
    return count > 0;
}

bool FromWide(UINT codePage, const wchar_t* wide, int count, std::string& out) {
    char buffer[16];
    BOOL usedDefault = FALSE;
    // UTF-8 output takes neither flags nor the default-character argument (the call fails
    // with them); only code page 932 output can fall back to a default character.
    BOOL* defaultUsed = codePage == CP_UTF8 ? nullptr : &usedDefault;
    const DWORD flags = codePage == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
    const int length = WideCharToMultiByte(codePage, flags, wide, count, buffer, sizeof buffer,
                                           nullptr, defaultUsed);
    if (length <= 0 || usedDefault) return false;
    out.assign(buffer, static_cast<size_t>(length));
    return true;
}

}  // namespace

bool DecodeCp932Character(const uint8_t* bytes, size_t length, std::string& utf8) {
    const std::string original(reinterpret_cast<const char*>(bytes), length);
    wchar_t wide[4];
    int count = 0;
    std::string back;
    return ToWide(932, original, wide, count) && FromWide(932, wide, count, back) &&
           back == original && FromWide(CP_UTF8, wide, count, utf8);
}

bool EncodeCp932Character(const std::string& utf8, std::string& bytes) {
    wchar_t wide[4];
    int count = 0;
    return ToWide(CP_UTF8, utf8, wide, count) && FromWide(932, wide, count, bytes);
}

#else
#include <iconv.h>

namespace {

// Converters for the whole run: comments are short, and each is reset before use.
class Cp932Converters {
public:
    Cp932Converters()
        : toUtf8_(iconv_open("UTF-8", "CP932")), toCp932_(iconv_open("CP932", "UTF-8")) {}
    ~Cp932Converters() {
        if (Usable(toUtf8_)) iconv_close(toUtf8_);
        if (Usable(toCp932_)) iconv_close(toCp932_);
    }
    Cp932Converters(const Cp932Converters&) = delete;
    Cp932Converters& operator=(const Cp932Converters&) = delete;

    bool ToUtf8(const std::string& in, std::string& out) { return Convert(toUtf8_, in, out); }
    bool ToCp932(const std::string& in, std::string& out) { return Convert(toCp932_, in, out); }

private:
    iconv_t toUtf8_;
    iconv_t toCp932_;

    static bool Usable(iconv_t cd) { return cd != reinterpret_cast<iconv_t>(-1); }

    static bool Convert(iconv_t cd, const std::string& in, std::string& out) {
        if (!Usable(cd) || in.empty()) return false;
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

Cp932Converters& Converters() {
    static Cp932Converters converters;
    return converters;
}

}  // namespace

bool DecodeCp932Character(const uint8_t* bytes, size_t length, std::string& utf8) {
    const std::string original(reinterpret_cast<const char*>(bytes), length);
    std::string back;
    return Converters().ToUtf8(original, utf8) && Converters().ToCp932(utf8, back) &&
           back == original;
}

bool EncodeCp932Character(const std::string& utf8, std::string& bytes) {
    return Converters().ToCp932(utf8, bytes);
}
#endif
