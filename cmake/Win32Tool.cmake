# The command-line map tool for Windows (included by Win32.cmake): the native tool's sources
# (ToolSources.cmake), which take the Windows half of the file functions through the core,
# and its tests under Wine.
include(${PROJECT_SOURCE_DIR}/cmake/ToolSources.cmake)
if(NOT PICORAN_MAP_BUILDABLE)
  return()
endif()
target_compile_definitions(picoran_map PUBLIC WIN32_LEAN_AND_MEAN NOMINMAX)

# No WIN32: a console program. wmain (-municode) takes the arguments in UTF-16, so that any
# file name reaches the commands, as UTF-8.
add_executable(picoran-map ${PICORAN_MAP_DIR}/main.cpp)
target_link_libraries(picoran-map PRIVATE picoran_map)
target_link_options(picoran-map PRIVATE ${PICORAN_STATIC_LINK} -municode)
add_dependencies(picoran-map picoran_map_pictures)

# A Windows-side test holds the editor's overview against this program's render --scale,
# reading its PNG with the tool tests' decoder.
target_sources(win32_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests/tools/PngTestSupport.cpp)
target_include_directories(win32_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests/tools)
target_include_directories(win32_tests SYSTEM PRIVATE ${PICORAN_STB_INCLUDE_DIR})
target_compile_definitions(win32_tests PRIVATE PICORAN_HAS_MAP_TOOL=1)
add_dependencies(win32_tests picoran-map)

# picoran-map.exe under Wine against the outputs the native tool's tests hold it to
# (tests/tools/expected): the same bytes from both builds.
set(TOOL_WIN_WORK ${CMAKE_CURRENT_BINARY_DIR}/tool-win)
function(add_tool_win_test name)
  add_test(NAME tool-win.${name}
    COMMAND ${CMAKE_COMMAND}
      -DSCENARIO=${name}
      -DEMULATOR=${CMAKE_CROSSCOMPILING_EMULATOR}
      -DTOOL=$<TARGET_FILE:picoran-map>
      -DSOURCE_DIR=${PROJECT_SOURCE_DIR}
      -DWORK_DIR=${TOOL_WIN_WORK}/${name}
      -P ${PROJECT_SOURCE_DIR}/tests/tools/windows/RunScenario.cmake)
  set_tests_properties(tool-win.${name} PROPERTIES LABELS tool-win TIMEOUT 120)
endfunction()
foreach(scenario check-accepted check-refused dump-chips dump-comment convert render)
  add_tool_win_test(${scenario})
endforeach()
