# libFuzzer targets for the map file readers, the recovery copy's reader and the clipboard's
# block reader (-DPICORAN_FUZZ=ON with clang). Each target compiles the core sources it needs
# itself, so that they carry the fuzzer's coverage instrumentation; the core library is left
# as it is.
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(STATUS "PICORAN_FUZZ: libFuzzer needs clang, the compiler is "
                 "${CMAKE_CXX_COMPILER_ID}; fuzz targets skipped "
                 "(scripts/run-fuzzers.sh configures a clang build)")
  return()
endif()

set(FUZZ_CORE_SOURCES
  ${PROJECT_SOURCE_DIR}/src/core/DecimalText.cpp
  ${PROJECT_SOURCE_DIR}/src/map/core/MapReadError.cpp
  ${PROJECT_SOURCE_DIR}/src/map/core/MapFileReader.cpp
  ${PROJECT_SOURCE_DIR}/src/map/core/TextMapReader.cpp
  ${PROJECT_SOURCE_DIR}/src/map/core/MapFileWriter.cpp
)
set(FUZZ_FLAGS -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all
               -fno-omit-frame-pointer)

# A fuzz target: fuzz/NAME.cpp with the sources it reads through.
function(picoran_add_fuzzer name)
  add_executable(${name} ${PROJECT_SOURCE_DIR}/fuzz/${name}.cpp ${ARGN})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/fuzz)
  target_compile_options(${name} PRIVATE ${FUZZ_FLAGS})
  target_link_options(${name} PRIVATE ${FUZZ_FLAGS})
endfunction()

picoran_add_fuzzer(FuzzBinaryMap ${FUZZ_CORE_SOURCES})
picoran_add_fuzzer(FuzzTextMap ${FUZZ_CORE_SOURCES})
# The recovery copy's reader, which wraps the map data file reader.
picoran_add_fuzzer(FuzzRecoveryFile ${FUZZ_CORE_SOURCES} ${PROJECT_SOURCE_DIR}/src/core/Crc32.cpp
  ${PROJECT_SOURCE_DIR}/src/core/Utf8Text.cpp ${PROJECT_SOURCE_DIR}/src/map/core/RecoveryFile.cpp)
# The block reader of the clipboard.
picoran_add_fuzzer(FuzzBlockJson ${PROJECT_SOURCE_DIR}/src/map/core/JsonForm.cpp
  ${PROJECT_SOURCE_DIR}/src/map/core/BlockJson.cpp)
target_include_directories(FuzzBlockJson SYSTEM PRIVATE ${PICORAN_JSON_INCLUDE_DIR})
