// The window "ステージ一覧": the map files of a folder (the current map's, or one the designer
// chose), each with its thumbnail, size, four stage numbers and the start of its comment, or
// why it cannot be opened; sorted by a click on a column's header, filtered by the text typed
// above the list. Double-click or Enter opens a stage as Open does, after the question about
// unsaved changes; the current stage is marked "●". While it is shown it follows the folder's
// changes. A modeless window owned by the main window, made hidden at start-up and listing
// nothing until it is first shown; closing only hides it. The rules live in the core (map/core/StageList.h).
#pragma once
#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "Window.h"
#include "browser/FolderWatch.h"
#include "map/core/StageList.h"

// Posted by the folder watch: the folder's files changed.
constexpr UINT kStageFolderChanged = WM_APP + 80;
// The timer that gathers a burst of changes into one new listing.
constexpr UINT_PTR kStageRelistTimer = 80;

class StageListWindow : public Window {
public:
    HWND ownerWindow;
    DLGPROC dialogProc;

    StageListWindow(HINSTANCE moduleInstance, HWND owner, DLGPROC procedure);
    ~StageListWindow() override;

    bool Initialize() override { return true; }
    // Makes the hidden window from its template; the title is the template's.
    bool Create(const char* title, int32_t x, int32_t y) override;

    // Shows the window with the focus in the list. A hidden window lists its folder afresh:
    // the one the designer chose, else the current map's.
    void Show();
    // Hides it and ends the watch of the folder.
    void Hide();
    // Lists a folder (UTF-8) and watches it; chosen: the designer chose it, so it stays when
    // the current map moves to another folder.
    void ShowFolder(const std::string& folderPath, bool chosen);
    // The folder picker; the working folder stays where it was.
    void ChooseFolder();
    // Lists the folder again, reading only the files that changed, and keeps the order, the
    // filter and the selected file.
    void Relist();
    // A click on a column's header: sorts by it, the other way round when it sorts so already.
    void SortByColumn(int column);
    // The filter box's text changed.
    void ApplyFilter();
    // Opens the stage of a row of the list; a file that cannot be opened only beeps.
    void OpenRow(int row);
    void OpenSelected();
    // The current file changed: the mark moves, and a folder the designer did not choose
    // follows the current map's.
    void FollowCurrentFile();
    // Lays the controls out over the client area.
    void Layout();

    const std::string& Folder() const { return folder; }
    const std::vector<StageEntry>& Entries() const { return entries; }
    // The entries the list shows, as indices into Entries(), in the list's order.
    const std::vector<size_t>& Shown() const { return shown; }

private:
    std::string folder;  // UTF-8, a full path
    bool folderChosen = false;
    std::vector<StageEntry> entries;  // sorted
    std::vector<size_t> shown;
    StageSortKey sortKey = StageSortKey::kName;
    bool descending = false;
    std::unique_ptr<StageThumbnails> thumbnails;
    HIMAGELIST images = nullptr;  // one thumbnail for each entry, in its order
    FolderWatch watch;

    HWND List() const;
    void MakeColumns();
    void MakeImages();
    void FillList(const std::string& keepSelected);
    void ShowMarks();
    void ShowSortArrow();
    std::string SelectedName() const;
    // currentMap: the current file's full path, UTF-8.
    bool IsCurrent(const StageEntry& entry, const std::string& currentMap) const;
};

// Ctrl+B and ファイル → ステージ一覧.
void ShowStageList();
