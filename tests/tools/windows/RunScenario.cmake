# One test of picoran-map.exe under Wine (see cmake/Win32Tool.cmake): runs the tool as a
# user would and compares its status, its output and the files it writes with the outputs
# the native tool gives (tests/tools/expected).
#   cmake -DSCENARIO=NAME -DEMULATOR=wine -DTOOL=EXE -DSOURCE_DIR=REPO -DWORK_DIR=DIR -P RunScenario.cmake
cmake_minimum_required(VERSION 3.20)
set(EXPECTED ${SOURCE_DIR}/tests/tools/expected)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})

# Runs the tool with the given arguments from `folder`; its output goes to WORK_DIR/NAME.out.
function(run_tool name folder want_status)
  execute_process(COMMAND ${EMULATOR} ${TOOL} ${ARGN}
    WORKING_DIRECTORY ${folder}
    OUTPUT_FILE ${WORK_DIR}/${name}.out
    ERROR_VARIABLE err
    RESULT_VARIABLE status
    TIMEOUT 60)
  if(NOT status STREQUAL want_status)
    message(FATAL_ERROR "picoran-map ${ARGN}: status ${status}, not ${want_status}\n${err}")
  endif()
endfunction()

function(expect_same_file got want)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${got} ${want} RESULT_VARIABLE differ)
  if(differ AND want MATCHES "\\.png$")
    message(FATAL_ERROR "${got} differs from ${want}")
  elseif(differ)
    file(READ ${got} got_text)
    file(READ ${want} want_text)
    message(FATAL_ERROR "${got} differs from ${want}\n--- got:\n${got_text}\n--- expected:\n${want_text}")
  endif()
endfunction()

# The signature and the header chunk: width x height, 8-bit RGB.
function(expect_png_header file width height)
  file(READ ${file} head LIMIT 29 HEX)
  string(SUBSTRING "${head}" 0 16 signature)
  string(SUBSTRING "${head}" 24 8 chunk)
  string(SUBSTRING "${head}" 32 8 png_width)
  string(SUBSTRING "${head}" 40 8 png_height)
  string(SUBSTRING "${head}" 48 4 depth_and_type)
  math(EXPR png_width "0x${png_width}")
  math(EXPR png_height "0x${png_height}")
  if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT chunk STREQUAL "49484452" OR
     NOT png_width EQUAL width OR NOT png_height EQUAL height OR NOT depth_and_type STREQUAL "0802")
    message(FATAL_ERROR "${file}: not an 8-bit RGB PNG of ${width} x ${height} pixels: ${head}")
  endif()
endfunction()

set(corpus fuzz/corpus)
if(SCENARIO STREQUAL "check-accepted")
  run_tool(check ${SOURCE_DIR} 0 check ${corpus}/binary/chips-2x2.bin)
  expect_same_file(${WORK_DIR}/check.out ${EXPECTED}/check-chips-2x2.txt)
elseif(SCENARIO STREQUAL "check-refused")
  run_tool(check ${SOURCE_DIR} 1 check ${corpus}/binary/truncated-layer1.bin)
  expect_same_file(${WORK_DIR}/check.out ${EXPECTED}/check-truncated-layer1.txt)
elseif(SCENARIO STREQUAL "dump-chips")
  run_tool(dump ${SOURCE_DIR} 0 dump ${corpus}/binary/chips-2x2.bin)
  expect_same_file(${WORK_DIR}/dump.out ${EXPECTED}/chips-2x2.dump)
elseif(SCENARIO STREQUAL "dump-comment")
  # Every byte value in the comment: Windows' code page 932 must decode it as iconv does.
  run_tool(dump ${SOURCE_DIR} 0 dump ${corpus}/binary/comment-256.bin)
  expect_same_file(${WORK_DIR}/dump.out ${EXPECTED}/comment-256.dump)
elseif(SCENARIO STREQUAL "convert")
  # The second run replaces the first one's file; neither leaves its temporary file behind.
  foreach(run first second)
    run_tool(convert-${run} ${SOURCE_DIR} 0 convert ${corpus}/text/example-2x1.txt ${WORK_DIR}/map.bin)
  endforeach()
  run_tool(dump ${SOURCE_DIR} 0 dump ${WORK_DIR}/map.bin)
  expect_same_file(${WORK_DIR}/dump.out ${EXPECTED}/example-2x1-converted.dump)
  file(GLOB left RELATIVE ${WORK_DIR} ${WORK_DIR}/map.bin?*)
  if(left)
    message(FATAL_ERROR "convert left files beside its output: ${left}")
  endif()
elseif(SCENARIO STREQUAL "render")
  # Run from a folder without res/: the pictures must be found beside the program.
  run_tool(render ${WORK_DIR} 0 render ${SOURCE_DIR}/${corpus}/binary/chips-2x2.bin ${WORK_DIR}/map.png)
  expect_png_header(${WORK_DIR}/map.png 80 80)
  expect_same_file(${WORK_DIR}/map.png ${EXPECTED}/chips-2x2.png)
else()
  message(FATAL_ERROR "unknown scenario ${SCENARIO}")
endif()
