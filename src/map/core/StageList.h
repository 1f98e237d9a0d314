// The stage browser's list: the map files of one folder, each with what a designer looks for
// before opening it (a small picture, the size, the four stage numbers, the comment) or the
// reason it cannot be opened; and the rules that sort and filter that list. The window
// "ステージ一覧" only shows what these return.
#pragma once
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/PaletteModel.h"
#include "files/FileAccess.h"
#include "map/core/MapCell.h"
#include "map/core/MapDocument.h"
#include "map/core/StageNumbers.h"
#include "render/core/OverviewScale.h"
#include "render/core/OverviewSheets.h"
#include "render/core/PixelSurface.h"

// The longest side of a thumbnail in pixels: a 60 x 60 stage at one pixel a cell, a
// 16 x 12 one at four.
constexpr int32_t kStageThumbnailSide = 64;

// A map's picture by the overview's composition, 5-5-5 pixels row by row, width x height.
struct StageThumbnail {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint16_t> pixels;
};

// Why a listed file cannot be opened, as Open would say it.
enum class StageProblem : uint8_t {
    kNone,
    kCannotRead,  // the system refused to read it: reason is the system's, UTF-8
    kTooLarge,    // larger than any map file the editor reads
    kRefused,     // its bytes are no map: reason is the reader's Shift_JIS message
};

struct StageEntry {
    std::string name;  // the file's name in the folder, UTF-8
    uint32_t cellsX = 0;
    uint32_t cellsY = 0;
    StageNumbers numbers;
    std::vector<uint8_t> comment;  // Shift_JIS bytes, as in the file
    StageProblem problem = StageProblem::kNone;
    std::string reason;
    StageThumbnail thumbnail;
    // What the folder said of the file when it was read (files::FolderEntry).
    uint64_t fileSize = 0;
    int64_t modified = 0;

    bool CanOpen() const { return problem == StageProblem::kNone; }
};

// True for the names the browser lists: a map data file (.bin) or a text map (.txt), the
// extension in any letter case.
bool IsStageFileName(const std::string& name);

// The scale of a thumbnail: whole pixels a cell (at most the overview's 10) where the map's
// longer side fits kStageThumbnailSide, else below a pixel a cell with that side.
OverviewScale StageThumbnailScale(MapCellCounts counts);

// Draws thumbnails from the editor's pictures and palettes, both of which must outlive it.
// The sheets are scaled once for each cell size met, and each chip id's sheet position is
// looked up in its palette once, so a folder of stages costs little more than its reading.
class StageThumbnails {
public:
    StageThumbnails(const PixelSurface& smallSheet, const PixelSurface& largeSheet,
                    const PixelSurface& backdrop, const PaletteModel& smallPalette,
                    const PaletteModel& largePalette);
    // Empty (0 x 0) for a map without cells or when memory runs out.
    StageThumbnail Draw(const MapDocument& document);

private:
    const PixelSurface& smallSheet;
    const PixelSurface& largeSheet;
    const PixelSurface& backdrop;
    const PaletteModel& smallPalette;
    const PaletteModel& largePalette;
    std::map<int32_t, OverviewSheets> sheets;  // by cell size
    std::unordered_map<uint64_t, MapCell> cells;  // by layer and chip id

    std::vector<MapCell> CellsOf(const std::vector<uint32_t>& ids, int32_t layer);
};

// The entry of one file from what reading it gave (files::ReadWholeFile's status, bytes and
// reason): a text map when the name says so (IsTextMapPath), else a map data file.
StageEntry StageEntryOf(const std::string& name, files::ReadStatus status,
                        const std::vector<uint8_t>& bytes, const std::string& reason,
                        StageThumbnails& thumbnails);

// Every map file of the folder (IsStageFileName), read and drawn, in no particular order.
// `entries` may hold an earlier listing of the same folder: an entry whose file has the same
// size and time of last write is kept as it is instead of being read again, unless the system
// refused to read it then (a file locked for a moment). False, with the system's reason, when
// the folder cannot be read; `entries` is then empty.
bool ListStages(const std::string& folder, StageThumbnails& thumbnails,
                std::vector<StageEntry>& entries, std::string& reason);

enum class StageSortKey : uint8_t { kName, kSize, kTargetTime, kTimeLimit, kBackgroundImage, kMusic };

// Names as a designer counts them: runs of digits by their value ("stage2" before
// "stage10"), letters without regard to ASCII case; names equal so are ordered by their bytes.
bool StageNameLess(const std::string& a, const std::string& b);

// Sorts by the key, descending when asked, equal keys by name ascending. Files that cannot be
// opened have no numbers and no size: they come after all others, by name.
void SortStages(std::vector<StageEntry>& entries, StageSortKey key, bool descending = false);

// The typed filter text in the two encodings it is compared in: UTF-8 against the names,
// Shift_JIS against the comments. sjisExact is false when the text holds a character code page
// 932 lacks: then no comment can hold it.
struct StageFilter {
    std::string utf8;
    std::string sjis;
    bool sjisExact = true;
};

// True when the filter is empty or the entry's name or comment holds its text, ASCII letters
// compared without regard to case. A comment is searched character by character, so that the
// second byte of a double-byte character is never taken for a letter.
bool StageMatches(const StageEntry& entry, const StageFilter& filter);
// The indices of the entries that match, in their order.
std::vector<size_t> FilterStages(const std::vector<StageEntry>& entries, const StageFilter& filter);
