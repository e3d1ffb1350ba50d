# koma_add_test(<name> SOURCES <files...> LIBRARIES <libs...> [SEPARATOR_INDEPENDENT])
#
# Builds one GoogleTest executable and registers it with ctest. Unless the
# results cannot depend on the decimal separator, it is registered twice: once
# under a Turkish (",") and once under an English (".") regional setting. The
# executable's main must accept --separator=<c> (koma_test_main and
# koma_qt_test_main do).
function(koma_add_test name)
  cmake_parse_arguments(ARG "SEPARATOR_INDEPENDENT" "" "SOURCES;LIBRARIES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES})
  target_compile_definitions(${name} PRIVATE
    KOMA_TEST_DATA_DIR="${CMAKE_CURRENT_SOURCE_DIR}/tests/data")
  set(common_env "QT_QPA_PLATFORM=offscreen")
  if(ARG_SEPARATOR_INDEPENDENT)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${common_env}")
  else()
    add_test(NAME ${name}.tr COMMAND ${name} --separator=,)
    set_tests_properties(${name}.tr PROPERTIES ENVIRONMENT
      "${common_env};LANG=tr_TR.UTF-8;LC_ALL=tr_TR.UTF-8")
    add_test(NAME ${name}.en COMMAND ${name} --separator=.)
    set_tests_properties(${name}.en PROPERTIES ENVIRONMENT
      "${common_env};LANG=en_US.UTF-8;LC_ALL=en_US.UTF-8")
  endif()
endfunction()

# koma_add_benchmark(<name> SOURCES <files...> LIBRARIES <libs...>)
# Benchmarks are built, never run by ctest: speed is measured, not asserted.
function(koma_add_benchmark name)
  if(NOT KOMA_BUILD_BENCHMARKS)
    return()
  endif()
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} benchmark::benchmark benchmark::benchmark_main)
endfunction()

# koma_add_fuzzer(<name> SOURCES <files...> LIBRARIES <libs...>)
#
# A fuzz target beside the code it feeds: fuzz/<name>.cpp defines
# LLVMFuzzerTestOneInput, fuzz/corpus/<name>/ holds its seeds and
# fuzz/regressions/<name>/ every input that once made it fail.
# - In every build with tests, <name>_replay feeds the seeds and the
#   regressions to the entry point through a plain main, under ctest.
# - With KOMA_FUZZ (clang), <name> is the libFuzzer program; the target
#   `fuzzers` builds them all.
function(koma_add_fuzzer name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES" ${ARGN})
  set(corpus ${CMAKE_CURRENT_SOURCE_DIR}/fuzz/corpus/${name})
  set(regressions ${CMAKE_CURRENT_SOURCE_DIR}/fuzz/regressions/${name})
  if(KOMA_BUILD_TESTS)
    add_executable(${name}_replay ${ARG_SOURCES}
                   ${PROJECT_SOURCE_DIR}/runtime/test_support/fuzz_replay_main.cpp)
    target_link_libraries(${name}_replay PRIVATE ${ARG_LIBRARIES})
    add_test(NAME ${name}_replay COMMAND ${name}_replay ${corpus} ${regressions})
  endif()
  if(KOMA_FUZZ)
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES})
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    if(NOT TARGET fuzzers)
      add_custom_target(fuzzers)
    endif()
    add_dependencies(fuzzers ${name})
    set_property(GLOBAL APPEND PROPERTY KOMA_FUZZERS "${name}|$<TARGET_FILE:${name}>|${corpus}|${regressions}")
  endif()
endfunction()
