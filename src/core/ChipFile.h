// Chip files: a palette size and chip codes as decimal text, the alternative to the
// chip tables built into the program.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct ChipFileContents {
    bool hasPaletteSize = false;  // false: the file does not start with a number
    uint32_t paletteSize = 0;     // meaningful only with hasPaletteSize
    std::vector<uint32_t> codes;  // every number after the size, up to the first non-number
};

// Reads numbers the way fscanf "%d" does: optional white space, an optional sign, then
// digits. Reading stops for good at the first text that is not a number (or at the end),
// so the codes after it are missing and PaletteModel::BuildEntries takes them as 0.
// A number is kept as its 32-bit two's-complement pattern: -1 becomes 0xFFFFFFFF (a
// layer-2 code), and numbers beyond 32 bits wrap modulo 2^32.
ChipFileContents ParseChipFile(const std::string& text);

// Reads a whole file, its path in UTF-8 (the editor's chip file names are ASCII). False when
// it cannot be opened or read. The numbers read alike with CR LF or LF line ends.
bool ReadChipFile(const char* path, std::string& text);

// The message shown when a chip file's palette size does not fit the sheet's width:
// the sheet's width and height, "%d %d".
std::string SheetSizeMessage(int32_t width, int32_t height);
