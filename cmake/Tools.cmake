# The native command-line map tool and its tests (included by Native.cmake). The tool is a
# small library of commands plus a main, so the tests call the commands in-process.
find_package(PNG)
if(NOT PNG_FOUND)
  message(WARNING "libpng not found (Debian: libpng-dev): picoran-map and its tests are skipped")
  return()
endif()

set(PICORAN_MAP_DIR ${PROJECT_SOURCE_DIR}/tools/picoran-map)
add_library(picoran_map STATIC
  ${PICORAN_MAP_DIR}/BinaryExtras.cpp
  ${PICORAN_MAP_DIR}/CheckCommand.cpp
  ${PICORAN_MAP_DIR}/CommandLine.cpp
  ${PICORAN_MAP_DIR}/CommentText.cpp
  ${PICORAN_MAP_DIR}/ConvertCommand.cpp
  ${PICORAN_MAP_DIR}/DiffCommand.cpp
  ${PICORAN_MAP_DIR}/DumpCommand.cpp
  ${PICORAN_MAP_DIR}/EditorPalettes.cpp
  ${PICORAN_MAP_DIR}/FileBytes.cpp
  ${PICORAN_MAP_DIR}/InfoCommand.cpp
  ${PICORAN_MAP_DIR}/MapLoading.cpp
  ${PICORAN_MAP_DIR}/MapPictures.cpp
  ${PICORAN_MAP_DIR}/MapRaster.cpp
  ${PICORAN_MAP_DIR}/MapText.cpp
  ${PICORAN_MAP_DIR}/MapWarnings.cpp
  ${PICORAN_MAP_DIR}/PngEncode.cpp
  ${PICORAN_MAP_DIR}/RenderCommand.cpp
  ${PICORAN_MAP_DIR}/TextMapNumbers.cpp
  ${PICORAN_MAP_DIR}/ToolMain.cpp
)
target_include_directories(picoran_map PUBLIC ${PICORAN_MAP_DIR})
target_link_libraries(picoran_map PUBLIC core PNG::PNG)
# render's pictures without --sheets: the res/ folder of the source tree it was built from.
target_compile_definitions(picoran_map PRIVATE
  PICORAN_MAP_SHEETS_DIR="${PROJECT_SOURCE_DIR}/res")
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  target_compile_options(picoran_map PRIVATE -Wall -Wextra)
endif()

add_executable(picoran-map ${PICORAN_MAP_DIR}/main.cpp)
target_link_libraries(picoran-map PRIVATE picoran_map)

file(GLOB TOOL_TEST_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/tools/*.cpp)
if(TOOL_TEST_SOURCES)
  add_executable(tool_tests ${TOOL_TEST_SOURCES})
  target_link_libraries(tool_tests PRIVATE picoran_map GTest::gtest GTest::gtest_main)
  target_compile_definitions(tool_tests PRIVATE
    PICORAN_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    PICORAN_MAP_EXE="$<TARGET_FILE:picoran-map>")
  add_dependencies(tool_tests picoran-map)
  gtest_discover_tests(tool_tests DISCOVERY_TIMEOUT 60)
endif()
