// Times left clicks as the window procedures handle them: 200 on the map view and 200 in the
// small palette, with the overview shown on a 60 x 60 map, so that every display a click
// brings up to date is drawn. Each 200 are timed five times over; the fastest round says
// most of the program, the others also of what else the machine did meanwhile. Run under
// Wine by scripts/bench-clicks.sh; prints one line per target with the mean time of a click
// in the fastest and in the median round.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "Application.h"
#include "Commands.h"
#include "Globals.h"
#include "MainWindow.h"
#include "PaletteWindow.h"
#include "resource.h"

namespace {

constexpr int kClicks = 200;
constexpr int kRounds = 5;

void Pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchProgramMessage(message);
}

// The cursor goes where the click is, as it would for a designer, then the messages arrive.
void Click(HWND window, int x, int y) {
    POINT screen{x, y};
    ClientToScreen(window, &screen);
    SetCursorPos(screen.x, screen.y);
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

template <typename PointAt>
double MicrosecondsPerClickOnce(HWND window, PointAt pointAt) {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    for (int i = 0; i < kClicks; ++i) {
        const POINT p = pointAt(i);
        Click(window, p.x, p.y);
    }
    QueryPerformanceCounter(&end);
    Pump();
    return 1e6 * static_cast<double>(end.QuadPart - start.QuadPart) / frequency.QuadPart / kClicks;
}

struct Timing {
    double fastest, median;
};

template <typename PointAt>
Timing MicrosecondsPerClick(HWND window, PointAt pointAt) {
    std::vector<double> rounds;
    for (int round = 0; round < kRounds; ++round) rounds.push_back(MicrosecondsPerClickOnce(window, pointAt));
    std::sort(rounds.begin(), rounds.end());
    return Timing{rounds.front(), rounds[kRounds / 2]};
}

}  // namespace

int main() {
    // A profile of its own, so that nothing the run keeps reaches a designer's.
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring profile = std::wstring(temp) + L"picoran-click-bench";
    CreateDirectoryW(profile.c_str(), nullptr);
    SetEnvironmentVariableW(L"LOCALAPPDATA", profile.c_str());
    if (!StartUp()) {
        std::puts("the editor did not start");
        Teardown();
        return 1;
    }
    mainWindow->stage.ResizeMap(2400, 2400);
    DispatchCommand(ID_EDIT_OVERVIEW);
    Pump();
    // Cells all over the view, so that most clicks change a cell.
    const Timing map = MicrosecondsPerClick(mainWindow->handle, [](int i) {
        return POINT{(i * 7 % 16) * 40 + 20, (i * 5 % 12) * 40 + 20};
    });
    const Timing palette = MicrosecondsPerClick(smallPalette->handle, [](int i) {
        return POINT{(i % 12) * 20 + 10, (i / 12 % 12) * 20 + 10};
    });
    std::printf("map view: %d clicks, %.0f us a click (median of %d rounds %.0f us)\n", kClicks,
                map.fastest, kRounds, map.median);
    std::printf("small palette: %d clicks, %.0f us a click (median of %d rounds %.0f us)\n", kClicks,
                palette.fastest, kRounds, palette.median);
    std::fflush(stdout);
    Teardown();
    return 0;
}
