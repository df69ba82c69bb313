# `cpack -G DEB` in the build tree makes caldrix_<version>_<arch>.deb, installing
# into /usr. Its run-time dependencies come from dpkg-shlibdeps (dpkg-dev).

set(CPACK_PACKAGE_NAME caldrix)
set(CPACK_PACKAGE_VENDOR "Caldrix developers")
set(CPACK_PACKAGE_CONTACT "Caldrix developers <caldrix@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "hardware monitor for motherboard sensors")
set(CPACK_PACKAGE_DESCRIPTION
    "Caldrix reads the motherboard's temperature, voltage and fan sensors at a
fixed interval, shows them on dial gauges, in a small window and as numbers
in tray icons, raises alarms, keeps lowest, highest and average statistics
and writes logs.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Installs with DESTDIR, so that the install sees its real prefix (the desktop
# entry names the program by its installed path).
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The program loads its own libraries from /usr/lib/caldrix at run time.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${CMAKE_LIBRARY_OUTPUT_DIRECTORY})
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# Debian wants a copyright file and a compressed changelog in the package's
# documentation folder.
set(CALDRIX_PACKAGE_DOCS ${CMAKE_BINARY_DIR}/package-docs)
file(MAKE_DIRECTORY ${CALDRIX_PACKAGE_DOCS})
execute_process(
  COMMAND gzip -9 -n -c ${PROJECT_SOURCE_DIR}/data/debian/changelog
  OUTPUT_FILE ${CALDRIX_PACKAGE_DOCS}/changelog.gz
  COMMAND_ERROR_IS_FATAL ANY)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/data/debian/changelog)
install(FILES ${PROJECT_SOURCE_DIR}/data/debian/copyright ${CALDRIX_PACKAGE_DOCS}/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/caldrix)

include(CPack)
