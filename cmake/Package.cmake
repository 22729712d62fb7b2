# `make package` (cpack -G DEB in the build folder): one Debian package of what
# `make install` installs, under /usr, whose Depends come from the libraries
# the programs link (Qt 6 among them) through dpkg-shlibdeps.
set(TAVOLIN_MAINTAINER "Tavolin <dev@tavolin.invalid>" CACHE STRING "The package's maintainer")

# What Debian wants beside every package: the copyright and a changelog.
set(DEB_DOC ${CMAKE_BINARY_DIR}/debian-doc)
string(TIMESTAMP DEB_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
configure_file(${CMAKE_CURRENT_LIST_DIR}/debian/changelog.in ${DEB_DOC}/changelog @ONLY)
execute_process(COMMAND gzip -9nf ${DEB_DOC}/changelog)
install(FILES ${DEB_DOC}/changelog.gz ${CMAKE_CURRENT_LIST_DIR}/debian/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tavolin)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavolin)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_PACKAGE_VERSION ${TAVOLIN_PACKAGE_VERSION})
set(CPACK_PACKAGE_CONTACT ${TAVOLIN_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${TAVOLIN_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "schematic and printed-circuit editor
Tavolin draws electronic schematics and simple printed-circuit artwork on
16 layers, with symbols placed from libraries, and prints and exports them.
Its interface is in Italian or English. tavolin-cli reads, rewrites,
exports and draws the same plain-text files without windows.")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
    ${CMAKE_CURRENT_LIST_DIR}/debian/postinst ${CMAKE_CURRENT_LIST_DIR}/debian/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
