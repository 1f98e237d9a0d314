// The palettes' and the small windows' places and whether each is shown, kept in the program's
// folder from one run to the next.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "EditorFixture.h"
#include "LayersWindow.h"
#include "OverviewWindow.h"
#include "PaletteWindow.h"
#include "TerrainWindow.h"
#include "TestFiles.h"

namespace {

std::pair<LONG, LONG> TopLeft(const Window* window) {
    RECT rect{};
    GetWindowRect(window->handle, &rect);
    return {rect.left, rect.top};
}

class WindowLayoutTest : public EditorTest {};

}  // namespace

// Moved, hidden and shown, then the program ends and starts again in the same profile folder;
// then once more with places that lie on no screen now, as when a monitor is unplugged: the
// overview, shown, is back at its first place, and so is the small palette.
TEST_F(WindowLayoutTest, WindowsStandAsTheyWereLeftUnlessOffEveryScreen) {
    const std::string layout = profile.ProgramFolder() + "\\layout.txt";
    PressKey(VK_F6);
    const std::pair<LONG, LONG> first = TopLeft(editor->overview);
    SetWindowPos(smallPalette->handle, nullptr, 20, 400, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SendMessageA(smallPalette->handle, WM_EXITSIZEMOVE, 0, 0);  // the end of the designer's drag
    EXPECT_NE(FileBytes(layout).find("\r\nsmall-palette 20 400 1\r\n"), std::string::npos);
    SetWindowPos(editor->overview->handle, nullptr, 300, 500, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SendMessageA(largePalette->handle, WM_CLOSE, 0, 0);
    PressKey(VK_F7);
    SetWindowPos(editor->terrainWindow->handle, nullptr, 400, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SendMessageA(editor->terrainWindow->handle, WM_CLOSE, 0, 0);
    PressKey(VK_F5);
    SetWindowPos(editor->layersWindow->handle, nullptr, 500, 600, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    Teardown();
    ASSERT_TRUE(StartUp());
    EXPECT_EQ(TopLeft(editor->layersWindow), std::make_pair(500L, 600L));
    EXPECT_TRUE(Visible(editor->layersWindow));
    EXPECT_EQ(TopLeft(smallPalette), std::make_pair(20L, 400L));
    EXPECT_EQ(TopLeft(editor->overview), std::make_pair(300L, 500L));
    EXPECT_TRUE(Visible(smallPalette) && Visible(editor->overview) && !Visible(largePalette) &&
                !Visible(editor->terrainWindow));
    PressKey(VK_F7);
    EXPECT_EQ(TopLeft(editor->terrainWindow), std::make_pair(400L, 300L));

    Teardown();
    WriteBytes(layout, "picoran-editor layout 1\r\nsmall-palette 20 5000 1\r\noverview -3000 100 1\r\n");
    ASSERT_TRUE(StartUp());
    EXPECT_EQ(TopLeft(smallPalette), std::make_pair(780L, 100L));
    EXPECT_EQ(TopLeft(editor->overview), first);  // shown: hidden, it would not be placed at all
}
