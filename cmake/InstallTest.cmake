# Installs the build into a fresh prefix and uses the installed programs as a
# user would: from another folder, without the build tree.
#   cmake -DBUILD_DIR=... -DPREFIX=... -DSOURCE_DIR=... -P InstallTest.cmake
cmake_minimum_required(VERSION 3.25)

set(failures "")
macro(fail text)
  string(APPEND failures "  ${text}\n")
endmacro()

file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE error)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${error}")
endif()

# Every program and the pitch table's data.
foreach(file bin/tolvane bin/bexaro bin/quenlo bin/mirefa bin/ruvizezo bin/ruvizezo_import
             share/ruvizezo/arel.dat share/ruvizezo/arel.xls
             share/doc/koma-suite/copyright)
  if(NOT EXISTS ${PREFIX}/${file})
    fail("missing: ${file}")
  endif()
endforeach()
foreach(pattern "share/applications/*.desktop:5" "share/metainfo/*.metainfo.xml:4"
                "share/icons/hicolor/scalable/apps/*.svg:5" "share/mime/packages/*.xml:1"
                "share/man/man1/*.1*:6")
  string(REPLACE ":" ";" parts ${pattern})
  list(GET parts 0 glob)
  list(GET parts 1 expected)
  file(GLOB found ${PREFIX}/${glob})
  list(LENGTH found count)
  if(NOT count EQUAL expected)
    fail("${glob}: ${count} files, ${expected} expected")
  endif()
endforeach()

# The menu entries and the metainfo as installed, where the validators are at hand.
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
find_program(APPSTREAMCLI appstreamcli)
if(DESKTOP_FILE_VALIDATE)
  file(GLOB entries ${PREFIX}/share/applications/*.desktop)
  foreach(entry ${entries})
    execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} ${entry} RESULT_VARIABLE status
                    OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT status EQUAL 0)
      fail("desktop-file-validate ${entry}: ${out}")
    endif()
  endforeach()
else()
  message(STATUS "desktop-file-validate not installed: desktop entries not validated")
endif()
if(APPSTREAMCLI)
  file(GLOB metainfo ${PREFIX}/share/metainfo/*.xml)
  foreach(file ${metainfo})
    execute_process(COMMAND ${APPSTREAMCLI} validate --no-net ${file} RESULT_VARIABLE status
                    OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT status EQUAL 0)
      fail("appstreamcli validate ${file}: ${out}")
    endif()
  endforeach()
else()
  message(STATUS "appstreamcli not installed: metainfo not validated")
endif()

# The programs that play no sound start without Qt Multimedia and Qt Network.
find_program(LDD ldd)
if(LDD)
  foreach(program tolvane bexaro mirefa)
    execute_process(COMMAND ${LDD} ${PREFIX}/bin/${program} OUTPUT_VARIABLE libraries
                    ERROR_QUIET)
    if(libraries MATCHES "Qt6Multimedia|Qt6Network")
      fail("${program} loads Qt Multimedia or Qt Network")
    endif()
  endforeach()
endif()

# Runs an installed program from an empty folder far from the build.
set(elsewhere ${PREFIX}/elsewhere)
file(MAKE_DIRECTORY ${elsewhere})
macro(run_installed program)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
                          ${PREFIX}/bin/${program} ${ARGN}
                  WORKING_DIRECTORY ${elsewhere} TIMEOUT ${timeout}
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
endmacro()

set(timeout 60)
file(STRINGS ${SOURCE_DIR}/CMakeLists.txt project_line REGEX "^project\\(KomaSuite VERSION")
string(REGEX REPLACE ".*VERSION ([0-9.]+).*" "\\1" version "${project_line}")
foreach(program tolvane bexaro quenlo mirefa ruvizezo ruvizezo_import)
  run_installed(${program} --version)
  if(NOT status EQUAL 0 OR NOT out STREQUAL "${program} (Koma Suite) ${version}\n")
    fail("${program} --version: status ${status}, '${out}${err}'")
  endif()
  run_installed(${program} --help)
  if(NOT status EQUAL 0 OR NOT out MATCHES "^usage: ${program} ")
    fail("${program} --help: status ${status}, '${out}${err}'")
  endif()
endforeach()
run_installed(tolvane --frequency)
if(NOT status EQUAL 2 OR NOT err STREQUAL "usage: tolvane [--help | --version]\n")
  fail("tolvane --frequency: status ${status}, '${err}'")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E echo "440\n660"
                COMMAND ${PREFIX}/bin/tolvane
                WORKING_DIRECTORY ${elsewhere} TIMEOUT ${timeout}
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT out MATCHES "660")
  fail("tolvane as a filter: '${out}${err}'")
endif()

# A window program that loads what it needs keeps running until it is closed;
# one that cannot says so on standard error (there is no screen: a message
# goes there after the program's name) and ends.
set(timeout 8)
run_installed(ruvizezo)
if(NOT status MATCHES "timeout" OR err MATCHES "Ruvizezo: ")
  fail("installed ruvizezo did not start with its table: ${status}, '${err}'")
endif()
run_installed(mirefa ${SOURCE_DIR}/fret_calculator/tests/data/bad/pitch_word.scl)
if(NOT err MATCHES "Mirefa: .*pitch_word.scl")
  fail("mirefa FILE.scl: the bad file was not refused by name: ${status}, '${err}'")
endif()
run_installed(mirefa ${SOURCE_DIR}/fret_calculator/tests/data/a.scl)
if(NOT status MATCHES "timeout" OR err MATCHES "Mirefa: ")
  fail("mirefa FILE.scl with a good file: ${status}, '${err}'")
endif()

if(failures)
  message(FATAL_ERROR "The installed suite:\n${failures}")
endif()
file(REMOVE_RECURSE ${PREFIX})
