# Fails when a C++ source of the project is not formatted as .clang-format says.
file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR}
     ${SOURCE_DIR}/*.cpp ${SOURCE_DIR}/*.h)
list(FILTER sources EXCLUDE REGEX "^(build|out)[^/]*/")
set(bad "")
foreach(f IN LISTS sources)
  execute_process(COMMAND ${CLANG_FORMAT} --dry-run --Werror ${SOURCE_DIR}/${f}
                  RESULT_VARIABLE rc OUTPUT_QUIET ERROR_QUIET)
  if(NOT rc EQUAL 0)
    list(APPEND bad ${f})
  endif()
endforeach()
if(bad)
  list(JOIN bad "\n  " text)
  message(FATAL_ERROR "Not formatted (run clang-format -i on them):\n  ${text}")
endif()
