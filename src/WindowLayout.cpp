#include "WindowLayout.h"

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "Editor.h"
#include "Globals.h"
#include "LayersWindow.h"
#include "OverviewWindow.h"
#include "PaletteWindow.h"
#include "ProgramFolder.h"
#include "TerrainWindow.h"
#include "ViewCommands.h"
#include "WindowSpots.h"
#include "core/LayoutFile.h"
#include "files/FileAccess.h"
#include "map/ChipsInHand.h"

namespace {

constexpr char kLayoutFileName[] = "layout.txt";

struct KeptWindowRow {
    const char* name;     // in the file
    Window* (*object)();  // null while it is not made
    void (*show)();       // as its menu command shows it
};

void ShowSmallPalette() { ShowWindow(smallPalette->handle, SW_SHOWNORMAL); }
void ShowLargePalette() { ShowWindow(largePalette->handle, SW_SHOWNORMAL); }

// The windows whose places are kept, one a row, in the order the file lists them and they are
// put back: the palettes first, which the others first appear beside.
const KeptWindowRow kKeptWindows[] = {
    {"small-palette", [] { return static_cast<Window*>(smallPalette); }, ShowSmallPalette},
    {"large-palette", [] { return static_cast<Window*>(largePalette); }, ShowLargePalette},
    {"overview", [] { return editor != nullptr ? static_cast<Window*>(editor->overview) : nullptr; }, ShowOverview},
    {"terrain", [] { return editor != nullptr ? static_cast<Window*>(editor->terrainWindow) : nullptr; }, ShowTerrainWindow},
    {"layers", [] { return editor != nullptr ? static_cast<Window*>(editor->layersWindow) : nullptr; }, ShowLayersWindow},
};

// The layout follows the windows between RestoreWindowLayout and EndWindowLayout.
bool followingWindows = false;
std::vector<uint8_t> lastWritten;  // what the file holds, so that the same layout is not written again

HWND HandleOf(const KeptWindowRow& row) {
    const Window* window = row.object();
    return window != nullptr ? window->handle : nullptr;
}

std::string LayoutFilePath() {
    const std::string folder = ProgramFolder();
    return folder.empty() ? std::string() : files::JoinPath(folder, kLayoutFileName);
}

// The windows that stand where they belong, where they stand now.
std::vector<KeptWindow> LayoutNow() {
    std::vector<KeptWindow> windows;
    for (const KeptWindowRow& row : kKeptWindows) {
        const Window* window = row.object();
        RECT rect;
        if (window != nullptr && window->handle != nullptr && window->placed && GetWindowRect(window->handle, &rect))
            windows.push_back(KeptWindow{row.name, rect.left, rect.top, IsWindowVisible(window->handle) != FALSE});
    }
    return windows;
}

void WriteLayout() {
    if (!followingWindows) return;
    const std::vector<uint8_t> bytes = LayoutFileBytes(LayoutNow());
    if (bytes == lastWritten) return;
    const std::string path = LayoutFilePath();
    std::string reason;
    if (!path.empty() && files::ReplaceFileContents(path, bytes, reason)) lastWritten = bytes;
}

// Sees each kept window's messages before its own procedure: the end of a move or a size by
// the designer, and a show or a hide.
LRESULT CALLBACK FollowKeptWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR) {
    if (message == WM_NCDESTROY) RemoveWindowSubclass(window, FollowKeptWindow, id);
    const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
    const bool shownOrHidden = message == WM_WINDOWPOSCHANGED &&
        (reinterpret_cast<const WINDOWPOS*>(lParam)->flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW)) != 0;
    if (message == WM_EXITSIZEMOVE || shownOrHidden) WriteLayout();
    return result;
}

std::vector<KeptWindow> ReadLayout() {
    std::vector<std::string> names;
    for (const KeptWindowRow& row : kKeptWindows) names.push_back(row.name);
    const std::string path = LayoutFilePath();
    std::vector<uint8_t> bytes;
    std::string reason;
    if (path.empty() || files::ReadWholeFile(path, kLayoutMaxFileBytes, bytes, reason) != files::ReadStatus::kRead)
        return {};
    std::vector<KeptWindow> layout = LayoutFromFileBytes(bytes, names);
    if (!layout.empty()) lastWritten = bytes;
    return layout;
}

void PutBack(const KeptWindowRow& row, const KeptWindow& kept, const std::vector<ScreenRect>& workAreas) {
    Window* window = row.object();
    RECT rect;
    if (window == nullptr || window->handle == nullptr || !GetWindowRect(window->handle, &rect)) return;
    const ScreenRect there{kept.x, kept.y, kept.x + (rect.right - rect.left), kept.y + (rect.bottom - rect.top)};
    if (FitsOnAScreen(there, workAreas)) {
        SetWindowPos(window->handle, nullptr, kept.x, kept.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        window->placed = true;
    }
    if (!kept.shown) {
        ShowWindow(window->handle, SW_HIDE);
    } else if (!IsWindowVisible(window->handle)) {
        row.show();
    }
}

}  // namespace

void RestoreWindowLayout() {
    followingWindows = false;
    lastWritten.clear();
    const std::vector<ScreenRect> workAreas = AllWorkAreas();
    const std::vector<KeptWindow> layout = ReadLayout();
    // In the table's order, so that a window that takes its first place finds the palettes
    // where they stand.
    for (const KeptWindowRow& row : kKeptWindows)
        for (const KeptWindow& kept : layout)
            if (kept.name == row.name) PutBack(row, kept, workAreas);
    for (const KeptWindowRow& row : kKeptWindows)
        if (HWND window = HandleOf(row)) SetWindowSubclass(window, FollowKeptWindow, 0, 0);
    followingWindows = true;
}

void EndWindowLayout() {
    if (!followingWindows) return;
    WriteLayout();
    followingWindows = false;
    for (const KeptWindowRow& row : kKeptWindows)
        if (HWND window = HandleOf(row); window != nullptr && IsWindow(window))
            RemoveWindowSubclass(window, FollowKeptWindow, 0);
}
