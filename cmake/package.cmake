# The native program as a Debian package, made by `cpack -G DEB` in the
# build folder (scripts/package.sh): the program, its desktop entry, its
# hicolor icons, its AppStream metainfo, its manual page, and the copyright
# and changelog that Debian asks of every package; its dependencies are computed from the
# binary by dpkg-shlibdeps.
set(doc ${CMAKE_INSTALL_DATADIR}/doc/rgbhsv)

configure_file(resources/rgbhsv.metainfo.xml.in ${RGBHSV_APP_ID}.metainfo.xml @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/${RGBHSV_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The licence, as Debian's copyright format holds it: after its title and
# copyright lines, each line indented, an empty one as " .".
file(STRINGS LICENSE license_lines)
list(SUBLIST license_lines 4 -1 license_lines)
set(RGBHSV_LICENSE_TEXT "")
foreach(line IN LISTS license_lines)
  if(line STREQUAL "")
    string(APPEND RGBHSV_LICENSE_TEXT " .\n")
  else()
    string(APPEND RGBHSV_LICENSE_TEXT " ${line}\n")
  endif()
endforeach()
string(STRIP "${RGBHSV_LICENSE_TEXT}" RGBHSV_LICENSE_TEXT)
set(RGBHSV_LICENSE_TEXT " ${RGBHSV_LICENSE_TEXT}")
configure_file(resources/debian/copyright.in debian/copyright @ONLY)

execute_process(COMMAND date -u -R -d "${RGBHSV_RELEASE_DATE}" OUTPUT_VARIABLE RGBHSV_RELEASE_RFC2822
                OUTPUT_STRIP_TRAILING_WHITESPACE)
configure_file(resources/debian/changelog.in debian/changelog @ONLY)
# Compressed as Debian wants them: gzip -9, without a name or a time.
add_custom_command(OUTPUT debian/changelog.gz debian/rgbhsv.1.gz
  COMMAND gzip -9nc changelog > changelog.gz
  COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/resources/rgbhsv.1 > rgbhsv.1.gz
  WORKING_DIRECTORY ${PROJECT_BINARY_DIR}/debian
  DEPENDS ${PROJECT_BINARY_DIR}/debian/changelog ${PROJECT_SOURCE_DIR}/resources/rgbhsv.1)
add_custom_target(debian_docs ALL DEPENDS debian/changelog.gz debian/rgbhsv.1.gz)
install(FILES ${PROJECT_BINARY_DIR}/debian/copyright ${PROJECT_BINARY_DIR}/debian/changelog.gz DESTINATION ${doc})
install(FILES ${PROJECT_BINARY_DIR}/debian/rgbhsv.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME rgbhsv)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES TRUE)
set(CPACK_PACKAGE_CONTACT "The rgbhsv authors <rgbhsv@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "convert a color between RGB and HSV")
set(CPACK_PACKAGE_DESCRIPTION "One small dialog with three fields for red, green and blue and three for
hue, saturation and value, all six numbers on one scale from 0 to 255.
Type into either group and the other is converted as you type; a swatch
shows the color, and a button opens the color chooser.")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://github.com/rgbhsv/rgbhsv)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)  # rgbhsv_VERSION_ARCH.deb
# A cross build's package is for the machine it was built for (arm64 for
# aarch64-linux-gnu); its dependencies are then that machine's libraries,
# which dpkg-shlibdeps looks up when told the architecture (DEB_HOST_ARCH,
# set when CPack packs: cmake/cpack_release.cmake).
if(CMAKE_CROSSCOMPILING)
  execute_process(COMMAND dpkg-architecture -t ${CMAKE_LIBRARY_ARCHITECTURE} -qDEB_HOST_ARCH
                  OUTPUT_VARIABLE CPACK_DEBIAN_PACKAGE_ARCHITECTURE OUTPUT_STRIP_TRAILING_WHITESPACE
                  ERROR_QUIET COMMAND_ERROR_IS_FATAL ANY)
endif()
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/cpack_release.cmake)
include(CPack)
