# Helpers shared by every folder of the tree.

set(ORINDO_WARNINGS -Wall -Wextra -Wno-unused-parameter)

# orindo_library(<name> [SOURCES_DIR dir] LIBS <targets...>)
# One static library from all *.cpp/*.h of the current folder (not recursive).
function(orindo_library name)
  cmake_parse_arguments(ARG "" "SOURCES_DIR" "LIBS" ${ARGN})
  if(NOT ARG_SOURCES_DIR)
    set(ARG_SOURCES_DIR ${CMAKE_CURRENT_SOURCE_DIR})
  endif()
  file(GLOB sources CONFIGURE_DEPENDS
    ${ARG_SOURCES_DIR}/*.cpp ${ARG_SOURCES_DIR}/*.h ${ARG_SOURCES_DIR}/*.qrc)
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_compile_options(${name} PRIVATE ${ORINDO_WARNINGS})
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
endfunction()

# orindo_test(<name> LIBS <targets...> [SOURCES files...])
# One GoogleTest program from all *.cpp of the current folder, discovered by CTest.
# The shared test main (tests/support) sets the offscreen environment and folders.
function(orindo_test name)
  cmake_parse_arguments(ARG "" "" "LIBS;SOURCES" ${ARGN})
  if(NOT ARG_SOURCES)
    file(GLOB ARG_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_compile_options(${name} PRIVATE ${ORINDO_WARNINGS})
  target_link_libraries(${name} PRIVATE orindo_testsupport ${ARG_LIBS})
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    PROPERTIES TIMEOUT 120)
endfunction()

# orindo_bench(<name> [GUI] LIBS <targets...>) from <name>.cpp in the current
# folder; GUI benchmarks draw and get the main of bench/guimain.cpp.
function(orindo_bench name)
  cmake_parse_arguments(ARG "GUI" "" "LIBS" ${ARGN})
  add_executable(${name} ${CMAKE_CURRENT_SOURCE_DIR}/${name}.cpp)
  if(ARG_GUI)
    target_sources(${name} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/guimain.cpp)
    target_link_libraries(${name} PRIVATE Qt6::Widgets)
  endif()
  target_compile_options(${name} PRIVATE ${ORINDO_WARNINGS})
  target_link_libraries(${name} PRIVATE benchmark::benchmark ${ARG_LIBS})
endfunction()

# Adds every immediate subfolder that has a CMakeLists.txt.
function(orindo_add_subfolders)
  file(GLOB children LIST_DIRECTORIES true ${CMAKE_CURRENT_SOURCE_DIR}/*)
  list(SORT children)
  foreach(child ${children})
    if(IS_DIRECTORY ${child} AND EXISTS ${child}/CMakeLists.txt)
      add_subdirectory(${child})
    endif()
  endforeach()
endfunction()

# libFuzzer targets of tests/fuzz, for clang only (see tests/fuzz/README.md):
#   cmake -S . -B build-fuzz -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DORINDO_FUZZ=ON
#   cmake --build build-fuzz --target <name>_fuzz && build-fuzz/tests/fuzz/<name>_fuzz -max_total_time=60
# Every library is then built with coverage and the address and undefined-behaviour checks.
option(ORINDO_FUZZ "Build the libFuzzer targets of tests/fuzz (clang)" OFF)
if(ORINDO_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "ORINDO_FUZZ needs clang++ (-DCMAKE_CXX_COMPILER=clang++)")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

# orindo_fuzz(<name> LIBS <targets...> [SOURCES files...]) from <name>.cpp in
# the current folder (plus SOURCES), linked with libFuzzer.
function(orindo_fuzz name)
  cmake_parse_arguments(ARG "" "" "LIBS;SOURCES" ${ARGN})
  add_executable(${name} ${CMAKE_CURRENT_SOURCE_DIR}/${name}.cpp ${ARG_SOURCES})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
endfunction()
