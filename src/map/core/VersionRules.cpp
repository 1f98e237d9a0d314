#include "map/core/VersionRules.h"

#include <algorithm>
#include <cstdio>

#include "core/DecimalText.h"
#include "core/Utf8Text.h"
#include "core/WindowsPathCase.h"

namespace {

constexpr char kSeparator = '~';
constexpr char kExtension[] = ".bin";
constexpr size_t kHashDigits = 8;
constexpr uint32_t kMaxSequence = 9999;

// Characters Windows refuses in a file name, and control characters.
bool IsRefusedInName(char32_t c) {
    return c < 0x20 || c == 0x7F || c == U'<' || c == U'>' || c == U':' || c == U'"' || c == U'/' ||
           c == U'\\' || c == U'|' || c == U'?' || c == U'*';
}

// "CON", "nul", "Com1" ...: Windows takes them as devices, with any extension after them.
bool IsDeviceName(const std::string& name) {
    std::string stem = name.substr(0, name.find('.'));
    while (!stem.empty() && stem.back() == ' ') stem.pop_back();
    for (char& c : stem)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (stem == "CON" || stem == "PRN" || stem == "AUX" || stem == "NUL") return true;
    return stem.size() == 4 && (stem.compare(0, 3, "COM") == 0 || stem.compare(0, 3, "LPT") == 0) &&
           stem[3] >= '1' && stem[3] <= '9';
}

std::string LastComponent(const std::string& path) {
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// "2026-12-10_15-30-12", then "-N" for N from 2.
bool ParseTimeAndSequence(const std::string& text, ClockTime& time, uint32_t& sequence) {
    constexpr size_t kTimeLength = 19;
    if (text.size() < kTimeLength) return false;
    static const char kShape[] = "0000-00-00_00-00-00";
    for (size_t i = 0; i < kTimeLength; ++i)
        if (kShape[i] != '0' && text[i] != kShape[i]) return false;
    const char* digits = text.data();
    if (!ReadDecimalDigits(digits, 4, time.year) || !ReadDecimalDigits(digits + 5, 2, time.month) ||
        !ReadDecimalDigits(digits + 8, 2, time.day) || !ReadDecimalDigits(digits + 11, 2, time.hour) ||
        !ReadDecimalDigits(digits + 14, 2, time.minute) ||
        !ReadDecimalDigits(digits + 17, 2, time.second) || !IsValidClockTime(time))
        return false;
    sequence = 1;
    if (text.size() == kTimeLength) return true;
    const std::string rest = text.substr(kTimeLength);
    // "-2" to "-9999", without leading zeros, so that each version has one spelling.
    if (rest.size() < 2 || rest.size() > 5 || rest[0] != '-' || rest[1] == '0') return false;
    int32_t value = 0;
    if (!ReadDecimalDigits(rest.data() + 1, rest.size() - 1, value) || value < 2) return false;
    sequence = static_cast<uint32_t>(value);
    return true;
}

bool IsNewer(const VersionNameParts& a, const VersionNameParts& b) {
    if (!(a.time == b.time)) return b.time < a.time;
    return a.sequence > b.sequence;
}

struct ParsedVersion {
    std::string name;
    VersionNameParts parts;
};

std::vector<ParsedVersion> ParsedVersionsOf(const std::string& fullMapPath,
                                            const std::vector<std::string>& names) {
    const std::string mapName = VersionMapName(fullMapPath);
    const std::string hash = VersionPathHash(fullMapPath);
    std::vector<ParsedVersion> found;
    for (const std::string& name : names) {
        VersionNameParts parts;
        if (ParseVersionName(name, parts) && parts.pathHash == hash && parts.mapName == mapName)
            found.push_back({name, parts});
    }
    std::stable_sort(found.begin(), found.end(), [](const ParsedVersion& a, const ParsedVersion& b) {
        return IsNewer(a.parts, b.parts);
    });
    return found;
}

}  // namespace

std::string VersionMapName(const std::string& fullMapPath) {
    const std::string name = LastComponent(fullMapPath);
    std::string safe;
    size_t at = 0;
    while (at < name.size()) {
        char32_t c = 0;
        std::string piece;
        if (!DecodeUtf8Character(name, at, c)) {
            piece = "_";  // a byte that is no UTF-8 character (a POSIX name)
            ++at;
        } else if (IsRefusedInName(c)) {
            piece = "_";
        } else {
            AppendUtf8(piece, c);
        }
        if (safe.size() + piece.size() > kVersionMapNameBytes) break;
        safe += piece;
    }
    if (safe.empty()) return "map";
    if (IsDeviceName(safe)) safe.insert(0, "_");
    return safe;
}

std::string VersionPathHash(const std::string& fullMapPath) {
    // FNV-1a: small, and stable across builds and platforms.
    uint32_t hash = 2166136261u;
    for (unsigned char c : WindowsPathKey(fullMapPath)) {
        hash ^= c;
        hash *= 16777619u;
    }
    char text[kHashDigits + 1];
    std::snprintf(text, sizeof text, "%08x", static_cast<unsigned>(hash));
    return text;
}

std::string VersionName(const std::string& fullMapPath, const ClockTime& time, uint32_t sequence) {
    char stamp[40];
    std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02d_%02d-%02d-%02d", static_cast<int>(time.year),
                  static_cast<int>(time.month), static_cast<int>(time.day), static_cast<int>(time.hour),
                  static_cast<int>(time.minute), static_cast<int>(time.second));
    std::string name = VersionMapName(fullMapPath) + kSeparator + stamp;
    if (sequence > 1) name += "-" + std::to_string(sequence);
    return name + kSeparator + VersionPathHash(fullMapPath) + kExtension;
}

bool ParseVersionName(const std::string& name, VersionNameParts& parts) {
    const size_t extension = sizeof(kExtension) - 1;
    if (name.size() < extension || name.compare(name.size() - extension, extension, kExtension) != 0)
        return false;
    const std::string body = name.substr(0, name.size() - extension);
    if (body.size() < kHashDigits + 1) return false;
    const size_t hashAt = body.size() - kHashDigits;
    if (body[hashAt - 1] != kSeparator) return false;
    const std::string hash = body.substr(hashAt);
    if (!std::all_of(hash.begin(), hash.end(), IsLowerHexDigit)) return false;
    const std::string front = body.substr(0, hashAt - 1);
    const size_t timeAt = front.find_last_of(kSeparator);
    if (timeAt == std::string::npos || timeAt == 0) return false;
    VersionNameParts parsed;
    if (!ParseTimeAndSequence(front.substr(timeAt + 1), parsed.time, parsed.sequence)) return false;
    parsed.mapName = front.substr(0, timeAt);
    parsed.pathHash = hash;
    parts = parsed;
    return true;
}

std::vector<std::string> VersionsOfMap(const std::string& fullMapPath,
                                       const std::vector<std::string>& names) {
    std::vector<std::string> versions;
    for (const ParsedVersion& version : ParsedVersionsOf(fullMapPath, names))
        versions.push_back(version.name);
    return versions;
}

std::string NewVersionName(const std::string& fullMapPath, const ClockTime& time,
                           const std::vector<std::string>& names) {
    std::vector<std::string> taken;
    for (const std::string& name : names) taken.push_back(WindowsPathKey(name));
    for (uint32_t sequence = 1;; ++sequence) {
        const std::string name = VersionName(fullMapPath, time, sequence);
        if (sequence == kMaxSequence ||
            std::find(taken.begin(), taken.end(), WindowsPathKey(name)) == taken.end())
            return name;
    }
}

std::vector<std::string> VersionsToRemove(const std::string& fullMapPath,
                                          const std::vector<std::string>& names,
                                          const std::string& kept) {
    std::vector<std::string> remove;
    size_t staying = 1;  // `kept`
    for (const ParsedVersion& version : ParsedVersionsOf(fullMapPath, names)) {
        if (version.name == kept) continue;
        if (staying < kVersionsKept) {
            ++staying;
        } else {
            remove.push_back(version.name);
        }
    }
    return remove;
}
