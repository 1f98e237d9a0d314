#include "core/LayoutFile.h"

#include <algorithm>

#include "core/DecimalText.h"

namespace {

const char kLayoutHeader[] = "picoran-editor layout 1";
const char kLayoutBom[] = "\xEF\xBB\xBF";  // an editor may add it when the file is saved by hand

// The text's lines without their line ends; false when the last one has none, as in a file
// cut short.
bool LayoutLines(const std::string& text, std::vector<std::string>& lines) {
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find('\n', start);
        if (end == std::string::npos) return false;
        const size_t stop = end > start && text[end - 1] == '\r' ? end - 1 : end;
        lines.push_back(text.substr(start, stop - start));
        start = end + 1;
    }
    return true;
}

bool ReadCoordinate(const std::string& field, int32_t& value) {
    const DecimalScan scan = ScanDecimal(field.data(), field.size());
    if (!scan.hasDigits || scan.length != field.size() || field[0] == '+') return false;
    if (scan.saturated < -kLayoutMaxCoordinate || scan.saturated > kLayoutMaxCoordinate) return false;
    value = scan.saturated;
    return true;
}

bool ReadWindowLine(const std::string& line, KeptWindow& window) {
    std::vector<std::string> fields;
    for (size_t start = 0;;) {
        const size_t space = line.find(' ', start);
        fields.push_back(line.substr(start, space == std::string::npos ? space : space - start));
        if (space == std::string::npos) break;
        start = space + 1;
    }
    if (fields.size() != 4 || (fields[3] != "0" && fields[3] != "1")) return false;
    window.name = fields[0];
    window.shown = fields[3] == "1";
    return ReadCoordinate(fields[1], window.x) && ReadCoordinate(fields[2], window.y);
}

}  // namespace

std::vector<KeptWindow> LayoutFromFileBytes(const std::vector<uint8_t>& bytes,
                                            const std::vector<std::string>& names) {
    if (bytes.size() > kLayoutMaxFileBytes) return {};
    std::string text(bytes.begin(), bytes.end());
    if (text.compare(0, sizeof(kLayoutBom) - 1, kLayoutBom) == 0) text.erase(0, sizeof(kLayoutBom) - 1);
    std::vector<std::string> lines;
    if (!LayoutLines(text, lines) || lines.empty() || lines.front() != kLayoutHeader) return {};

    std::vector<KeptWindow> windows;
    for (size_t i = 1; i < lines.size(); ++i) {
        KeptWindow window;
        if (!ReadWindowLine(lines[i], window)) return {};
        const auto named = [&](const auto& other) { return other == window.name; };
        const auto sameName = [&](const KeptWindow& other) { return other.name == window.name; };
        if (std::none_of(names.begin(), names.end(), named) ||
            std::any_of(windows.begin(), windows.end(), sameName))
            return {};
        windows.push_back(window);
    }
    return windows;
}

std::vector<uint8_t> LayoutFileBytes(const std::vector<KeptWindow>& windows) {
    std::string text = std::string(kLayoutHeader) + "\r\n";
    for (const KeptWindow& window : windows)
        text += window.name + " " + std::to_string(window.x) + " " + std::to_string(window.y) + " " +
                (window.shown ? "1" : "0") + "\r\n";
    return std::vector<uint8_t>(text.begin(), text.end());
}
