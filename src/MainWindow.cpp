#include "MainWindow.h"

#include <cstring>

#include "core/Texts.h"
#include "resource.h"

MainWindow::MainWindow(HINSTANCE moduleInstance, Texture* small, Texture* large, Texture* back)
    : className(texts::kProductTitle),
      smallSheet(small),
      largeSheet(large),
      backBuffer(new Texture(map.mapWidth, map.mapHeight)),
      backdrop(back) {
    instance = moduleInstance;
    std::memset(&scrollInfo, 0, sizeof(scrollInfo));
}

MainWindow::~MainWindow() { delete backBuffer; }

bool MainWindow::Initialize() {
    WNDCLASSEXA windowClass;
    std::memset(&windowClass, 0, sizeof(windowClass));
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    windowClass.lpszMenuName = MAKEINTRESOURCEA(IDR_MAINMENU);
    windowClass.lpszClassName = className;
    windowClass.hIconSm = static_cast<HICON>(
        LoadImageA(instance, MAKEINTRESOURCEA(IDI_SMALL), IMAGE_ICON,
                   GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
    classRegistered = RegisterClassExA(&windowClass) != 0;
    return classRegistered;
}

bool MainWindow::Create(const char* /*title*/, int32_t x, int32_t y) {
    handle = CreateWindowExA(0, className, className, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                             CW_USEDEFAULT, CW_USEDEFAULT, map.mapWidth + 8, map.mapHeight + 54,
                             nullptr, nullptr, instance, nullptr);
    if (handle == nullptr) return false;

    // Both scroll bars show disabled for good: the page is larger than the range.
    // The view scrolls by keys only.
    scrollInfo.cbSize = sizeof(SCROLLINFO);
    scrollInfo.fMask = SIF_RANGE | SIF_PAGE | SIF_DISABLENOSCROLL;
    scrollInfo.nMin = 1;
    scrollInfo.nMax = 1;
    scrollInfo.nPage = 2;
    SetScrollInfo(handle, SB_HORZ, &scrollInfo, TRUE);
    SetScrollInfo(handle, SB_VERT, &scrollInfo, TRUE);

    MoveTo(x, y);
    ShowWindow(handle, SW_SHOWNORMAL);
    UpdateWindow(handle);
    return true;
}

void MainWindow::MoveTo(int32_t x, int32_t y) {
    SetWindowPos(handle, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
}

bool MainWindow::ResizeMap(int32_t newWidth, int32_t newHeight) {
    const bool resized = map.ResizeMap(newWidth, newHeight);
    Paint();
    return resized;
}
