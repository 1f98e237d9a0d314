# nlohmann/json, headers only (Debian: nlohmann-json3-dev): the core reads the JSON forms of a
# map (the map tool's import) and of a block of cells (the editor's clipboard) with it. Its
# headers include each other as <nlohmann/...>, so the build links their folder into an
# include folder of its own and puts only that on the path: all of /usr/include would give the
# MinGW build the Linux C headers. Searched outside the cross build's root, which holds only
# MinGW's own headers. Sets PICORAN_JSON_INCLUDE_DIR.
find_path(PICORAN_JSON_INCLUDE_PARENT nlohmann/json.hpp HINTS /usr/include NO_CMAKE_FIND_ROOT_PATH
  DOC "Folder holding nlohmann/json.hpp")
if(NOT PICORAN_JSON_INCLUDE_PARENT)
  message(FATAL_ERROR "nlohmann/json.hpp not found (Debian: nlohmann-json3-dev; scripts/setup.sh installs it)")
endif()
set(PICORAN_JSON_INCLUDE_DIR ${CMAKE_BINARY_DIR}/json-include)
file(MAKE_DIRECTORY ${PICORAN_JSON_INCLUDE_DIR})
file(CREATE_LINK ${PICORAN_JSON_INCLUDE_PARENT}/nlohmann ${PICORAN_JSON_INCLUDE_DIR}/nlohmann SYMBOLIC)
