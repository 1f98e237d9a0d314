// The real program: closing its main window ends the process with exit code 0.
#include <windows.h>

#include <gtest/gtest.h>

#include "EditorProcess.h"
#include "TestFiles.h"

TEST(ProcessExit, ClosingTheMainWindowEndsTheProgramWithCodeZero) {
    ProfileFolder profile;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(StartEditor({}, process));
    HWND window = WaitForMainWindow(process.dwProcessId);
    ASSERT_NE(window, nullptr) << "the editor's main window never appeared";
    EXPECT_EQ(CloseEditor(window, process), 0u);
}
