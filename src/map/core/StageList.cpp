#include "map/core/StageList.h"

#include <algorithm>
#include <cstring>

#include "core/ShiftJis.h"
#include "map/core/DocumentCells.h"
#include "map/core/MapFileReader.h"
#include "map/core/MapLimits.h"
#include "map/core/MapModel.h"
#include "map/core/MapPaths.h"
#include "render/core/OverviewCompose.h"

namespace {

char FoldAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool EndsWithFolded(const std::string& name, const char* ending) {
    const size_t length = std::strlen(ending);
    if (name.size() <= length) return false;
    for (size_t i = 0; i < length; ++i)
        if (FoldAscii(name[name.size() - length + i]) != ending[i]) return false;
    return true;
}

// -1, 0 or 1 as a is before, level with or after b in the designer's order.
int CompareNaturally(const std::string& a, const std::string& b) {
    size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (IsDigit(a[i]) && IsDigit(b[j])) {
            // Leading zeros carry no value; then the longer run is the larger number.
            while (i < a.size() && a[i] == '0') ++i;
            while (j < b.size() && b[j] == '0') ++j;
            size_t endA = i, endB = j;
            while (endA < a.size() && IsDigit(a[endA])) ++endA;
            while (endB < b.size() && IsDigit(b[endB])) ++endB;
            if (endA - i != endB - j) return endA - i < endB - j ? -1 : 1;
            const int digits = a.compare(i, endA - i, b, j, endB - j);
            if (digits != 0) return digits < 0 ? -1 : 1;
            i = endA;
            j = endB;
            continue;
        }
        const auto x = static_cast<unsigned char>(FoldAscii(a[i]));
        const auto y = static_cast<unsigned char>(FoldAscii(b[j]));
        if (x != y) return x < y ? -1 : 1;
        ++i;
        ++j;
    }
    if (i < a.size() || j < b.size()) return i < a.size() ? 1 : -1;
    return 0;
}

// The sort key's value of a readable entry.
int64_t KeyValue(const StageEntry& entry, StageSortKey key) {
    switch (key) {
    case StageSortKey::kSize: return int64_t{entry.cellsX} * entry.cellsY;
    case StageSortKey::kTargetTime: return entry.numbers.targetTime;
    case StageSortKey::kTimeLimit: return entry.numbers.timeLimit;
    case StageSortKey::kBackgroundImage: return entry.numbers.backgroundImage;
    case StageSortKey::kMusic: return entry.numbers.music;
    case StageSortKey::kName: break;
    }
    return 0;
}

// Bytes of the Shift_JIS character at text[at]: two for a lead byte with a byte after it.
size_t SjisCharLength(const std::string& text, size_t at) {
    return IsShiftJisLeadByte(static_cast<uint8_t>(text[at])) && at + 1 < text.size() ? 2 : 1;
}

// Whether the needle's characters stand at text[at] onwards.
bool SjisMatchesAt(const std::string& text, size_t at, const std::string& needle) {
    for (size_t k = 0; k < needle.size();) {
        if (at >= text.size()) return false;
        const size_t length = SjisCharLength(needle, k);
        if (SjisCharLength(text, at) != length) return false;
        if (length == 1 ? FoldAscii(text[at]) != FoldAscii(needle[k]) : text.compare(at, 2, needle, k, 2) != 0)
            return false;
        at += length;
        k += length;
    }
    return true;
}

bool SjisContains(const std::string& text, const std::string& needle) {
    for (size_t at = 0; at < text.size(); at += SjisCharLength(text, at))
        if (SjisMatchesAt(text, at, needle)) return true;
    return false;
}

// In UTF-8 every byte of a character beyond ASCII is above 0x7F, so folding bytes is folding
// ASCII letters, and a match can only start where a character does.
bool Utf8Contains(const std::string& text, const std::string& needle) {
    const auto found = std::search(text.begin(), text.end(), needle.begin(), needle.end(),
                                   [](char x, char y) { return FoldAscii(x) == FoldAscii(y); });
    return found != text.end();
}

}  // namespace

bool IsStageFileName(const std::string& name) {
    return EndsWithFolded(name, ".bin") || EndsWithFolded(name, ".txt");
}

OverviewScale StageThumbnailScale(MapCellCounts counts) {
    const uint32_t longest = std::max(counts.cellsX, counts.cellsY);
    if (counts.cellsX == 0 || counts.cellsY == 0) return OverviewScaleAt(counts, 0);
    if (longest <= static_cast<uint32_t>(kStageThumbnailSide))
        return OverviewScaleAt(counts, std::min<int32_t>(kStageThumbnailSide / static_cast<int32_t>(longest),
                                                         kOverviewMaxCellPixels));
    const auto side = [longest](uint32_t cells) {
        const uint64_t pixels = (uint64_t{cells} * kStageThumbnailSide + longest / 2) / longest;
        return static_cast<int32_t>(std::max<uint64_t>(pixels, 1));
    };
    return OverviewScale{counts.cellsX, counts.cellsY, side(counts.cellsX), side(counts.cellsY), 0};
}

StageThumbnails::StageThumbnails(const PixelSurface& smallSheet, const PixelSurface& largeSheet,
                                 const PixelSurface& backdrop, const PaletteModel& smallPalette,
                                 const PaletteModel& largePalette)
    : smallSheet(smallSheet),
      largeSheet(largeSheet),
      backdrop(backdrop),
      smallPalette(smallPalette),
      largePalette(largePalette) {}

std::vector<MapCell> StageThumbnails::CellsOf(const std::vector<uint32_t>& ids, int32_t layer) {
    std::vector<MapCell> layerCells(ids.size());
    const PaletteModel& palette = layer == 2 ? largePalette : smallPalette;
    for (size_t i = 0; i < ids.size(); ++i) {
        const uint64_t key = uint64_t{static_cast<uint32_t>(layer)} << 32 | ids[i];
        auto found = cells.find(key);
        if (found == cells.end()) found = cells.emplace(key, CellFromChipId(ids[i], layer, palette)).first;
        layerCells[i] = found->second;
    }
    return layerCells;
}

StageThumbnail StageThumbnails::Draw(const MapDocument& document) {
    StageThumbnail thumbnail;
    MapModel map;
    if (!map.ReplaceCells(document.mapWidth, document.mapHeight, CellsOf(document.layer1Ids, 1),
                          CellsOf(document.layer2Ids, 2), CellsOf(document.layer0Ids, 0)))
        return thumbnail;
    const OverviewScale scale = StageThumbnailScale(map.CellCounts());
    if (scale.width <= 0 || scale.height <= 0) return thumbnail;
    OverviewSheets& scaled = sheets[SheetCellPixels(scale)];
    if (!scaled.Prepare(smallSheet, largeSheet, backdrop, SheetCellPixels(scale))) return thumbnail;
    MemorySurface picture(scale.width, scale.height);
    if (!picture.HasSurface()) return thumbnail;
    ComposeOverview(picture, scaled, scale, map);
    thumbnail.width = scale.width;
    thumbnail.height = scale.height;
    thumbnail.pixels.resize(size_t{static_cast<uint32_t>(scale.width)} * static_cast<uint32_t>(scale.height));
    for (int32_t y = 0; y < scale.height; ++y)
        std::memcpy(&thumbnail.pixels[size_t{static_cast<uint32_t>(y)} * static_cast<uint32_t>(scale.width)],
                    picture.Row(y), size_t{static_cast<uint32_t>(scale.width)} * sizeof(uint16_t));
    return thumbnail;
}

StageEntry StageEntryOf(const std::string& name, files::ReadStatus status, const std::vector<uint8_t>& bytes,
                        const std::string& reason, StageThumbnails& thumbnails) {
    StageEntry entry;
    entry.name = name;
    if (status != files::ReadStatus::kRead) {
        entry.problem = status == files::ReadStatus::kTooLarge ? StageProblem::kTooLarge : StageProblem::kCannotRead;
        entry.reason = reason;
        return entry;
    }
    const MapReadResult read = IsTextMapPath(name.c_str())
                                   ? ReadTextMap(reinterpret_cast<const char*>(bytes.data()), bytes.size(), nullptr)
                                   : ReadBinaryMap(bytes.data(), bytes.size());
    if (!read.ok) {
        entry.problem = StageProblem::kRefused;
        entry.reason = read.error.messageSjis;
        return entry;
    }
    entry.cellsX = read.document.CellsX();
    entry.cellsY = read.document.CellsY();
    entry.numbers = read.document.Stage();
    entry.comment = read.document.comment;
    entry.thumbnail = thumbnails.Draw(read.document);
    return entry;
}

bool ListStages(const std::string& folder, StageThumbnails& thumbnails, std::vector<StageEntry>& entries,
                std::string& reason) {
    std::vector<StageEntry> earlier;
    earlier.swap(entries);
    std::vector<files::FolderEntry> found;
    if (!files::ListFiles(folder, found, reason)) return false;
    std::unordered_map<std::string, size_t> earlierByName;
    for (size_t i = 0; i < earlier.size(); ++i) earlierByName.emplace(earlier[i].name, i);
    std::vector<uint8_t> bytes;
    for (const files::FolderEntry& file : found) {
        if (!IsStageFileName(file.name)) continue;
        const auto kept = earlierByName.find(file.name);
        if (kept != earlierByName.end()) {
            StageEntry& entry = earlier[kept->second];
            if (entry.problem != StageProblem::kCannotRead && entry.fileSize == file.size &&
                entry.modified == file.modified && file.modified != 0) {
                entries.push_back(std::move(entry));
                continue;
            }
        }
        std::string why;
        const files::ReadStatus status = files::ReadWholeFile(files::JoinPath(folder, file.name), kMaxMapFileBytes, bytes, why);
        entries.push_back(StageEntryOf(file.name, status, bytes, why, thumbnails));
        entries.back().fileSize = file.size;
        entries.back().modified = file.modified;
    }
    return true;
}

bool StageNameLess(const std::string& a, const std::string& b) {
    const int order = CompareNaturally(a, b);
    return order != 0 ? order < 0 : a < b;
}

void SortStages(std::vector<StageEntry>& entries, StageSortKey key, bool descending) {
    std::stable_sort(entries.begin(), entries.end(), [key, descending](const StageEntry& a, const StageEntry& b) {
        const bool numbered = key != StageSortKey::kName;
        if (numbered && a.CanOpen() != b.CanOpen()) return a.CanOpen();
        if (numbered && a.CanOpen()) {
            const int64_t x = KeyValue(a, key), y = KeyValue(b, key);
            if (x != y) return descending ? x > y : x < y;
            return StageNameLess(a.name, b.name);
        }
        return descending && !numbered ? StageNameLess(b.name, a.name) : StageNameLess(a.name, b.name);
    });
}

bool StageMatches(const StageEntry& entry, const StageFilter& filter) {
    if (filter.utf8.empty()) return true;
    if (Utf8Contains(entry.name, filter.utf8)) return true;
    if (!filter.sjisExact || filter.sjis.empty()) return false;
    return SjisContains(std::string(entry.comment.begin(), entry.comment.end()), filter.sjis);
}

std::vector<size_t> FilterStages(const std::vector<StageEntry>& entries, const StageFilter& filter) {
    std::vector<size_t> shown;
    for (size_t i = 0; i < entries.size(); ++i)
        if (StageMatches(entries[i], filter)) shown.push_back(i);
    return shown;
}
