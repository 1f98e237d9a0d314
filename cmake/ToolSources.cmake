# The command-line map tool's library of commands, made from one list of sources for the
# native build (Tools.cmake) and the Windows build (Win32Tool.cmake), so both tools are the
# same code. Sets PICORAN_MAP_BUILDABLE; without stb_image_write nothing is made.
set(PICORAN_MAP_DIR ${PROJECT_SOURCE_DIR}/tools/picoran-map)
set(PICORAN_MAP_SOURCES
  ${PICORAN_MAP_DIR}/AutotileCommand.cpp
  ${PICORAN_MAP_DIR}/CheckCommand.cpp
  ${PICORAN_MAP_DIR}/CommandLine.cpp
  ${PICORAN_MAP_DIR}/CommentEncoding.cpp
  ${PICORAN_MAP_DIR}/CommentText.cpp
  ${PICORAN_MAP_DIR}/ConvertCommand.cpp
  ${PICORAN_MAP_DIR}/Cp932Codec.cpp
  ${PICORAN_MAP_DIR}/DiffCommand.cpp
  ${PICORAN_MAP_DIR}/DumpCommand.cpp
  ${PICORAN_MAP_DIR}/EditorPalettes.cpp
  ${PICORAN_MAP_DIR}/ExportCommand.cpp
  ${PICORAN_MAP_DIR}/ImportCommand.cpp
  ${PICORAN_MAP_DIR}/InfoCommand.cpp
  ${PICORAN_MAP_DIR}/MapJsonReader.cpp
  ${PICORAN_MAP_DIR}/MapJsonWriter.cpp
  ${PICORAN_MAP_DIR}/MapDataOutput.cpp
  ${PICORAN_MAP_DIR}/MapLoading.cpp
  ${PICORAN_MAP_DIR}/MapPictures.cpp
  ${PICORAN_MAP_DIR}/MapRaster.cpp
  ${PICORAN_MAP_DIR}/MapText.cpp
  ${PICORAN_MAP_DIR}/MapWarnings.cpp
  ${PICORAN_MAP_DIR}/PngEncode.cpp
  ${PICORAN_MAP_DIR}/RenderCommand.cpp
  ${PICORAN_MAP_DIR}/ScaledRaster.cpp
  ${PICORAN_MAP_DIR}/SheetsFolder.cpp
  ${PICORAN_MAP_DIR}/TerrainFileLoading.cpp
  ${PICORAN_MAP_DIR}/TerrainsCommand.cpp
  ${PICORAN_MAP_DIR}/ToolMain.cpp
  ${PICORAN_MAP_DIR}/VersionsCommand.cpp
)
# replace, stats and merge.
list(APPEND PICORAN_MAP_SOURCES
  ${PICORAN_MAP_DIR}/ChipCodes.cpp
  ${PICORAN_MAP_DIR}/MergeCommand.cpp
  ${PICORAN_MAP_DIR}/ReplaceCommand.cpp
  ${PICORAN_MAP_DIR}/StatsCommand.cpp
)

# The PNG encoder, stb_image_write, is a header (Debian: libstb-dev). Only its own folder is
# searched: all of /usr/include would give the MinGW build the Linux C headers.
set(PICORAN_STB_INCLUDE_DIR /usr/include/stb CACHE PATH "Folder holding stb_image_write.h and stb_image.h")
if(NOT EXISTS ${PICORAN_STB_INCLUDE_DIR}/stb_image_write.h)
  message(WARNING "stb_image_write.h not found in ${PICORAN_STB_INCLUDE_DIR} (Debian: libstb-dev): picoran-map and its tests are skipped")
  set(PICORAN_MAP_BUILDABLE OFF)
  return()
endif()

set(PICORAN_MAP_BUILDABLE ON)

add_library(picoran_map STATIC ${PICORAN_MAP_SOURCES})
target_include_directories(picoran_map PUBLIC ${PICORAN_MAP_DIR})
target_include_directories(picoran_map SYSTEM PRIVATE ${PICORAN_STB_INCLUDE_DIR})
target_link_libraries(picoran_map PUBLIC core)
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  target_compile_options(picoran_map PRIVATE -Wall -Wextra)
endif()

# render's pictures travel in res/ beside the program, where it looks for them: the tool names
# no folder of the machine it was built on. The native tests run in the same folder.
set(PICORAN_MAP_PICTURES small_sheet.bmp large_sheet.bmp backdrop.bmp)
set(PICORAN_MAP_PICTURE_COPIES)
foreach(picture ${PICORAN_MAP_PICTURES})
  add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/res/${picture}
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/res/${picture} ${CMAKE_CURRENT_BINARY_DIR}/res/${picture}
    DEPENDS ${PROJECT_SOURCE_DIR}/res/${picture})
  list(APPEND PICORAN_MAP_PICTURE_COPIES ${CMAKE_CURRENT_BINARY_DIR}/res/${picture})
endforeach()
add_custom_target(picoran_map_pictures ALL DEPENDS ${PICORAN_MAP_PICTURE_COPIES})
