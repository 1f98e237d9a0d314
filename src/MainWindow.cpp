#include "MainWindow.h"

#include <algorithm>
#include <cstring>

#include "Editor.h"
#include "Globals.h"
#include "WideText.h"
#include "core/Texts.h"
#include "map/ToolMenu.h"
#include "render/core/Scrolling.h"
#include "render/core/ViewGeometry.h"
#include "resource.h"

MainWindow::MainWindow(HINSTANCE moduleInstance, Texture* small, Texture* large, Texture* back)
    : className(texts::kProductTitle),
      wideClassName(WideFromSjis(texts::kProductTitle)),
      map(stage.Map()),
      smallSheet(small),
      largeSheet(large),
      backBuffer(new Texture(map.mapWidth, map.mapHeight)),
      backdrop(back) {
    instance = moduleInstance;
    std::memset(&scrollInfo, 0, sizeof(scrollInfo));
}

MainWindow::~MainWindow() { delete backBuffer; }

namespace {

constexpr DWORD kMainWindowStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
// The outer size the window has always had; with classic frame metrics its client area is
// exactly the 640 x 480 view.
constexpr int kClassicOuterWidth = 648;
constexpr int kClassicOuterHeight = 534;

// The outer size whose client area holds the whole view under the system's frame metrics
// (caption, menu bar, border padding, DPI), never below the classic size.
SIZE OuterSizeForView() {
    RECT outer{0, 0, kViewWidth, kViewHeight};
    AdjustWindowRectEx(&outer, kMainWindowStyle, TRUE, 0);
    return SIZE{std::max<LONG>(kClassicOuterWidth, outer.right - outer.left),
                std::max<LONG>(kClassicOuterHeight, outer.bottom - outer.top)};
}

// What AdjustWindowRectEx cannot know, such as a menu bar that wraps or scroll bars, is
// measured on the real window and added to its size.
void GrowToHoldTheView(HWND window) {
    RECT client, outer;
    if (!GetClientRect(window, &client) || !GetWindowRect(window, &outer)) return;
    const LONG missingX = std::max<LONG>(0, kViewWidth - (client.right - client.left));
    const LONG missingY = std::max<LONG>(0, kViewHeight - (client.bottom - client.top));
    if (missingX == 0 && missingY == 0) return;
    SetWindowPos(window, nullptr, 0, 0, outer.right - outer.left + missingX,
                 outer.bottom - outer.top + missingY, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

bool MainWindow::Initialize() {
    WNDCLASSEXW windowClass;
    std::memset(&windowClass, 0, sizeof(windowClass));
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    windowClass.lpszMenuName = MAKEINTRESOURCEW(IDR_MAINMENU);
    windowClass.lpszClassName = wideClassName.c_str();
    windowClass.hIconSm = static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(IDI_SMALL), IMAGE_ICON,
                   GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
    classRegistered = RegisterClassExW(&windowClass) != 0;
    return classRegistered;
}

bool MainWindow::Create(const char* /*title*/, int32_t x, int32_t y) {
    const SIZE outer = OuterSizeForView();
    handle = CreateWindowExW(0, wideClassName.c_str(), wideClassName.c_str(), kMainWindowStyle,
                             CW_USEDEFAULT, CW_USEDEFAULT, outer.cx, outer.cy, nullptr, nullptr,
                             instance, nullptr);
    if (handle == nullptr) return false;
    // Before the window is measured: the menu bar is complete.
    BuildToolMenu(handle);

    // Both scroll bars show disabled for good: the page is larger than the range.
    // The view scrolls by keys only.
    scrollInfo.cbSize = sizeof(SCROLLINFO);
    scrollInfo.fMask = SIF_RANGE | SIF_PAGE | SIF_DISABLENOSCROLL;
    scrollInfo.nMin = 1;
    scrollInfo.nMax = 1;
    scrollInfo.nPage = 2;
    SetScrollInfo(handle, SB_HORZ, &scrollInfo, TRUE);
    SetScrollInfo(handle, SB_VERT, &scrollInfo, TRUE);
    GrowToHoldTheView(handle);

    MoveTo(x, y);
    ShowWindow(handle, SW_SHOWNORMAL);
    UpdateWindow(handle);
    return true;
}

void MainWindow::MoveTo(int32_t x, int32_t y) {
    SetWindowPos(handle, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
}

void MainWindow::ClearMap() { stage.ClearMap(); }

bool MainWindow::ResizeMap(int32_t newWidth, int32_t newHeight) {
    const bool resized = stage.ResizeMap(newWidth, newHeight);
    if (editor != nullptr) editor->tools.KeepInMap(CellCounts());
    NoteChanges(kRedrawView);
    return resized;
}

void MainWindow::ChangeSettings(const StageSettings& settings) { stage.ChangeSettings(settings); }

void MainWindow::KeepViewInMap() {
    const MapCellCounts counts = CellCounts();
    const ViewZoom zoom = editor != nullptr ? editor->zoom : kFullZoom;
    SetViewOffsets(ScrollKeptInMap(scrollX, counts.cellsX, zoom.Columns()),
                   ScrollKeptInMap(scrollY, counts.cellsY, zoom.Rows()));
    if (editor != nullptr) editor->tools.KeepInMap(counts);
}

void MainWindow::Undo() {
    if (stage.Undo()) KeepViewInMap();
}

void MainWindow::Redo() {
    if (stage.Redo()) KeepViewInMap();
}
