# Checking builds, each kept in a build folder of its own (see the Makefile):
#
#   GOLEXORB_SANITIZE  our code instrumented with AddressSanitizer (LeakSanitizer
#                      included) and UndefinedBehaviorSanitizer; any report ends
#                      the program with a failure, so a test that meets one fails.
#   GOLEXORB_FUZZ      clang only: the same, plus libFuzzer's coverage, and the
#                      fuzz targets of tests/fuzz linked as libFuzzer programs.
#
# Both reach our targets through golexorb_warnings, so Qt and the system's
# libraries are left as they are; every program and module that links our
# code gets the runtime at link time.

option(GOLEXORB_SANITIZE "Instrument our code with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(GOLEXORB_FUZZ "Build the fuzz targets as libFuzzer programs (clang)" OFF)

add_library(golexorb_sanitize INTERFACE)
target_link_libraries(golexorb_warnings INTERFACE golexorb_sanitize)

if(GOLEXORB_SANITIZE OR GOLEXORB_FUZZ)
  set(_checks address,undefined)
  if(GOLEXORB_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
      message(FATAL_ERROR "GOLEXORB_FUZZ needs clang (CXX=clang++-14)")
    endif()
    set(_compile_checks fuzzer-no-link,${_checks})
  else()
    set(_compile_checks ${_checks})
  endif()
  # Recovery off: an undefined-behaviour report ends the program instead of
  # scrolling past. Frame pointers keep the reports' stacks whole.
  target_compile_options(golexorb_sanitize INTERFACE
    -fsanitize=${_compile_checks} -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(golexorb_sanitize INTERFACE -fsanitize=${_checks})
  # The runtime's settings, built into every program, so that a run by hand
  # behaves as one under CTest: leaks reported, the suppressions of leaks
  # inside system libraries applied.
  target_sources(golexorb_sanitize INTERFACE
    $<$<STREQUAL:$<TARGET_PROPERTY:TYPE>,EXECUTABLE>:${PROJECT_SOURCE_DIR}/tests/sanitizers/defaults.cpp>)
  target_compile_definitions(golexorb_sanitize INTERFACE
    GOLEXORB_LSAN_SUPPRESSIONS="${PROJECT_SOURCE_DIR}/tests/sanitizers/lsan.supp")
endif()

# How much longer a test may take in a checking build than in a plain one.
if(GOLEXORB_SANITIZE OR GOLEXORB_FUZZ)
  set(GOLEXORB_TIMEOUT_FACTOR 4)
else()
  set(GOLEXORB_TIMEOUT_FACTOR 1)
endif()
