#include "Application.h"

#include <windows.h>

#include <commctrl.h>

#include "Display.h"
#include "Editor.h"
#include "ErrorBox.h"
#include "Globals.h"
#include "MainWindow.h"
#include "LayersProc.h"
#include "LayersWindow.h"
#include "MainWindowProc.h"
#include "OverviewProc.h"
#include "OverviewWindow.h"
#include "PaletteProcs.h"
#include "PaletteWindow.h"
#include "TerrainProc.h"
#include "TerrainWindow.h"
#include "UnsavedChanges.h"
#include "WideText.h"
#include "WindowLayout.h"
#include "browser/StageListProc.h"
#include "browser/StageListWindow.h"
#include "core/ChipTable.h"
#include "core/Texts.h"
#include "dialogs/DialogKeys.h"
#include "dialogs/ResizeWindow.h"
#include "dialogs/SettingsDialogs.h"
#include "map/CurrentFile.h"
#include "map/DroppedMaps.h"
#include "map/MapOpening.h"
#include "map/RecentMaps.h"
#include "map/RecoveryCopies.h"
#include "map/StartFolder.h"
#include "map/TerrainLoading.h"
#include "render/Texture.h"
#include "resource.h"

namespace {

template <typename T>
void DeleteAndClear(T*& object) {
    delete object;
    object = nullptr;
}

}  // namespace

bool StartUp() {
    instanceHandle = GetModuleHandleW(nullptr);
    // The manifest asks for Common Controls 6; loading them gives the dialogs the system's look.
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    editor = new Editor();
    RememberStartFolder();

    Texture* smallSheet = editor->smallSheet = new Texture(BitmapResourceId{IDB_SMALL_SHEET}, 0xFFFF);
    Texture* largeSheet = editor->largeSheet = new Texture(BitmapResourceId{IDB_LARGE_SHEET}, 0xFFFF);
    Texture* backdrop = editor->backdrop = new Texture(BitmapResourceId{IDB_BACKDROP}, 0xFFFF);
    // Black is transparent in every picture of the program.
    smallSheet->colorKey = 0;
    largeSheet->colorKey = 0;
    backdrop->colorKey = 0;

    mainWindow = new MainWindow(instanceHandle, smallSheet, largeSheet, backdrop);
    mainWindow->SetProcedure(MainWindowProc);
    if (!mainWindow->Initialize()) return false;
    if (!mainWindow->Create(texts::kProductTitle, 100, 100)) return false;

    SetCurrentPath(WideFromSjis(texts::kDefaultMapName).c_str());

    smallPalette = new PaletteWindow(instanceHandle, mainWindow->handle, SmallPaletteProc,
                                     smallSheet, kSmallPaletteArgument, "data/MapChip_S.txt");
    if (!smallPalette->CreateFromTable(SmallChipTable, kSmallChipTableLength, texts::kSmallPaletteTitle,
                                       780, 100)) {
        ShowErrorBox(mainWindow->handle, texts::kPaletteInitFailedSmall);
        return false;
    }
    largePalette = new PaletteWindow(instanceHandle, mainWindow->handle, LargePaletteProc,
                                     largeSheet, kLargePaletteArgument, "data/MapChip_L.txt");
    if (!largePalette->CreateFromTable(LargeChipTable, kLargeChipTableLength, texts::kLargePaletteTitle,
                                       780, 400)) {
        ShowErrorBox(mainWindow->handle, texts::kPaletteInitFailedLarge);
        return false;
    }
    CreateSettingsDialogs(mainWindow->handle);
    // Hidden until F6 or the menu shows it; a failure only leaves the overview out.
    editor->overview = new OverviewWindow(instanceHandle, mainWindow->handle, OverviewProc, smallSheet,
                                          largeSheet, backdrop);
    editor->overview->Create(texts::kOverviewTitle, 0, 0);
    // The terrains after the palettes, whose chip tables name their chips.
    LoadTerrains();
    editor->terrainWindow = new TerrainWindow(instanceHandle, mainWindow->handle, TerrainProc, smallSheet);
    editor->terrainWindow->Create(texts::kTerrainTitle, 0, 0);
    // Hidden, and empty until Ctrl+B or the menu shows it; a failure only leaves it out.
    editor->stageList = new StageListWindow(instanceHandle, mainWindow->handle, StageListProc);
    editor->stageList->Create(nullptr, 0, 0);
    // Hidden until F5 or the menu shows it.
    editor->layersWindow = new LayersWindow(instanceHandle, mainWindow->handle, LayersProc);
    editor->layersWindow->Create(texts::kLayersTitle, 0, 0);
    RestoreWindowLayout();
    ShowRecentMaps();
    AcceptDroppedMaps(mainWindow->handle);
    AcceptDroppedMaps(editor->overview->handle);
    smallPalette->AddTooltip();
    largePalette->AddTooltip();

    // The view drawn for the first time, with the caption and the menu as they start.
    NoteChanges(kRedrawView | kChangedHistory);
    ShowChanges();
    StartRecoveryCopies(mainWindow->handle);
    return true;
}

void DispatchProgramMessage(MSG& message) {
    if (HandleSettingsDialogKeys(message) || HandleReplaceWindowKeys(message)) return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

int RunMessageLoop() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchProgramMessage(message);
    return static_cast<int>(message.wParam);
}

void Teardown() {
    EndRecoveryCopies();
    EndWindowLayout();  // where the windows stand, before destroying them hides them
    // After a normal close the system windows are gone already; a start-up that stopped
    // half-way (or a test) may still have the main window, which takes the others along.
    if (mainWindow != nullptr && mainWindow->handle != nullptr && IsWindow(mainWindow->handle))
        DestroyWindow(mainWindow->handle);
    if (mainWindow != nullptr && mainWindow->classRegistered)
        UnregisterClassW(mainWindow->wideClassName.c_str(), mainWindow->instance);
    if (editor != nullptr) DeleteAndClear(editor->overview);
    if (editor != nullptr) DeleteAndClear(editor->terrainWindow);
    if (editor != nullptr) DeleteAndClear(editor->stageList);
    if (editor != nullptr) DeleteAndClear(editor->layersWindow);
    DeleteSettingsDialogs();
    DeleteAndClear(largePalette);
    DeleteAndClear(smallPalette);
    DeleteAndClear(mainWindow);
    DeleteAndClear(editor);  // the textures with it
    scrollX = 0;
    scrollY = 0;
    CurrentChip = ChipEntry{};
}

int RunEditor(const std::wstring& startMap) {
    int exitCode = 1;
    if (StartUp()) {
        // Work a crash left is offered first; a map named on the command line then opens as
        // Open opens it, after the question should a recovered stage hold changes.
        ReportRefusedTerrains(mainWindow->handle);
        OfferLeftBehindCopies();
        if (!startMap.empty() && ConfirmDropChanges()) OpenMapPath(startMap);
        ShowChanges();
        exitCode = RunMessageLoop();
    }
    Teardown();
    return exitCode;
}
