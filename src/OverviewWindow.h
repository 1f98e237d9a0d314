// The overview "全体図": a modeless window owned by the main window that shows the whole map
// at most 480 x 480 pixels, a frame round the cells the view shows and where ピノル starts.
// A click or a drag in it moves the view there; its caption names the cell under the pointer
// while the pointer is over the map view. Made hidden at start-up; closing only hides it.
#pragma once
#include <cstdint>
#include <string>

#include "Window.h"
#include "map/core/Stage.h"
#include "render/Texture.h"
#include "render/core/ViewCentering.h"
#include "render/core/OverviewScale.h"
#include "render/core/OverviewSheets.h"

class OverviewWindow : public Window {
public:
    HWND ownerWindow;
    DLGPROC dialogProc;
    Texture* smallSheet;  // not owned
    Texture* largeSheet;  // not owned
    Texture* backdrop;    // not owned
    Texture* picture;     // owned, 480 x 480: the overview is composed in its top-left

    OverviewWindow(HINSTANCE moduleInstance, HWND owner, DLGPROC procedure, Texture* small,
                   Texture* large, Texture* back);
    ~OverviewWindow() override;

    bool Initialize() override { return true; }
    // Makes the hidden window with the given caption; x and y are not used: Show places it
    // the first time. False when it cannot be made; the object then touches no window.
    bool Create(const char* title, int32_t x, int32_t y) override;

    // F6 and the menu: the first time beside the palettes where it covers none of the editor's
    // windows (FirstPlaceOf), then where the designer left it; shown without taking the focus,
    // and drawn.
    void Show(const Stage& stage);
    // Composes and draws the overview of the stage, with the view's frame at the present
    // offsets, when it is shown; nothing while it is hidden. The main window's Paint calls
    // it, so every change of the map or the view reaches it.
    void Refresh(const Stage& stage);
    // Copies the last composition into the window, light grey beyond the picture.
    void Draw(HDC windowDC);
    // A click or a drag at a client point: the view's offsets that centre it there, kept
    // inside the map.
    ViewOffsets OffsetsCentredAt(const MapModel& map, int32_t x, int32_t y) const;
    // The caption names the cell under the pointer while the pointer is over the map view
    // (the editor's last pointer), with its three chip ids; set only when it changes.
    void UpdateCaption(const MapModel& map);

private:
    OverviewSheets sheets;
    OverviewScale scale;        // of the last composition
    std::wstring caption;       // what the caption shows now

    SIZE ClientSize() const;
    SIZE OuterSize(SIZE client) const;
    void PlaceBesideThePalettes();
    void FitToPicture();
};
