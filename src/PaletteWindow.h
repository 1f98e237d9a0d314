// A chip palette: a modeless dialog that shows one chip sheet at half size and lets the
// designer pick a chip from it.
#pragma once
#include <cstdint>
#include <string>

#include "core/PaletteModel.h"
#include "Window.h"
#include "render/Texture.h"

class PaletteWindow : public Window {
public:
    HWND parentWindow;
    DLGPROC dialogProc;
    Texture* chipSheet;              // not owned
    Texture* workSurface = nullptr;  // owned; the picture is composed here
    PaletteModel model;              // entries, cell size, active flag, highlight
    const char* chipFilePath;        // read by Create; lives for the whole run
    // The tooltip telling the code and layer of the chip under the pointer; null until added.
    HWND tooltip = nullptr;

    // cellArgument packs the cell size (low 8 bits) and the active flag (bits 8 to 15).
    PaletteWindow(HINSTANCE moduleInstance, HWND owner, DLGPROC procedure, Texture* sheet,
                  uint32_t cellArgument, const char* chipFile);
    ~PaletteWindow() override;

    bool Initialize() override;
    // Initialises from the chip file at chipFilePath.
    bool Create(const char* title, int32_t x, int32_t y) override;
    // Initialises from a chip table in memory: the palette size, then one code per cell.
    bool CreateFromTable(const uint32_t* table, uint32_t count, const char* title,
                                 int32_t x, int32_t y);

    ChipPosition FindChip(int32_t layer, uint32_t chipId) const { return model.FindChip(layer, chipId); }
    void SetHighlight(int32_t x, int32_t y) { model.SetHighlight(x, y); }
    // Moves the window to (x, y) and sizes it for the given client area; shows it.
    void PlaceWindow(int32_t x, int32_t y, int32_t clientWidth, int32_t clientHeight);

    // Composes the palette picture and copies it into the window at half size.
    void Draw();
    // Selects the chip under a client point into CurrentChip. False outside the grid.
    bool Pick(POINT point);

    // The tooltip over the whole window, once it is made; its text follows the pointer.
    void AddTooltip();
    // The pointer over a client point: the tooltip tells that chip (ChipTipText), or nothing
    // outside the grid. Its text is set only when the chip under the pointer changes.
    void FollowPointer(POINT point);

private:
    bool AlreadyInitialised() const;
    bool MakeWorkSurface();
    bool CreateAndShowDialog(const char* title, int32_t x, int32_t y);
    std::wstring tipText;  // what the tooltip says now
};

// The palette's chips; a palette that does not exist finds no chip, so its cells take the
// sheet's top-left chip.
const PaletteModel& ModelOf(const PaletteWindow* palette);
