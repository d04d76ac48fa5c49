# Adds the bounded fuzz run of the file readers to ctest as "fuzz.readers" in the ordinary
# build, when clang with libFuzzer is there. ORV_FUZZ_CTEST=OFF (or the environment
# variable ORV_FUZZ_CTEST=0) leaves it out. The run builds its own clang tree beside this
# one, so it adds a few minutes the first time and little after that.
if(NOT ORV_FUZZ AND ORV_BUILD_TESTS)
  find_program(ORV_CLANGXX clang++)
  set(_fuzz_default OFF)
  if(ORV_CLANGXX AND NOT "$ENV{ORV_FUZZ_CTEST}" STREQUAL "0")
    set(_fuzz_default ON)
  endif()
  option(ORV_FUZZ_CTEST "Run the bounded reader fuzzing as a ctest test" ${_fuzz_default})
  if(ORV_FUZZ_CTEST AND ORV_CLANGXX)
    set(ORV_FUZZ_SECONDS 20 CACHE STRING "Seconds each fuzz target runs in the fuzz.readers test (two at a time)")
    add_test(NAME fuzz.readers
             COMMAND bash "${CMAKE_SOURCE_DIR}/tests/fuzz/run_fuzz.sh" "${CMAKE_BINARY_DIR}/fuzz-build" ${ORV_FUZZ_SECONDS})
    set_tests_properties(fuzz.readers PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 590 LABELS fuzz)
  endif()
endif()
