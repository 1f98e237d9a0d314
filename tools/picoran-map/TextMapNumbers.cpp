#include "TextMapNumbers.h"

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

TextMapNumbers CountTextMapNumbers(const char* text, size_t size, size_t limit) {
    TextMapNumbers result;
    size_t pos = 0;
    while (result.count < limit) {
        while (pos < size && IsBlank(text[pos])) {
            if (text[pos] == '\n') ++result.line;
            ++pos;
        }
        if (pos >= size) return result;
        size_t p = pos;
        if (text[p] == '+' || text[p] == '-') ++p;
        if (p >= size || !IsDigit(text[p])) {
            result.stoppedAtText = true;  // a lone sign at the very end stops as text does
            return result;
        }
        while (p < size && IsDigit(text[p])) ++p;
        pos = p;
        ++result.count;
    }
    return result;
}
