# Native build: the core's tests (with sanitizers when asked), benchmarks, tools.
enable_testing()
find_package(GTest REQUIRED)

file(GLOB CORE_TEST_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/core/*.cpp)
add_executable(core_tests ${CORE_TEST_SOURCES})
target_link_libraries(core_tests PRIVATE core GTest::gtest GTest::gtest_main)
target_compile_definitions(core_tests PRIVATE
  PICORAN_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
# One process runs them all: a process of its own for each of several hundred tests cost far
# more than the tests (each starts the sanitizers' runtime), and a failure still prints its test.
add_test(NAME core_tests COMMAND core_tests --gtest_brief=1)

if(PICORAN_BENCH)
  find_package(benchmark REQUIRED)
  file(GLOB BENCH_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/bench/*.cpp)
  add_executable(core_bench ${BENCH_SOURCES})
  target_link_libraries(core_bench PRIVATE core benchmark::benchmark benchmark::benchmark_main)
  # Each benchmark file sets up its own scene under the same short names, and is built alone.
  set_target_properties(core_bench PROPERTIES UNITY_BUILD OFF)
endif()

if(EXISTS ${PROJECT_SOURCE_DIR}/cmake/Tools.cmake)
  include(${PROJECT_SOURCE_DIR}/cmake/Tools.cmake)
endif()
if(PICORAN_FUZZ AND EXISTS ${PROJECT_SOURCE_DIR}/cmake/Fuzz.cmake)
  include(${PROJECT_SOURCE_DIR}/cmake/Fuzz.cmake)
endif()
