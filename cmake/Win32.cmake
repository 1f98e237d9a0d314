# Windows build: the Win32 shell, the editor executable and the Windows-side tests.
enable_language(RC)
enable_testing()

set(SHELL_SOURCES
  src/Globals.cpp
  src/Window.cpp
  src/MainWindow.cpp
  src/MainWindowProc.cpp
  src/Application.cpp
  src/MapCommands.cpp
  src/Editor.cpp
  src/Display.cpp
  src/UnsavedChanges.cpp
  src/WideText.cpp
  src/ErrorBox.cpp
  src/CommandLine.cpp
  src/ProgramFolder.cpp
  src/LocalClock.cpp
  src/render/Texture.cpp
  src/render/DrawLine.cpp
  src/render/MainWindowPaint.cpp
)
set(SHELL_MAP_SOURCES
  src/map/MainWindowEditing.cpp
  src/map/MainWindowFiles.cpp
  src/map/FileDialog.cpp
  src/map/OpenCommands.cpp
  src/map/SaveCommands.cpp
  src/map/CurrentFile.cpp
  src/map/StartFolder.cpp
  src/map/MapOpening.cpp
  src/map/DroppedMaps.cpp
  src/map/RecentMaps.cpp
  src/map/RecentMapsFile.cpp
  src/map/RecoverySession.cpp
  src/map/RecoveryCopies.cpp
  src/map/SavedVersions.cpp
)
set(SHELL_PALETTE_SOURCES
  src/PaletteWindow.cpp
  src/PaletteProcs.cpp
)
set(SHELL_DIALOG_SOURCES
  src/dialogs/DialogControls.cpp
  src/dialogs/SettingsDialog.cpp
  src/dialogs/ResizeWindow.cpp
  src/dialogs/CursorWindow.cpp
  src/dialogs/MessageWindow.cpp
  src/dialogs/ConfigWindow.cpp
  src/dialogs/SettingsDialogs.cpp
  src/dialogs/SettingsDialogProcs.cpp
  src/dialogs/DialogValues.cpp
  src/dialogs/DialogKeys.cpp
  src/dialogs/CommentBox.cpp
)
set(SHELL_COMMAND_SOURCES
  src/HandleKey.cpp
)
# The map view's tools: the pen, the rectangle, the bucket fill and the selection with its
# clipboard.
set(SHELL_TOOL_SOURCES
  src/map/MapTools.cpp
  src/map/ToolMenu.cpp
  src/map/SelectionCommands.cpp
  src/map/BlockClipboard.cpp
  src/map/ReplaceWindow.cpp
  src/map/ConflictCommands.cpp
  src/ToolCursors.cpp
)
# The overview, the wheel and the layers shown.
set(SHELL_OVERVIEW_SOURCES
  src/OverviewWindow.cpp
  src/OverviewProc.cpp
  src/ViewCommands.cpp
)
set(SHELL_TERRAIN_SOURCES
  src/TerrainWindow.cpp
  src/TerrainProc.cpp
  src/LayersWindow.cpp
  src/LayersProc.cpp
  src/map/TerrainLoading.cpp
  src/map/ChipsInHand.cpp
)
# The stage browser and its watch of a folder.
set(SHELL_BROWSER_SOURCES
  src/browser/StageListWindow.cpp
  src/browser/StageListProc.cpp
  src/browser/FolderWatch.cpp
)
# Where the small windows first appear, and the layout kept between runs.
set(SHELL_LAYOUT_SOURCES
  src/WindowSpots.cpp
  src/WindowLayout.cpp
)
add_library(shell STATIC ${SHELL_SOURCES} ${SHELL_MAP_SOURCES} ${SHELL_PALETTE_SOURCES}
  ${SHELL_DIALOG_SOURCES} ${SHELL_COMMAND_SOURCES} ${SHELL_OVERVIEW_SOURCES} ${SHELL_TOOL_SOURCES}
  ${SHELL_TERRAIN_SOURCES} ${SHELL_LAYOUT_SOURCES} ${SHELL_BROWSER_SOURCES})
target_include_directories(shell PUBLIC src res)
target_link_libraries(shell PUBLIC core gdi32 comdlg32 comctl32 user32 shell32 ole32 uuid)
target_compile_options(shell PRIVATE -Wall -Wextra)
target_compile_definitions(shell PUBLIC WIN32_LEAN_AND_MEAN NOMINMAX)
# <windows.h> (and GoogleTest's header in the tests) is most of what each file compiles: it is
# compiled once per target.
target_precompile_headers(shell PRIVATE <windows.h> <string> <vector>)

set(PICORAN_STATIC_LINK -static -static-libgcc -static-libstdc++)
set(EDITOR_RESOURCES ${PROJECT_SOURCE_DIR}/res/editor.rc)
# The tools' pointers: a new tool's picture is found without a change here.
file(GLOB EDITOR_CURSORS CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/res/cursor_*.cur)
set_source_files_properties(${EDITOR_RESOURCES} PROPERTIES
  OBJECT_DEPENDS "${PROJECT_SOURCE_DIR}/res/resource.h;${PROJECT_SOURCE_DIR}/res/small_sheet.bmp;${PROJECT_SOURCE_DIR}/res/large_sheet.bmp;${PROJECT_SOURCE_DIR}/res/backdrop.bmp;${PROJECT_SOURCE_DIR}/res/editor.ico;${PROJECT_SOURCE_DIR}/res/editor.manifest;${EDITOR_CURSORS}")

add_executable(editor WIN32 src/main.cpp ${EDITOR_RESOURCES})
target_link_libraries(editor PRIVATE shell)
target_link_options(editor PRIVATE ${PICORAN_STATIC_LINK})
set_target_properties(editor PROPERTIES OUTPUT_NAME picoran-editor)

# The chip files travel beside the program.
add_custom_command(TARGET editor POST_BUILD
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${PROJECT_SOURCE_DIR}/data $<TARGET_FILE_DIR:editor>/data)

# Windows-side tests: GoogleTest cross-compiled, run through Wine by CTest.
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

file(GLOB WIN32_TEST_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/win32/*.cpp)
add_executable(win32_tests ${WIN32_TEST_SOURCES} ${EDITOR_RESOURCES})
target_link_libraries(win32_tests PRIVATE shell gtest gtest_main version)
target_precompile_headers(win32_tests PRIVATE <windows.h> <gtest/gtest.h> <string> <vector>)
target_link_options(win32_tests PRIVATE ${PICORAN_STATIC_LINK})
add_dependencies(win32_tests editor)  # one test starts the real program
# One test reads the pictures from the source folder, as the map tool does.
target_compile_definitions(win32_tests PRIVATE PICORAN_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
add_custom_command(TARGET win32_tests POST_BUILD
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${PROJECT_SOURCE_DIR}/data $<TARGET_FILE_DIR:win32_tests>/data)
# Each test process runs in a Wine desktop of its own with the null display driver
# (tests/win32/desktop/run-in-desktop.sh says why); exit-status.exe carries its exit code
# out of the desktop.
add_executable(exit_status ${PROJECT_SOURCE_DIR}/tests/win32/desktop/exit_status.cpp)
set_target_properties(exit_status PROPERTIES OUTPUT_NAME exit-status)
target_compile_options(exit_status PRIVATE -municode -Wall -Wextra)
target_link_options(exit_status PRIVATE -municode ${PICORAN_STATIC_LINK})
add_dependencies(win32_tests exit_status)
set_target_properties(win32_tests PROPERTIES CROSSCOMPILING_EMULATOR
  "bash;${PROJECT_SOURCE_DIR}/tests/win32/desktop/run-in-desktop.sh;$<TARGET_FILE:exit_status>")
# The tests that put things on the clipboard share it with every Wine desktop of the prefix, so
# they run in one process of their own, never beside each other.
set(WIN32_CLIPBOARD_TESTS "ClipboardTest.*:CommentBoxTest.PastingKeepsWhatFitsOfThePastedText")
# One test process per suite (win32.SUITE): starting Wine, a desktop and the program costs far
# more than most tests, and a process for each of over a hundred tests kept both cores busy
# with start-ups. A suite's tests run one after the other in its process and desktop; each
# still makes the editor's windows afresh and has a profile folder of its own. The suites are
# listed through the same launcher when CTest starts, as gtest_discover_tests lists tests.
set(WIN32_SUITES_INCLUDE ${CMAKE_BINARY_DIR}/win32_suites_include.cmake)
file(GENERATE OUTPUT ${WIN32_SUITES_INCLUDE} CONTENT "
set(SUITES_CMAKE [==[${CMAKE_COMMAND}]==])
set(SUITES_LAUNCHER [==[bash;${PROJECT_SOURCE_DIR}/tests/win32/desktop/run-in-desktop.sh;$<TARGET_FILE:exit_status>]==])
set(SUITES_PROGRAM [==[$<TARGET_FILE:win32_tests>]==])
set(SUITES_EXCLUDED [==[ForeignSystem.*:${WIN32_CLIPBOARD_TESTS}]==])
set(SUITES_PREFIX win32)
set(SUITES_LABEL win32)
include([==[${PROJECT_SOURCE_DIR}/cmake/GTestSuites.cmake]==])
")
set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${WIN32_SUITES_INCLUDE})
add_test(NAME clipboard.ClipboardTests
  COMMAND bash ${PROJECT_SOURCE_DIR}/tests/win32/desktop/run-in-desktop.sh
          $<TARGET_FILE:exit_status> $<TARGET_FILE:win32_tests> --gtest_filter=${WIN32_CLIPBOARD_TESTS})
set_tests_properties(clipboard.ClipboardTests PROPERTIES TIMEOUT 300 LABELS win32)
# The ForeignSystem suite: the same program on a Windows that is not Japanese (another code
# page) with taller window frames, in a prefix of its own that scripts/env.sh prepares.
set(PICORAN_FOREIGN_WINEPREFIX "${CMAKE_BINARY_DIR}/../wineprefix-foreign" CACHE PATH
  "Wine prefix of the tests on a foreign system")
# One process runs the whole suite: it is small, and one desktop is cheaper than five.
add_test(NAME foreign.ForeignSystem
  COMMAND bash ${PROJECT_SOURCE_DIR}/tests/win32/desktop/run-in-desktop.sh
          $<TARGET_FILE:exit_status> $<TARGET_FILE:win32_tests> --gtest_filter=ForeignSystem.*)
set_tests_properties(foreign.ForeignSystem PROPERTIES TIMEOUT 300 LABELS win32-foreign
  ENVIRONMENT "WINEPREFIX=${PICORAN_FOREIGN_WINEPREFIX};LANG=C.UTF-8;LC_ALL=C.UTF-8")

# The time a left click takes in the map view and in a palette (scripts/bench-clicks.sh).
add_executable(click_bench bench/win32/ClickBench.cpp ${EDITOR_RESOURCES})
target_link_libraries(click_bench PRIVATE shell)
target_link_options(click_bench PRIVATE ${PICORAN_STATIC_LINK})
set_target_properties(click_bench PROPERTIES OUTPUT_NAME picoran-click-bench EXCLUDE_FROM_ALL ON)

# The command-line map tool as picoran-map.exe, and its tests under Wine.
include(${PROJECT_SOURCE_DIR}/cmake/Win32Tool.cmake)

if(EXISTS ${PROJECT_SOURCE_DIR}/tests/e2e/CMakeLists.txt)
  add_subdirectory(${PROJECT_SOURCE_DIR}/tests/e2e ${CMAKE_BINARY_DIR}/e2e)
endif()

# ---------------------------------------------------------------- Windows package
# windows-zip: picoran-editor-<version>-win64.zip with the program, its data folder and
# the read-me files, ready to unpack anywhere. The version is the one in the program's
# version resource. The read-me files get Windows line ends for Notepad.
file(STRINGS ${PROJECT_SOURCE_DIR}/res/editor.rc PICORAN_VERSION_LINE REGEX "VALUE \"ProductVersion\"")
string(REGEX MATCH "[0-9]+\\.[0-9]+\\.[0-9]+" PICORAN_VERSION "${PICORAN_VERSION_LINE}")
if(NOT PICORAN_VERSION)
  message(FATAL_ERROR "res/editor.rc: no ProductVersion of the form 1.2.3")
endif()
set(PICORAN_PACKAGE_NAME picoran-editor-${PICORAN_VERSION}-win64)
set(PICORAN_PACKAGE_STAGE ${CMAKE_BINARY_DIR}/package)
set(PICORAN_PACKAGE_ZIP ${CMAKE_BINARY_DIR}/${PICORAN_PACKAGE_NAME}.zip)
foreach(readme README-ja.txt README-en.txt)
  configure_file(${PROJECT_SOURCE_DIR}/docs/${readme} ${CMAKE_BINARY_DIR}/package-docs/${readme}
    @ONLY NEWLINE_STYLE CRLF)
endforeach()
add_custom_target(windows-zip
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${PICORAN_PACKAGE_STAGE} ${PICORAN_PACKAGE_ZIP}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PICORAN_PACKAGE_STAGE}
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:editor> ${PICORAN_PACKAGE_STAGE}/
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${PROJECT_SOURCE_DIR}/data ${PICORAN_PACKAGE_STAGE}/data
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_BINARY_DIR}/package-docs ${PICORAN_PACKAGE_STAGE}/docs
  COMMAND ${CMAKE_COMMAND} -E chdir ${PICORAN_PACKAGE_STAGE}
          ${CMAKE_COMMAND} -E tar cf ${PICORAN_PACKAGE_ZIP} --format=zip
          $<TARGET_FILE_NAME:editor> data docs
  DEPENDS editor
  BYPRODUCTS ${PICORAN_PACKAGE_ZIP}
  COMMENT "Packing ${PICORAN_PACKAGE_NAME}.zip"
  VERBATIM)

# The package as a user receives it: its files, the program's DLLs, the read-me texts.
add_test(NAME package.build
  COMMAND ${CMAKE_COMMAND} --build ${CMAKE_BINARY_DIR} --target windows-zip)
add_test(NAME package.contents
  COMMAND python3 ${PROJECT_SOURCE_DIR}/tests/e2e/package_check.py ${PICORAN_PACKAGE_ZIP}
          $<TARGET_FILE:editor> ${CMAKE_OBJDUMP} ${PICORAN_VERSION})
set_tests_properties(package.build PROPERTIES FIXTURES_SETUP windows_zip LABELS package)
set_tests_properties(package.contents PROPERTIES FIXTURES_REQUIRED windows_zip LABELS package)
