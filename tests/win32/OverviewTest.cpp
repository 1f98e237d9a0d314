// The overview "全体図", the mouse wheel, the layers shown and the start marker, in the real
// windows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "EditorFixture.h"
#include "MapCommands.h"
#include "MessageBoxWatcher.h"
#include "OverviewWindow.h"
#include "PaletteWindow.h"
#include "TestFiles.h"
#include "WindowSpots.h"
#include "core/Texts.h"
#include "dialogs/ConfigWindow.h"
#include "dialogs/CursorWindow.h"
#include "map/core/DocumentCells.h"
#include "render/core/MapView.h"
#include "render/core/OverviewCompose.h"
#include "render/core/ViewGeometry.h"
#include "render/core/ViewMarks.h"
#include "render/core/ViewOverlay.h"
#include "resource.h"
#ifdef PICORAN_HAS_MAP_TOOL
#include "PngTestSupport.h"
#endif

namespace {

// "全体図" in code page 932, spelled out apart from the program.
const std::string kTitle = "\x91\x53\x91\xcc\x90\x7d";

bool Visible(HWND window) { return IsWindowVisible(window) != FALSE; }

RECT WindowRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

// The chip ids a palette holds for a layer.
std::vector<uint32_t> PaletteChips(const PaletteWindow* palette, uint32_t layer) {
    std::vector<uint32_t> ids;
    for (size_t i = 0; i < palette->model.EntryCount(); ++i) {
        const ChipEntry& entry = palette->model.Entries()[i];
        if (entry.chipId != 0 && entry.layer == layer) ids.push_back(entry.chipId);
    }
    return ids;
}

// Chips of the palettes in about half the cells of each layer, placed as opening a file
// would place them, so that a saved copy reads back to the same picture.
void FillWithPaletteChips() {
    const MapModel& map = mainWindow->map;
    CellWrites writes;
    for (int layer = 0; layer < 3; ++layer) {
        const PaletteWindow* palette = layer == 2 ? largePalette : smallPalette;
        const std::vector<uint32_t> ids = PaletteChips(palette, static_cast<uint32_t>(layer));
        ASSERT_FALSE(ids.empty()) << "layer " << layer;
        for (size_t i = 0; i < map.CellCount(); ++i)
            if ((i * 7 + static_cast<size_t>(layer) * 3) % (layer + 2) == 0)
                writes.push_back(CellWrite{static_cast<uint32_t>(i), static_cast<uint8_t>(layer),
                                           CellFromChipId(ids[(i * 13 + static_cast<size_t>(layer)) % ids.size()], layer, palette->model)});
    }
    mainWindow->stage.WriteCells(writes);
}

// What the overview must show: the core's composition of the map at the overview's scale,
// the layers shown, the view's frame and the start marker when one is specified.
struct ExpectedOverview {
    OverviewScale scale;
    MemorySurface picture{kOverviewMaxSide, kOverviewMaxSide};  // the map only
    MemorySurface marked{kOverviewMaxSide, kOverviewMaxSide};   // with the frame and the marker
};

void ComposeExpected(ExpectedOverview& expected) {
    const MapModel& map = mainWindow->map;
    expected.scale = OverviewScaleFor(map.CellCounts());
    OverviewSheets sheets;
    ASSERT_TRUE(sheets.Prepare(*mainWindow->smallSheet, *mainWindow->largeSheet, *mainWindow->backdrop,
                               SheetCellPixels(expected.scale)));
    for (PixelSurface* surface : {static_cast<PixelSurface*>(&expected.picture), static_cast<PixelSurface*>(&expected.marked)})
        ComposeOverview(*surface, sheets, expected.scale, map, editor->shownLayers);
    DrawViewFrame(expected.marked, OverviewViewFrame(expected.scale, scrollX, scrollY));
    if (!Settings().startUnspecified)
        DrawStartMarker(expected.marked, OverviewStartMarker(expected.scale, Settings().startX, Settings().startY));
}

// The overview's picture equals the expected one, and its window shows that picture at its
// top-left and the window's light grey beside it.
void ExpectOverviewShowsTheMap() {
    ExpectedOverview expected;
    ASSERT_NO_FATAL_FAILURE(ComposeExpected(expected));
    GdiFlush();
    const Texture& picture = *editor->overview->picture;
    int differing = 0;
    for (int32_t y = 0; y < expected.scale.height; ++y)
        for (int32_t x = 0; x < expected.scale.width; ++x)
            if (picture.Pixel(x, y) != expected.marked.Pixel(x, y) && differing++ == 0)
                ADD_FAILURE() << "first difference at " << x << ", " << y;
    EXPECT_EQ(differing, 0) << "scrolled to " << scrollX << ", " << scrollY;

    RECT client;
    GetClientRect(editor->overview->handle, &client);
    EXPECT_EQ(client.right, std::max<LONG>(expected.scale.width, 288));
    HDC windowDC = GetDC(editor->overview->handle);
    HDC copyDC = CreateCompatibleDC(windowDC);
    HBITMAP copy = CreateCompatibleBitmap(windowDC, client.right, client.bottom);
    HGDIOBJ previous = SelectObject(copyDC, copy);
    BitBlt(copyDC, 0, 0, client.right, client.bottom, windowDC, 0, 0, SRCCOPY);
    int wrong = 0;
    for (int32_t y = 0; y < client.bottom; y += 5)
        for (int32_t x = 0; x < client.right; x += 5) {
            const bool inPicture = x < expected.scale.width && y < expected.scale.height;
            const COLORREF want = inPicture ? GetPixel(picture.memoryDC, x, y) : RGB(192, 192, 192);
            wrong += GetPixel(copyDC, x, y) != want;
        }
    EXPECT_EQ(wrong, 0);
    SelectObject(copyDC, previous);
    DeleteObject(copy);
    DeleteDC(copyDC);
    ReleaseDC(editor->overview->handle, windowDC);
}

void SendWheel(UINT message, int delta, bool shift = false) {
    const WPARAM wParam = MAKEWPARAM(shift ? MK_SHIFT : 0, static_cast<WORD>(static_cast<short>(delta)));
    SendMessageA(mainWindow->handle, message, wParam, MAKELPARAM(300, 200));
}

// The system's lines a notch for the length of a test, put back afterwards.
class WheelLines {
public:
    explicit WheelLines(UINT lines) {
        SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &saved, 0);
        SystemParametersInfoA(SPI_SETWHEELSCROLLLINES, lines, nullptr, 0);
    }
    ~WheelLines() { SystemParametersInfoA(SPI_SETWHEELSCROLLLINES, saved, nullptr, 0); }

private:
    UINT saved = 3;
};

class OverviewTest : public EditorTest {};

}  // namespace

TEST_F(OverviewTest, HiddenAtStartUpShownByF6AndTheMenuClosingOnlyHides) {
    ASSERT_NE(editor->overview, nullptr);
    HWND overview = editor->overview->handle;
    ASSERT_TRUE(IsWindow(overview));
    EXPECT_FALSE(Visible(overview));
    EXPECT_EQ(GetWindow(overview, GW_OWNER), mainWindow->handle);
    EXPECT_EQ(WindowText(overview), kTitle);
    const RECT mainBefore = WindowRect(mainWindow->handle);

    PressKey(VK_F6);
    EXPECT_TRUE(Visible(overview));
    EXPECT_EQ(GetForegroundWindow() == overview, false);  // the focus stays where it was
    SendMessageA(overview, WM_CLOSE, 0, 0);
    EXPECT_FALSE(Visible(overview));
    EXPECT_TRUE(IsWindow(overview));
    SendMessageA(mainWindow->handle, WM_COMMAND, ID_EDIT_OVERVIEW, 0);
    EXPECT_TRUE(Visible(overview));
    ExpectOverviewShowsTheMap();

    // Placed by the core's rule for the windows as they stand: on the 1024 x 768 test desktop
    // where it covers the least of them; given a 1280 x 1024 screen the same call covers none.
    std::vector<ScreenRect> windows;
    for (HWND window : {mainWindow->handle, smallPalette->handle, largePalette->handle})
        windows.push_back(ScreenRectOf(WindowRect(window)));
    const ScreenPoint beside{WindowRect(largePalette->handle).right, WindowRect(smallPalette->handle).top};
    const RECT placed = WindowRect(overview);
    const SIZE size{placed.right - placed.left, placed.bottom - placed.top};
    const ScreenPoint least = PlaceClearOf(beside, size.cx, size.cy, windows, WorkAreaNear(mainWindow->handle));
    EXPECT_EQ(std::make_pair(placed.left, placed.top), std::make_pair(LONG{least.x}, LONG{least.y}));
    const ScreenPoint clear = FirstPlaceOf(overview, beside, size, ScreenRect{0, 0, 1280, 1024});
    for (const ScreenRect& window : windows)
        EXPECT_EQ(SharedArea(ScreenRect{clear.x, clear.y, clear.x + size.cx, clear.y + size.cy}, window), 0);
    const RECT mainAfter = WindowRect(mainWindow->handle);
    EXPECT_EQ(mainAfter.right - mainAfter.left, mainBefore.right - mainBefore.left);
    EXPECT_EQ(mainAfter.bottom - mainAfter.top, mainBefore.bottom - mainBefore.top);
}

TEST_F(OverviewTest, FirstAppearsRightOfThePalettesLevelWithTheSmallOne) {
    // Moved left far enough to fit beside them on the 1024-pixel desktop, the main window away.
    SetWindowPos(mainWindow->handle, nullptr, -600, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SetWindowPos(smallPalette->handle, nullptr, 400, 120, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SetWindowPos(largePalette->handle, nullptr, 390, 420, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    PressKey(VK_F6);
    const RECT placed = WindowRect(editor->overview->handle);
    EXPECT_EQ(placed.left, std::max(WindowRect(smallPalette->handle).right, WindowRect(largePalette->handle).right));
    EXPECT_EQ(placed.top, 120);
    // Later it stays where the designer put it.
    SetWindowPos(editor->overview->handle, nullptr, 50, 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SendMessageA(editor->overview->handle, WM_CLOSE, 0, 0);
    PressKey(VK_F6);
    EXPECT_EQ(WindowRect(editor->overview->handle).left, 50);
}

// The overview, the core's composition and the map tool's picture at the same size agree.
TEST_F(OverviewTest, PixelsAreTheCoresCompositionAndTheToolsPicture) {
    ASSERT_TRUE(mainWindow->ResizeMap(2400, 2400));
    FillWithPaletteChips();
    PressKey(VK_F6);
    for (int i = 0; i < 22; ++i) HandleKey(VK_RIGHT);
    for (int i = 0; i < 24; ++i) HandleKey(VK_DOWN);
    ExpectOverviewShowsTheMap();

#ifdef PICORAN_HAS_MAP_TOOL
    const std::string map = TempPath("picoran-overview.bin");
    const std::string png = TempPath("picoran-overview.png");
    DeleteFileA(png.c_str());
    ASSERT_TRUE(mainWindow->SaveMap(map.c_str()));
    char exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    std::string tool(exe);
    tool = tool.substr(0, tool.find_last_of("\\/") + 1) + "picoran-map.exe";
    std::string commandLine = "\"" + tool + "\" render --scale 8 \"" + map + "\" \"" + png + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, CREATE_NO_WINDOW,
                               nullptr, nullptr, &startup, &process)) << commandLine;
    ASSERT_EQ(WaitForSingleObject(process.hProcess, 60000), WAIT_OBJECT_0);
    DWORD exitCode = 1;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    ASSERT_EQ(exitCode, 0u);
    const std::string bytes = FileBytes(png);
    std::vector<uint8_t> rgb;
    ASSERT_TRUE(tool_test::DecodeRgbPng(std::vector<uint8_t>(bytes.begin(), bytes.end()), 480, 480, rgb));
    DeleteFileA(map.c_str());
    DeleteFileA(png.c_str());

    // Wherever the frame and the marker leave the map alone, the overview is the picture.
    ExpectedOverview expected;
    ASSERT_NO_FATAL_FAILURE(ComposeExpected(expected));
    GdiFlush();
    int compared = 0, differing = 0;
    for (int32_t y = 0; y < 480; ++y)
        for (int32_t x = 0; x < 480; ++x) {
            if (expected.marked.Pixel(x, y) != expected.picture.Pixel(x, y)) continue;
            const uint16_t p = editor->overview->picture->Pixel(x, y);
            const uint8_t* t = &rgb[(static_cast<size_t>(y) * 480 + x) * 3];
            const auto expand = [](uint32_t v) { return static_cast<uint8_t>((v << 3) | (v >> 2)); };
            ++compared;
            differing += t[0] != expand((p >> 10) & 31u) || t[1] != expand((p >> 5) & 31u) ||
                         t[2] != expand(p & 31u);
        }
    EXPECT_GT(compared, 400 * 400);
    EXPECT_EQ(differing, 0);
#else
    GTEST_SKIP() << "picoran-map was not built (no stb_image_write)";
#endif
}

TEST_F(OverviewTest, ClicksAndDragsCentreTheViewWhereThePointerIs) {
    ASSERT_TRUE(mainWindow->ResizeMap(2400, 2400));  // 8 pixels a cell: 480 x 480
    PressKey(VK_F6);
    HWND overview = editor->overview->handle;
    ClickAt(overview, 240, 240);  // map pixel (1202, 1202): the view's centre at (1200, 1200)
    EXPECT_EQ(scrollX, 22);
    EXPECT_EQ(scrollY, 24);
    ExpectOverviewShowsTheMap();
    EXPECT_EQ(editor->overview->picture->Pixel(22 * 8, 24 * 8 + 20), kViewFramePixel);

    SendMessageA(overview, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(0, 0));
    EXPECT_EQ(scrollX, 0);
    EXPECT_EQ(scrollY, 0);
    SendMessageA(overview, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(479, 479));
    EXPECT_EQ(scrollX, 44);  // kept inside the map as the arrow keys keep it
    EXPECT_EQ(scrollY, 48);
    SendMessageA(overview, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(static_cast<WORD>(-50), 240));
    EXPECT_EQ(scrollX, 0);   // beyond the picture: its edge
    EXPECT_EQ(scrollY, 24);
    SendMessageA(overview, WM_LBUTTONUP, 0, MAKELPARAM(100, 100));
    SendMessageA(overview, WM_MOUSEMOVE, 0, MAKELPARAM(300, 300));  // no button: no move
    EXPECT_EQ(scrollX, 0);
    EXPECT_EQ(scrollY, 24);
    ExpectOverviewShowsTheMap();
}

TEST_F(OverviewTest, WheelAndShiftWheelScrollByTheSystemsLinesANotch) {
    ASSERT_TRUE(mainWindow->ResizeMap(2400, 2400));
    {
        WheelLines three(3);
        SendWheel(WM_MOUSEWHEEL, -120);  // toward the user: down
        EXPECT_EQ(scrollY, 3);
        SendWheel(WM_MOUSEWHEEL, -240);
        EXPECT_EQ(scrollY, 9);
        SendWheel(WM_MOUSEWHEEL, 120);
        EXPECT_EQ(scrollY, 6);
        SendWheel(WM_MOUSEWHEEL, -120, true);  // Shift, toward the user: right
        EXPECT_EQ(scrollX, 3);
        EXPECT_EQ(scrollY, 6);
        SendWheel(WM_MOUSEHWHEEL, 120);  // tilted right
        EXPECT_EQ(scrollX, 6);
        for (int i = 0; i < 4; ++i) SendWheel(WM_MOUSEWHEEL, -30);  // a high-resolution wheel
        EXPECT_EQ(scrollY, 9);
        for (int i = 0; i < 40; ++i) SendWheel(WM_MOUSEWHEEL, -120);
        EXPECT_EQ(scrollY, 48);  // kept inside the map
        SendWheel(WM_MOUSEHWHEEL, -1200);
        EXPECT_EQ(scrollX, 0);
    }
    WheelLines one(1);
    SendWheel(WM_MOUSEWHEEL, 120);
    EXPECT_EQ(scrollY, 47);
    PressKey(VK_F6);
    SendMessageA(editor->overview->handle, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(120)), 0);
    EXPECT_EQ(scrollY, 46);  // over the overview too
    ExpectOverviewShowsTheMap();
}

TEST_F(OverviewTest, HiddenLayerIsNotDrawnStaysInTheFileAndTakesNoPaint) {
    const MapModel& map = mainWindow->map;
    for (uint32_t i = 0; i < map.CellCount(); ++i) {
        SetCell(2, i, CellFromChipId(35, 2, largePalette->model));
        SetCell(0, i, CellFromChipId(100, 0, smallPalette->model));
    }
    const std::string before = TempPath("picoran-layers-before.bin");
    const std::string after = TempPath("picoran-layers-after.bin");
    ASSERT_TRUE(mainWindow->SaveMap(before.c_str()));
    PressKey(VK_F6);

    PressKey('1', true);  // Ctrl+1
    EXPECT_FALSE(editor->shownLayers.Shows(0));
    EXPECT_FALSE(MenuChecked(ID_VIEW_LAYER0));
    EXPECT_TRUE(MenuChecked(ID_VIEW_LAYER2));
    GdiFlush();
    MemorySurface withoutLayer0(kViewWidth, kViewHeight), withAll(kViewWidth, kViewHeight);
    ComposeMapView(withoutLayer0, *mainWindow->backdrop, *mainWindow->smallSheet, *mainWindow->largeSheet, map, 0, 0, editor->shownLayers);
    ComposeMapView(withAll, *mainWindow->backdrop, *mainWindow->smallSheet, *mainWindow->largeSheet, map, 0, 0);
    int showing = 0, differing = 0;
    for (int32_t y = 5; y < kViewHeight; y += 40)  // inside the cells, clear of the grid
        for (int32_t x = 5; x < kViewWidth; x += x % 40 == 33 ? 12 : 7) {
            showing += mainWindow->backBuffer->Pixel(x, y) == withoutLayer0.Pixel(x, y);
            differing += withoutLayer0.Pixel(x, y) != withAll.Pixel(x, y);
        }
    EXPECT_EQ(showing, 12 * 16 * 5);
    EXPECT_GT(differing, 12 * 16 * 5 / 2);  // the hidden chips would show there
    ExpectOverviewShowsTheMap();

    // Saved as it was: hiding changes nothing in the map.
    ASSERT_TRUE(mainWindow->SaveMap(after.c_str()));
    EXPECT_EQ(FileBytes(after), FileBytes(before));
    DeleteFileA(before.c_str());
    DeleteFileA(after.c_str());

    // The pen and the eraser leave the hidden layer alone.
    CurrentChip = ChipEntry{1, 0, 0, 0};
    ClickAt(mainWindow->handle, 50, 50);
    EXPECT_EQ(map.Layer(0)[17].chipId, 100u);
    CurrentChip = ChipEntry{0, 0, 0, 3};
    ClickAt(mainWindow->handle, 50, 50);
    EXPECT_EQ(map.Layer(0)[17].chipId, 100u);
    EXPECT_EQ(map.Layer(2)[17].chipId, 0u);

    SendMessageA(mainWindow->handle, WM_COMMAND, ID_VIEW_LAYER0, 0);  // the menu shows it again
    EXPECT_TRUE(editor->shownLayers.Shows(0));
    EXPECT_TRUE(MenuChecked(ID_VIEW_LAYER0));
    PressKey('3', true);
    PressKey('2', true);
    EXPECT_FALSE(MenuChecked(ID_VIEW_LAYER2));
    EXPECT_FALSE(MenuChecked(ID_VIEW_LAYER1));
    PressKey('2');  // without Ctrl: nothing
    EXPECT_FALSE(editor->shownLayers.Shows(1));
}

TEST_F(OverviewTest, StartMarkerFollowsTheStartPositionDialog) {
    PressKey(VK_F6);
    const auto markerShows = [](int32_t x, int32_t y) {
        GdiFlush();
        return mainWindow->backBuffer->Pixel(x, y) == kStartMarkerPixel;
    };
    EXPECT_FALSE(markerShows(320, 240));  // not specified at start-up
    ExpectOverviewShowsTheMap();

    PressKey(VK_F4);
    SetDlgItemTextA(cursorWindow->handle, IDC_CURSOR_X, "200");
    SetDlgItemTextA(cursorWindow->handle, IDC_CURSOR_Y, "120");
    SendMessageA(GetDlgItem(cursorWindow->handle, IDC_CURSOR_UNSPECIFIED), BM_CLICK, 0, 0);
    PressButton(cursorWindow, IDC_CURSOR_OK);
    EXPECT_TRUE(markerShows(200, 120));
    EXPECT_TRUE(markerShows(181, 121));  // one cell across
    EXPECT_FALSE(markerShows(230, 130));
    EXPECT_EQ(editor->overview->picture->Pixel(50, 30), kStartMarkerPixel);  // 10 pixels a cell
    ExpectOverviewShowsTheMap();
    // The rest of the view is the shared geometry with the marker on top.
    MemorySurface view(kViewWidth, kViewHeight);
    ComposeMapView(view, *mainWindow->backdrop, *mainWindow->smallSheet, *mainWindow->largeSheet, mainWindow->map, 0, 0);
    const ViewOverlay overlay = ComposeViewOverlay(mainWindow->CellCounts(), 0, 0);
    for (size_t i = 0; i < overlay.count; ++i) StrokeSegment(view, overlay.segments[i]);
    DrawStartMarker(view, ViewStartMarker(200, 120, 0, 0));
    FillOutsideMapArea(view, overlay.area);
    int differing = 0;
    for (int32_t y = 0; y < kViewHeight; ++y)
        for (int32_t x = 0; x < kViewWidth; ++x) differing += mainWindow->backBuffer->Pixel(x, y) != view.Pixel(x, y);
    EXPECT_EQ(differing, 0);

    PressKey(VK_F4);
    SendMessageA(GetDlgItem(cursorWindow->handle, IDC_CURSOR_UNSPECIFIED), BM_CLICK, 0, 0);
    PressButton(cursorWindow, IDC_CURSOR_OK);
    EXPECT_FALSE(markerShows(200, 120));
    EXPECT_NE(editor->overview->picture->Pixel(50, 30), kStartMarkerPixel);
    ExpectOverviewShowsTheMap();
}

// Painting, scrolling, resizing, New and opening a file all reach the overview.
TEST_F(OverviewTest, FollowsEveryChangeOfTheMapAndTheView) {
    PressKey(VK_F6);
    GdiFlush();
    std::vector<uint16_t> empty;
    for (int32_t y = 20; y < 40; ++y)
        for (int32_t x = 20; x < 40; ++x) empty.push_back(editor->overview->picture->Pixel(x, y));
    const std::vector<uint32_t> large = PaletteChips(largePalette, 2);
    const MapCell chip = CellFromChipId(large.at(0), 2, largePalette->model);
    CurrentChip = ChipEntry{chip.chipId, static_cast<uint32_t>(chip.srcX), static_cast<uint32_t>(chip.srcY), 2};
    ClickAt(mainWindow->handle, 100, 100);  // cell (2, 2): overview pixels 20 to 39
    ExpectOverviewShowsTheMap();
    GdiFlush();
    int changed = 0;
    for (int32_t y = 20; y < 40; ++y)
        for (int32_t x = 20; x < 40; ++x)
            changed += editor->overview->picture->Pixel(x, y) != empty[static_cast<size_t>((y - 20) * 20 + x - 20)];
    EXPECT_GT(changed, 100);

    ResizeMapFromDialog(1200, 800);  // 30 x 20 cells: 300 x 200 pixels
    ShowChanges();
    ExpectOverviewShowsTheMap();
    for (int i = 0; i < 3; ++i) HandleKey(VK_RIGHT);
    HandleKey(VK_DOWN);
    ExpectOverviewShowsTheMap();
    EXPECT_EQ(editor->overview->picture->Pixel(30, 50), kViewFramePixel);  // the frame moved along
    PressKey('Z', true);  // undo of the size
    ExpectOverviewShowsTheMap();

    {
        MessageBoxWatcher dropChanges(IDNO);
        PressKey('N', true);
    }
    ExpectOverviewShowsTheMap();
    const std::string path = TempPath("picoran-overview-2x1.txt");
    WriteBytes(path, "80 40\n5 6\n0 0\n1 2\n0 0\n");
    ASSERT_TRUE(mainWindow->LoadMap(path.c_str(), false));
    ShowChanges();
    DeleteFileA(path.c_str());
    ExpectOverviewShowsTheMap();
}

TEST_F(OverviewTest, CaptionNamesTheCellUnderThePointerAndItsChips) {
    ASSERT_TRUE(mainWindow->ResizeMap(1200, 800));  // 30 x 20
    SetCell(1, 5 * 30 + 12, MapCell{2, 40, 0});
    SetCell(2, 5 * 30 + 12, MapCell{35, 80, 160});
    scrollX = 3;
    scrollY = 2;
    PressKey(VK_F6);
    const RECT mainBefore = WindowRect(mainWindow->handle);
    SendMessageA(mainWindow->handle, WM_MOUSEMOVE, 0, MAKELPARAM(370, 130));  // view cell (9, 3)
    EXPECT_EQ(WindowText(editor->overview->handle), kTitle + " (12, 5) 0:0 1:2 2:35");
    HandleKey(VK_LEFT);  // the view moves under the still pointer
    EXPECT_EQ(WindowText(editor->overview->handle), kTitle + " (11, 5) 0:0 1:0 2:0");
    SendMessageA(mainWindow->handle, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(WindowText(editor->overview->handle), kTitle);
    const RECT mainAfter = WindowRect(mainWindow->handle);
    EXPECT_EQ(mainAfter.right - mainAfter.left, mainBefore.right - mainBefore.left);
    EXPECT_EQ(mainAfter.bottom - mainAfter.top, mainBefore.bottom - mainBefore.top);
}

TEST_F(OverviewTest, KeysInTheOverviewReachTheShortcuts) {
    PressKey(VK_F6);
    SendMessageA(editor->overview->handle, WM_KEYDOWN, VK_F4, 0);
    EXPECT_TRUE(Visible(cursorWindow->handle));
    SendMessageA(editor->overview->handle, WM_SYSKEYDOWN, VK_F10, 0);
    EXPECT_TRUE(Visible(configWindow->handle));
}

TEST_F(OverviewTest, ViewMenuHoldsTheThreeLayersCheckedAtStartUp) {
    HMENU bar = GetMenu(mainWindow->handle);
    HMENU view = GetSubMenu(bar, 3);
    char text[64] = {};
    GetMenuStringA(bar, 3, text, sizeof(text), MF_BYPOSITION);
    EXPECT_EQ(std::string(text), "\x95\x5c\x8e\xa6");  // 表示
    ASSERT_EQ(GetMenuItemCount(view), 9);  // then a separator, the three zooms, a separator, the panel
    GetMenuStringA(view, 4, text, sizeof(text), MF_BYPOSITION);
    EXPECT_EQ(std::string(text), "\x8a\x67\x91\xe5    Ctrl++");  // 拡大
    GetMenuStringA(view, 5, text, sizeof(text), MF_BYPOSITION);
    EXPECT_EQ(std::string(text), "\x8f\x6b\x8f\xac    Ctrl+-");  // 縮小
    EXPECT_EQ(GetMenuItemID(view, 6), UINT{ID_VIEW_ZOOM_RESET});
    GetMenuStringA(view, 8, text, sizeof(text), MF_BYPOSITION);
    EXPECT_EQ(std::string(text), "\x83\x8c\x83\x43\x83\x84\x81\x5b    F5");  // レイヤー
    for (UINT i = 0; i < 3; ++i) {
        GetMenuStringA(view, i, text, sizeof(text), MF_BYPOSITION);
        // レイヤー0    Ctrl+1
        EXPECT_EQ(std::string(text), "\x83\x8c\x83\x43\x83\x84\x81\x5b" + std::to_string(i) +
                                         "    Ctrl+" + std::to_string(i + 1));
        EXPECT_EQ(GetMenuItemID(view, static_cast<int>(i)), ID_VIEW_LAYER0 + i);
        EXPECT_TRUE(MenuChecked(ID_VIEW_LAYER0 + i));
    }
}
