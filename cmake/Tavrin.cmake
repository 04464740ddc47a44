# Helpers shared by every folder. One source tree builds three ways:
#   win32   (MinGW toolchain): the shipped DLLs and programs, their Wine tests
#   native  (clang, sanitizers): the portable core, its unit tests, fuzz smoke runs
#   fuzz / bench (clang): libFuzzer targets, or optimised benchmarks
# Each helper quietly does nothing in a tree it does not belong to, so a
# folder's CMakeLists.txt states everything once.

set(TAVRIN_INSTALL_DIR ${CMAKE_BINARY_DIR}/install)
set(TAVRIN_TEST_BIN_DIR ${CMAKE_BINARY_DIR}/bin-tests)
set(TAVRIN_BENCH_BIN_DIR ${CMAKE_BINARY_DIR}/bench)
set(TAVRIN_FUZZ_BIN_DIR ${CMAKE_BINARY_DIR}/fuzz)

if(WIN32)
  set(TAVRIN_WIN ON)
else()
  set(TAVRIN_WIN OFF)
endif()

# Windows path of a Linux path, as Wine maps the root to Z:.
function(tavrin_wine_path out path)
  string(REPLACE "/" "\\" p "${path}")
  set(${out} "Z:${p}" PARENT_SCOPE)
endfunction()
tavrin_wine_path(TAVRIN_INSTALL_DIR_WIN "${TAVRIN_INSTALL_DIR}")

# Portable core: plain C++ without windows.h, built in every tree.
function(tavrin_core name)
  cmake_parse_arguments(A "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${A_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${A_DEPS})
endfunction()

# A shipped DLL with exactly the exports named in its .def file.
function(tavrin_dll name)
  if(NOT TAVRIN_WIN)
    return()
  endif()
  cmake_parse_arguments(A "" "DEF" "SOURCES;LIBS" ${ARGN})
  add_library(${name} SHARED ${A_SOURCES} ${A_DEF})
  set_target_properties(${name} PROPERTIES PREFIX "" OUTPUT_NAME ${name}
    RUNTIME_OUTPUT_DIRECTORY ${TAVRIN_INSTALL_DIR}
    ARCHIVE_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/lib)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE ${A_LIBS})
endfunction()

# A shipped program.
function(tavrin_exe name)
  if(NOT TAVRIN_WIN)
    return()
  endif()
  cmake_parse_arguments(A "WINDOWS" "" "SOURCES;LIBS" ${ARGN})
  if(A_WINDOWS)
    add_executable(${name} WIN32 ${A_SOURCES})
  else()
    add_executable(${name} ${A_SOURCES})
  endif()
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${TAVRIN_INSTALL_DIR})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE ${A_LIBS})
endfunction()

# A test build of a DLL whose C++ allocations throw on request: its .def adds
# FailAllocations (tests/support/failing_allocations.cpp). It stays in
# bin-tests, out of the install folder.
function(tavrin_failing_dll name)
  if(NOT TAVRIN_WIN)
    return()
  endif()
  cmake_parse_arguments(A "" "DEF" "SOURCES;LIBS" ${ARGN})
  add_library(${name} SHARED ${A_SOURCES} ${A_DEF})
  set_target_properties(${name} PROPERTIES PREFIX "" RUNTIME_OUTPUT_DIRECTORY ${TAVRIN_TEST_BIN_DIR}
    ARCHIVE_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/lib)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE ${A_LIBS} tavrin_failing_allocations)
endfunction()

# Unit tests of the portable core, run natively under the sanitizers.
function(tavrin_native_test name)
  if(TAVRIN_WIN OR TAVRIN_FUZZ OR TAVRIN_BENCH)
    return()
  endif()
  cmake_parse_arguments(A "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${A_SOURCES})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${TAVRIN_TEST_BIN_DIR})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE ${A_LIBS} GTest::gtest_main)
  add_test(NAME ${name} COMMAND ${name})
endfunction()

# Windows test programs, one ctest entry each, run through Wine. They find
# the shipped DLLs in the staged install folder through WINEPATH.
# SHARES names what the program shares with other test programs while it
# runs; each name is a CTest resource lock, so two programs that share a
# thing never run at once:
#   Prismo.dll, Tonal10.dll   the plug-in's record, shared by every process
#   KvEngine                  the engine's window class: the simulator, or a test's stand-in
#   desktop                   the one mouse and keyboard, the foreground window
#   vrx_single_instance       the graphic module's single-instance mutexes and window classes
# SHARES is required, so that a new test says what it shares: a program that
# shares nothing says SHARES nothing.
set(TAVRIN_SHARED_THINGS Prismo.dll Tonal10.dll KvEngine desktop vrx_single_instance)

function(tavrin_win_test name)
  if(NOT TAVRIN_WIN)
    return()
  endif()
  cmake_parse_arguments(A "WINDOWS" "" "SOURCES;LIBS;DEPENDS;SHARES" ${ARGN})
  if(NOT A_SHARES)
    message(FATAL_ERROR "tavrin_win_test(${name}): say what it shares (SHARES ${TAVRIN_SHARED_THINGS}) or SHARES nothing")
  endif()
  foreach(thing ${A_SHARES})
    if(NOT thing IN_LIST TAVRIN_SHARED_THINGS AND NOT thing STREQUAL "nothing")
      message(FATAL_ERROR "tavrin_win_test(${name}): unknown shared thing '${thing}'; add it to TAVRIN_SHARED_THINGS with a line above")
    endif()
  endforeach()
  list(REMOVE_ITEM A_SHARES nothing)
  add_executable(${name} ${A_SOURCES})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${TAVRIN_TEST_BIN_DIR})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE ${A_LIBS} tavrin_wintest GTest::gtest)
  if(A_DEPENDS)
    add_dependencies(${name} ${A_DEPENDS})
  endif()
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "WINEPATH=${TAVRIN_INSTALL_DIR_WIN};TAVRIN_INSTALL_DIR=${TAVRIN_INSTALL_DIR_WIN}")
  if(A_SHARES)
    set_tests_properties(${name} PROPERTIES RESOURCE_LOCK "${A_SHARES}")
  endif()
endfunction()

# A libFuzzer target. In the fuzz tree it is built for real fuzzing; in the
# native test tree it is built too and run briefly as a smoke test, so every
# target keeps compiling and its seeds keep passing.
function(tavrin_fuzz name)
  if(TAVRIN_WIN OR TAVRIN_BENCH)
    return()
  endif()
  cmake_parse_arguments(A "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${A_SOURCES})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${TAVRIN_FUZZ_BIN_DIR})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE ${A_LIBS})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
  if(NOT TAVRIN_FUZZ)
    add_test(NAME ${name}_smoke COMMAND ${name} -runs=3000 -seed=1 -max_len=4096)
  endif()
endfunction()

# A benchmark: a native optimised program (bench tree) or, with WINE, a
# Windows program run under Wine by ./run bench (win32 tree).
function(tavrin_bench name)
  cmake_parse_arguments(A "WINE" "" "SOURCES;LIBS;DEPENDS" ${ARGN})
  if(A_WINE AND NOT TAVRIN_WIN)
    return()
  endif()
  if(NOT A_WINE AND NOT TAVRIN_BENCH)
    return()
  endif()
  add_executable(${name} ${A_SOURCES})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${TAVRIN_BENCH_BIN_DIR})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE ${A_LIBS})
  if(A_DEPENDS)
    add_dependencies(${name} ${A_DEPENDS})
  endif()
endfunction()

# FFTW in double precision: Debian's library natively, the cached MinGW
# build for Windows.
if(TAVRIN_WIN)
  if(NOT FFTW_MINGW_PREFIX OR NOT EXISTS ${FFTW_MINGW_PREFIX}/lib/libfftw3.a)
    message(FATAL_ERROR "FFTW for MinGW not found (FFTW_MINGW_PREFIX=${FFTW_MINGW_PREFIX}); run ./run setup")
  endif()
  add_library(tavrin_fftw STATIC IMPORTED GLOBAL)
  set_target_properties(tavrin_fftw PROPERTIES
    IMPORTED_LOCATION ${FFTW_MINGW_PREFIX}/lib/libfftw3.a
    INTERFACE_INCLUDE_DIRECTORIES ${FFTW_MINGW_PREFIX}/include)
else()
  find_library(FFTW3_LIB fftw3 REQUIRED)
  find_path(FFTW3_INCLUDE fftw3.h REQUIRED)
  add_library(tavrin_fftw UNKNOWN IMPORTED GLOBAL)
  set_target_properties(tavrin_fftw PROPERTIES
    IMPORTED_LOCATION ${FFTW3_LIB} INTERFACE_INCLUDE_DIRECTORIES ${FFTW3_INCLUDE})
endif()

# Checks that a shipped DLL exports exactly EXPORTS and imports only system
# DLLs and the suite libraries named in ALLOW.
function(tavrin_check_exports target)
  if(NOT TAVRIN_WIN)
    return()
  endif()
  cmake_parse_arguments(A "" "" "EXPORTS;ALLOW" ${ARGN})
  string(REPLACE ";" " " exports "${A_EXPORTS}")
  string(REPLACE ";" " " allow "${A_ALLOW}")
  add_test(NAME ${target}_exports
    COMMAND bash ${PROJECT_SOURCE_DIR}/cmake/check_exports.sh $<TARGET_FILE:${target}> "${exports}" "${allow}")
endfunction()
