# The native command-line map tool and its tests (included by Native.cmake). The tool is a
# small library of commands plus a main, so the tests call the commands in-process.
include(${PROJECT_SOURCE_DIR}/cmake/ToolSources.cmake)
if(NOT PICORAN_MAP_BUILDABLE)
  return()
endif()

add_executable(picoran-map ${PICORAN_MAP_DIR}/main.cpp)
target_link_libraries(picoran-map PRIVATE picoran_map)
add_dependencies(picoran-map picoran_map_pictures)

file(GLOB TOOL_TEST_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/tools/*.cpp)
if(TOOL_TEST_SOURCES)
  add_executable(tool_tests ${TOOL_TEST_SOURCES})
  target_link_libraries(tool_tests PRIVATE picoran_map GTest::gtest GTest::gtest_main)
  target_include_directories(tool_tests SYSTEM PRIVATE ${PICORAN_STB_INCLUDE_DIR})  # stb_image decodes the PNGs
  target_compile_definitions(tool_tests PRIVATE
    PICORAN_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    PICORAN_MAP_EXE="$<TARGET_FILE:picoran-map>")
  add_dependencies(tool_tests picoran-map)
  add_test(NAME tool_tests COMMAND tool_tests --gtest_brief=1)  # one process, as core_tests
endif()

# `cmake --install` puts the tool on the PATH (bin/ under CMAKE_INSTALL_PREFIX, /usr/local by
# default), for the git diff driver and scripts. Users install an optimised build (README);
# the sanitizer build of the tests is many times slower.
install(TARGETS picoran-map RUNTIME DESTINATION bin)
