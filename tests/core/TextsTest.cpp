// Checks every Japanese text of src/Texts.h against its spelling: the header is read as a
// file, each constant is decoded from its literal, and the spelling in the comment line
// above it is converted from UTF-8 to code page 932 with iconv. A new text is covered as
// soon as it is added with its spelling.
#include <gtest/gtest.h>
#include <iconv.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "core/Texts.h"

namespace {

struct ScannedText {
    std::string name;
    std::string bytes;     // the literal, escapes decoded
    std::string spelling;  // the comment above, escapes decoded; empty when none
    int line = 0;
};

bool HasHighByte(const std::string& s) {
    for (unsigned char c : s)
        if (c >= 0x80) return true;
    return false;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Decodes C escapes the way the compiler does: a \x escape takes every hex digit that
// follows, so "\x82" followed by an ASCII 'a' becomes one value that does not fit a byte,
// which is reported as an error.
bool DecodeEscapes(const std::string& in, std::string& out, std::string& error) {
    out.clear();
    for (size_t i = 0; i < in.size(); ++i) {
        if (in[i] != '\\') {
            out += in[i];
            continue;
        }
        if (++i == in.size()) {
            error = "backslash at the end";
            return false;
        }
        const char c = in[i];
        switch (c) {
            case 'n': out += '\n'; break;
            case 'r': out += '\r'; break;
            case 't': out += '\t'; break;
            case '\\': out += '\\'; break;
            case '"': out += '"'; break;
            case '\'': out += '\''; break;
            case 'x': {
                unsigned value = 0;
                size_t digits = 0;
                while (i + 1 < in.size() && HexValue(in[i + 1]) >= 0) {
                    value = value * 16 + static_cast<unsigned>(HexValue(in[++i]));
                    if (++digits > 2) {
                        error = "hex escape runs into a following hex digit";
                        return false;
                    }
                }
                if (digits == 0) {
                    error = "\\x without digits";
                    return false;
                }
                out += static_cast<char>(value);
                break;
            }
            default:
                if (c >= '0' && c <= '7') {
                    unsigned value = 0;
                    size_t digits = 0;
                    --i;
                    while (digits < 3 && i + 1 < in.size() && in[i + 1] >= '0' && in[i + 1] <= '7') {
                        value = value * 8 + static_cast<unsigned>(in[++i] - '0');
                        ++digits;
                    }
                    out += static_cast<char>(value);
                    break;
                }
                error = std::string("unknown escape \\") + c;
                return false;
        }
    }
    return true;
}

std::string Trim(const std::string& s) {
    const size_t first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos) return "";
    const size_t last = s.find_last_not_of(" \t\r");
    return s.substr(first, last - first + 1);
}

// Finds every `constexpr char NAME[] = "..." ...;` (the literal may continue on further
// lines and be split into adjacent literals) and the `// spelling` line right above it.
// Problems with the source itself go to `errors`.
std::vector<ScannedText> ScanTexts(const std::string& source, std::vector<std::string>& errors) {
    std::vector<std::string> lines;
    std::istringstream stream(source);
    for (std::string line; std::getline(stream, line);) lines.push_back(line);

    std::vector<ScannedText> found;
    const std::string head = "constexpr char ";
    for (size_t n = 0; n < lines.size(); ++n) {
        const std::string line = Trim(lines[n]);
        if (line.compare(0, head.size(), head) != 0) continue;
        ScannedText text;
        text.line = static_cast<int>(n + 1);
        const size_t bracket = line.find('[');
        text.name = Trim(line.substr(head.size(), bracket - head.size()));
        const std::string where = "Texts.h:" + std::to_string(text.line) + " " + text.name;

        // Gather the raw literal text up to the terminating semicolon.
        std::string raw;
        const size_t equals = lines[n].find('=');
        size_t row = n;
        size_t pos = equals + 1;  // where the scan of the current line starts
        bool inLiteral = false, done = false;
        while (!done && equals != std::string::npos && row < lines.size()) {
            const std::string& l = lines[row];
            for (; pos < l.size(); ++pos) {
                const char c = l[pos];
                if (inLiteral) {
                    if (c == '\\' && pos + 1 < l.size()) {
                        raw += c;
                        raw += l[++pos];
                    } else if (c == '"') {
                        inLiteral = false;
                    } else {
                        raw += c;
                    }
                } else if (c == '"') {
                    inLiteral = true;
                } else if (c == ';') {
                    done = true;
                    break;
                }
            }
            if (!done) {
                ++row;
                pos = 0;
            }
        }
        if (!done) {
            errors.push_back(where + ": no terminating semicolon");
            continue;
        }
        if (HasHighByte(raw)) {
            errors.push_back(where + ": raw non-ASCII bytes in the literal; write \\x escapes");
            continue;
        }
        std::string error;
        if (!DecodeEscapes(raw, text.bytes, error)) {
            errors.push_back(where + ": " + error);
            continue;
        }
        if (n > 0) {
            const std::string above = Trim(lines[n - 1]);
            if (above.compare(0, 2, "//") == 0 &&
                !DecodeEscapes(Trim(above.substr(2)), text.spelling, error)) {
                errors.push_back(where + ": spelling: " + error);
                continue;
            }
        }
        found.push_back(text);
    }
    return found;
}

std::string ToCp932(const std::string& utf8, bool& ok) {
    ok = false;
    iconv_t cd = iconv_open("CP932", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1)) return "";
    std::string in = utf8;
    std::string out(in.size() * 2 + 8, '\0');
    char* inPtr = in.data();
    size_t inLeft = in.size();
    char* outPtr = out.data();
    size_t outLeft = out.size();
    const size_t result = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (result == static_cast<size_t>(-1) || inLeft != 0) return "";
    out.resize(out.size() - outLeft);
    ok = true;
    return out;
}

std::string Hex(const std::string& bytes) {
    std::string s;
    char buf[4];
    for (unsigned char c : bytes) {
        std::snprintf(buf, sizeof buf, "%02x ", c);
        s += buf;
    }
    return s;
}

// Every problem with the texts of a header's source: a Japanese text without a Japanese
// spelling, a spelling that iconv cannot convert, or bytes that differ from the spelling.
// A comment that is plain ASCII above a plain ASCII text is a remark, not a spelling.
std::vector<std::string> CheckTexts(const std::string& source, size_t* checked = nullptr) {
    std::vector<std::string> problems;
    const std::vector<ScannedText> texts = ScanTexts(source, problems);
    size_t count = 0;
    for (const ScannedText& t : texts) {
        const std::string where = "Texts.h:" + std::to_string(t.line) + " " + t.name;
        const bool japaneseText = HasHighByte(t.bytes);
        const bool japaneseSpelling = HasHighByte(t.spelling);
        if (!japaneseText && !japaneseSpelling) continue;
        if (!japaneseSpelling) {
            problems.push_back(where + ": Japanese text without its spelling on the line above");
            continue;
        }
        bool ok = false;
        const std::string expected = ToCp932(t.spelling, ok);
        if (!ok) {
            problems.push_back(where + ": iconv cannot convert the spelling to CP932");
            continue;
        }
        ++count;
        if (expected != t.bytes)
            problems.push_back(where + ": bytes [" + Hex(t.bytes) + "] but the spelling gives [" +
                               Hex(expected) + "]");
    }
    if (checked) *checked = count;
    return problems;
}

std::string ReadSource(const char* path) {
    std::ifstream file(std::string(PICORAN_SOURCE_DIR) + "/" + path, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

std::string ReadHeader() { return ReadSource("src/core/Texts.h"); }

std::string Bytes(const char* literal, size_t size) { return std::string(literal, size - 1); }
#define TEXT_BYTES(name) Bytes(texts::name, sizeof(texts::name))

}  // namespace

TEST(Texts, EveryJapaneseTextMatchesItsSpellingInCp932) {
    const std::string source = ReadHeader();
    ASSERT_FALSE(source.empty()) << "cannot read " << PICORAN_SOURCE_DIR << "/src/core/Texts.h";
    size_t checked = 0;
    const std::vector<std::string> problems = CheckTexts(source, &checked);
    for (const std::string& p : problems) ADD_FAILURE() << p;
    // The header holds well over a dozen Japanese texts; a scan that finds few is broken.
    EXPECT_GE(checked, 12u);
    // The tools' menu texts stand in the tool table, each beside its row.
    const std::string table = ReadSource("src/map/core/tools/ToolTable.cpp");
    for (const std::string& p : CheckTexts(table, &checked)) ADD_FAILURE() << "ToolTable.cpp: " << p;
    EXPECT_GE(checked, 4u);
}

// The scanned file is the header this program compiles: constants taken through the
// include must equal what the scan decoded under the same names.
TEST(Texts, ScannedFileIsTheCompiledHeader) {
    std::vector<std::string> errors;
    const std::vector<ScannedText> scanned = ScanTexts(ReadHeader(), errors);
    EXPECT_TRUE(errors.empty());
    std::map<std::string, std::string> byName;
    for (const ScannedText& t : scanned) byName[t.name] = t.bytes;

    const std::map<std::string, std::string> compiled = {
        {"kProductTitle", TEXT_BYTES(kProductTitle)},
        {"kDefaultMapName", TEXT_BYTES(kDefaultMapName)},
        {"kMessageDialogTitle", TEXT_BYTES(kMessageDialogTitle)},
        {"kDefaultComment", TEXT_BYTES(kDefaultComment)},
        {"kTextMapComment", TEXT_BYTES(kTextMapComment)},
        {"kOpenDialogTitle", TEXT_BYTES(kOpenDialogTitle)},
        {"kClipFailed", TEXT_BYTES(kClipFailed)},
        {"kPaletteSourcePath", TEXT_BYTES(kPaletteSourcePath)},
        {"kOverviewTitle", TEXT_BYTES(kOverviewTitle)},
        {"kAllFilesFilterName", TEXT_BYTES(kAllFilesFilterName)},
        {"kCommentBytesLeftFormat", TEXT_BYTES(kCommentBytesLeftFormat)},
        {"kRecentMapGoneFormat", TEXT_BYTES(kRecentMapGoneFormat)},
        {"kRecoveryQuestion", TEXT_BYTES(kRecoveryQuestion)},
        {"kNotRecoveryCopy", TEXT_BYTES(kNotRecoveryCopy)},
        {"kRecoveryCopyDamaged", TEXT_BYTES(kRecoveryCopyDamaged)},
    };
    for (const auto& [name, bytes] : compiled) {
        ASSERT_EQ(byName.count(name), 1u) << name << " not found by the scan";
        EXPECT_EQ(byName[name], bytes) << name;
    }
    EXPECT_EQ(TEXT_BYTES(kDefaultComment).size(), 42u);
    EXPECT_EQ(TEXT_BYTES(kPaletteSourcePath), "..\\src\\PaletteWindow");
}

// The checker itself must notice a wrong byte, a missing spelling and a hex escape that
// runs into an ASCII hex digit.
TEST(Texts, CheckerRejectsFaultyTexts) {
    const std::string good =
        "// \xe3\x81\x82\n"  // あ
        "constexpr char kA[] = \"\\x82\\xa0\";\n";
    EXPECT_TRUE(CheckTexts(good).empty());

    const std::string wrongByte =
        "// \xe3\x81\x82\n"
        "constexpr char kA[] = \"\\x82\\xa1\";\n";
    EXPECT_EQ(CheckTexts(wrongByte).size(), 1u);

    const std::string noSpelling = "constexpr char kA[] = \"\\x82\\xa0\";\n";
    EXPECT_EQ(CheckTexts(noSpelling).size(), 1u);

    const std::string runOn =
        "// \xe3\x81\x82" "a\n"  // あa
        "constexpr char kA[] = \"\\x82\\xa0a\";\n";
    EXPECT_EQ(CheckTexts(runOn).size(), 1u);

    const std::string rawUtf8 =
        "// \xe3\x81\x82\n"
        "constexpr char kA[] = \"\xe3\x81\x82\";\n";
    EXPECT_EQ(CheckTexts(rawUtf8).size(), 1u);

    // A plain remark above an ASCII text, a spelling with an escaped line break, and a
    // literal split over two lines are all fine.
    const std::string mixed =
        "// remark\n"
        "constexpr char kB[] = \"bin\";\n"
        "// \xe3\x81\x82\\r\\n\n"
        "constexpr char kC[] =\n"
        "    \"\\x82\\xa0\" \"\\x0d\\x0a\";\n";
    size_t checked = 0;
    EXPECT_TRUE(CheckTexts(mixed, &checked).empty());
    EXPECT_EQ(checked, 1u);
}
