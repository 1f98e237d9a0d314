// The layers panel "レイヤー": the three layers in the order they are drawn, top first (layer 0,
// layer 1, layer 2 with the large chips), each with its eye (shown or hidden, as Ctrl+1, 2, 3
// and the 表示 menu) and its lock, the cells of it that hold a chip, and a mark on the layer the
// chip in hand goes to. Under them the cell under the pointer with its three chip ids, and a
// note: how many chips the last fill, rectangle or stamp laid under an upper layer, or why the
// start tool's last click changed nothing. A modeless window owned by the main window, made
// hidden; closing only hides it.
#pragma once
#include <cstdint>

#include "Window.h"
#include "map/core/CoveringChips.h"
#include "map/core/Stage.h"

class LayersWindow : public Window {
public:
    HWND ownerWindow;
    DLGPROC dialogProc;

    LayersWindow(HINSTANCE moduleInstance, HWND owner, DLGPROC procedure);

    bool Initialize() override { return true; }
    // Makes the hidden window with the given caption; Show places it the first time.
    bool Create(const char* title, int32_t x, int32_t y) override;

    // The first time below the large palette where it covers none of the editor's windows
    // (FirstPlaceOf), then where the designer left it; shown without taking the focus.
    void Show(const Stage& stage);
    bool Shown() const;
    // A tool's, a stamp's, a cut's or a delete's writes, before the stage applies them: counts
    // that are up to date follow them (CountWrittenChips), and stand for the stage's state id
    // once they are applied (FollowedTo), so a click costs nothing like a count of the map.
    void FollowWrites(const MapModel& map, const CellWrites& writes);
    void FollowedTo(uint64_t stateId);
    // The map's cells changed: unless they are those the counts followed, the counts are made
    // again when the panel is next drawn, so a hidden panel costs nothing and a shown one
    // counts at most once per refresh. A whole new stage always counts anew.
    void CellsChanged(uint64_t stateId, bool wholeStage) {
        if (wholeStage || stateId != countedState) countsStale = true;
    }
    // Draws it again when it is shown.
    void Refresh(const Stage& stage);
    void Draw(HDC windowDC, const Stage& stage);
    // What a click at a client point hits: a layer's eye or its lock, or nothing.
    struct Hit {
        int layer = -1;  // -1: neither
        bool lock = false;
    };
    Hit HitAt(int32_t x, int32_t y) const;
    // The cells of each layer as last counted.
    const LayerChipCounts& Counts() const { return counts; }

private:
    LayerChipCounts counts;
    bool countsStale = true;
    uint64_t countedState = 0;  // the stage's state the counts stand for

    void CountIfStale(const Stage& stage);
};
