// The window "地形": the terrain sets, each with its full chip's picture and its name, the set
// chosen marked, and under them how many cells of the last terrain stroke took a substitute
// chip, or why there are no sets. A click on a set puts it in hand and chooses the terrain
// tool. A modeless window owned by the main window, made hidden; closing only hides it.
#pragma once
#include <cstdint>

#include "Window.h"
#include "render/Texture.h"

class TerrainWindow : public Window {
public:
    HWND ownerWindow;
    DLGPROC dialogProc;
    Texture* smallSheet;  // not owned: where the chips' pictures come from

    TerrainWindow(HINSTANCE moduleInstance, HWND owner, DLGPROC procedure, Texture* small);

    bool Initialize() override { return true; }
    // Makes the hidden window with the given caption; Show places it the first time.
    bool Create(const char* title, int32_t x, int32_t y) override;

    // The first time right of the large palette where it covers none of the editor's windows
    // (FirstPlaceOf), then where the designer left it; shown without taking the focus.
    void Show();
    // Draws it again when it is shown.
    void Refresh();
    void Draw(HDC windowDC);
    // The set under a client point, or -1.
    int SetAt(int32_t y) const;

private:
    int32_t Rows() const;
    void FitToRows();
};
