# The Debian package: ./koma package, or cpack -G DEB in a build folder.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME koma-suite)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Koma Suite")
set(CPACK_PACKAGE_CONTACT "Koma Suite maintainers <maintainers@users.noreply.c-seed-ecfcab81.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "tools for the pitch systems of Turkish art music")
set(CPACK_PACKAGE_DESCRIPTION
    "Five small programs for studying the microtonal pitch systems of Turkish
art music, for theorists, instrument makers and students who work with
frequency ratios, cents and the koma (1/53 of an octave): tolvane compares
frequencies and lists the fractions near their ratio (terminal); bexaro
finds the fractions near the ratio of two pitches; quenlo lists and plays
trichords, tetrachords and pentachords in komas with Turkish symbols;
mirefa places frets for a Scala scale allowing for the string's stretch;
ruvizezo shows 229 pitches one koma apart on a spiral and a staff.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)

# Debian wants the license as copyright and a changelog in the package's doc folder.
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/${CPACK_PACKAGE_NAME})
configure_file(${PROJECT_SOURCE_DIR}/cmake/debian/copyright.in
               ${CMAKE_BINARY_DIR}/debian/copyright @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/cmake/debian/changelog.in
               ${CMAKE_BINARY_DIR}/debian/changelog.Debian @ONLY)
find_program(GZIP gzip)
if(GZIP)
  execute_process(COMMAND ${GZIP} -9nf ${CMAKE_BINARY_DIR}/debian/changelog.Debian)
  install(FILES ${CMAKE_BINARY_DIR}/debian/changelog.Debian.gz DESTINATION ${doc_dir})
endif()
install(FILES ${CMAKE_BINARY_DIR}/debian/copyright DESTINATION ${doc_dir})

include(CPack)
