// Where the editor's small windows stood and whether each was shown, as the small text file in
// the program's folder keeps them between runs:
//
//     picoran-editor layout 1
//     small-palette 780 100 1
//     overview 100 690 0
//
// one window a line: its name, the screen position of its top-left corner, 1 when it is shown
// or 0 when it is hidden; lines end in CR LF (a plain LF is read too). A window the file does
// not name appears where it first appears. A file that is not such a layout, however little
// is wrong with it, is no layout: like the recent list it is only ever a convenience.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct KeptWindow {
    std::string name;
    int32_t x = 0;
    int32_t y = 0;
    bool shown = false;
};

// A layout file larger than this is not one the program wrote.
constexpr size_t kLayoutMaxFileBytes = 4096;
// Screen positions beyond this, either way, are taken for a damaged file.
constexpr int32_t kLayoutMaxCoordinate = 100000;

// The windows a file holds, in its order; none unless every line is right: the first line,
// then each window once, named in `names`, with two numbers within kLayoutMaxCoordinate and a
// 0 or a 1, separated by single spaces.
std::vector<KeptWindow> LayoutFromFileBytes(const std::vector<uint8_t>& bytes,
                                            const std::vector<std::string>& names);
std::vector<uint8_t> LayoutFileBytes(const std::vector<KeptWindow>& windows);
