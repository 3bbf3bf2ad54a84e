# Installation and the Debian package (`make package`, CPack).
#
#   bin/vexilor, bin/vexilor-cli
#   share/vexilor/          sys.dat ellips.dat keys.dat wgeoid.mat vexilor.hlp
#                           (the program looks for them in ../share/vexilor
#                           beside its bin/, src/refdata/data_folders.h)
#   share/applications/vexilor.desktop, share/icons/hicolor/scalable/apps/vexilor.svg
#   share/doc/vexilor/      copyright, changelog.gz
#
# The executables, the grid and the data files install from their own
# CMakeLists (install(TARGETS ...) beside add_executable); this file holds
# what belongs to the package as a whole.

set(VEXILOR_MAINTAINER "Vexilor maintainers <maintainers@users.noreply.c-seed-59302337.example>" CACHE STRING
    "Maintainer of the Debian package, as Name <address>")

install(FILES ${VEXILOR_DATA_FILES} DESTINATION ${VEXILOR_INSTALL_DATA_DIR})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/vexilor.desktop DESTINATION share/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/vexilor.svg DESTINATION share/icons/hicolor/scalable/apps)

# Debian keeps the copyright and a compressed changelog of every package.
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.in ${CMAKE_BINARY_DIR}/packaging/changelog @ONLY)
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/packaging/changelog.gz
  COMMAND gzip -9nc ${CMAKE_BINARY_DIR}/packaging/changelog > ${CMAKE_BINARY_DIR}/packaging/changelog.gz
  DEPENDS ${CMAKE_BINARY_DIR}/packaging/changelog
  COMMENT "Compressing the package's changelog")
add_custom_target(package_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${CMAKE_BINARY_DIR}/packaging/changelog.gz
        DESTINATION share/doc/vexilor)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vexilor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_CONTACT ${VEXILOR_MAINTAINER})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The shared libraries the executables link (Qt 6, the C++ runtime) as
# dpkg-shlibdeps finds them; Qt's platform plugins are loaded, not linked.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "transformation of coordinates for geodesists and surveyors")
# The summary is the first line of the package's description; this is the rest.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Vexilor transforms point coordinates between the Russian state and global
coordinate systems (SK-42, SK-63, SK-95, PZ-90, WGS-84, local MSK systems
and national systems the user adds) and between geodetic B L H, geocentric
X Y Z and plane x y H in Gauss-Kruger, UTM or Lambert, with normal heights
through a quasi-geoid grid; one point or whole files, plus map sheet,
grads and English length tools. The desktop program speaks Russian;
vexilor-cli runs the same transformations from scripts.")
include(CPack)
