# Installation and the two Debian packages (`make package`, CPack), one
# install component each:
#
#   vexilor-cli (cli)     bin/vexilor-cli
#                         share/vexilor/  sys.dat ellips.dat keys.dat wgeoid.mat
#                         share/man/man1/vexilor-cli.1.gz
#                         share/bash-completion/completions/vexilor-cli
#                         share/doc/vexilor-cli/  copyright changelog.gz examples/*.in *.csv
#   vexilor (program)     bin/vexilor
#                         share/vexilor/vexilor.hlp
#                         share/applications/vexilor.desktop
#                         share/icons/hicolor/scalable/apps/vexilor.svg
#                         share/man/man1/vexilor.1.gz
#                         share/doc/vexilor/  copyright changelog.gz
#
# The program looks for its files in ../share/vexilor beside its bin/
# (src/refdata/data_folders.h). The executables and the grid install from
# their own CMakeLists (install(TARGETS ...) beside add_executable); this
# file holds what belongs to the packages as a whole.

# Not an address anyone reads: whoever builds packages to hand on names
# themselves (README, "Installing").
set(VEXILOR_UNNAMED_MAINTAINER "Vexilor packager <packager@vexilor.invalid>")
set(VEXILOR_MAINTAINER "${VEXILOR_UNNAMED_MAINTAINER}" CACHE STRING
    "Maintainer and contact of the Debian packages, as Name <address>")
if(VEXILOR_MAINTAINER STREQUAL VEXILOR_UNNAMED_MAINTAINER)
  message(STATUS "The packages name no maintainer: set VEXILOR_MAINTAINER to \"Name <address>\" to hand them on")
endif()
# The date of the changelog's entry (in its own form there), which the
# manual pages carry too.
set(VEXILOR_RELEASE_DATE 2026-12-08)
set(VEXILOR_CHANGELOG_DATE "Tue, 08 Dec 2026 09:00:00 +0000")

file(GLOB VEXILOR_REFERENCE_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/*.dat)
file(GLOB VEXILOR_EXAMPLE_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/examples/*.in
     ${CMAKE_SOURCE_DIR}/data/examples/*.csv)
install(FILES ${VEXILOR_REFERENCE_FILES} DESTINATION ${VEXILOR_INSTALL_DATA_DIR} COMPONENT cli)
install(FILES ${VEXILOR_EXAMPLE_FILES} DESTINATION share/doc/vexilor-cli/examples COMPONENT cli)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/vexilor-cli.bash RENAME vexilor-cli
        DESTINATION share/bash-completion/completions COMPONENT cli)
install(FILES ${CMAKE_SOURCE_DIR}/data/vexilor.hlp DESTINATION ${VEXILOR_INSTALL_DATA_DIR} COMPONENT program)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/vexilor.desktop DESTINATION share/applications COMPONENT program)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/vexilor.svg DESTINATION share/icons/hicolor/scalable/apps
        COMPONENT program)

# The manual pages, made from the programs' --help by tools/manpage, and
# compressed as Debian keeps them.
function(vexilor_manual_page program component summary see_also)
  set(page ${CMAKE_BINARY_DIR}/man/${program}.1)
  add_custom_command(
    OUTPUT ${page}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
    COMMAND vexilor-manpage ${page} $<TARGET_FILE:${program}> "${summary}" ${VEXILOR_RELEASE_DATE} ${see_also}
    COMMAND gzip -9nf ${page}
    DEPENDS vexilor-manpage ${program}
    COMMENT "Making the manual page ${program}(1) from ${program} --help"
    VERBATIM)
  add_custom_target(${program}_manual_page ALL DEPENDS ${page}.gz)
  install(FILES ${page}.gz DESTINATION share/man/man1 COMPONENT ${component})
endfunction()
vexilor_manual_page(vexilor-cli cli "transform point coordinates between Russian and global systems" "vexilor(1)")
if(TARGET vexilor)
  vexilor_manual_page(vexilor program "transform point coordinates between Russian and global systems in a window"
                      "vexilor-cli(1)")
endif()

# Debian keeps the copyright and a compressed changelog of every package.
configure_file(${CMAKE_CURRENT_LIST_DIR}/copyright.in ${CMAKE_BINARY_DIR}/packaging/copyright @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.in ${CMAKE_BINARY_DIR}/packaging/changelog @ONLY)
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/packaging/changelog.gz
  COMMAND gzip -9nc ${CMAKE_BINARY_DIR}/packaging/changelog > ${CMAKE_BINARY_DIR}/packaging/changelog.gz
  DEPENDS ${CMAKE_BINARY_DIR}/packaging/changelog
  COMMENT "Compressing the packages' changelog")
add_custom_target(package_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
set(VEXILOR_PACKAGE_DOCS ${CMAKE_BINARY_DIR}/packaging/copyright ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
install(FILES ${VEXILOR_PACKAGE_DOCS} DESTINATION share/doc/vexilor-cli COMPONENT cli)
install(FILES ${VEXILOR_PACKAGE_DOCS} DESTINATION share/doc/vexilor COMPONENT program)

set(CPACK_GENERATOR DEB)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL cli)
if(TARGET vexilor)
  list(APPEND CPACK_COMPONENTS_ALL program)
endif()
set(CPACK_PACKAGE_NAME vexilor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
# The help texts name the files under it (/usr/share/vexilor, the examples).
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_CONTACT ${VEXILOR_MAINTAINER})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The shared libraries each executable links (the C++ runtime; Qt 6 for the
# window) as dpkg-shlibdeps finds them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

set(CPACK_DEBIAN_CLI_PACKAGE_NAME vexilor-cli)
set(CPACK_COMPONENT_CLI_DESCRIPTION
    "transformation of coordinates for geodesists, on the command line
vexilor-cli transforms files of point coordinates between the Russian state
and global coordinate systems (SK-42, SK-63, SK-95, PZ-90, WGS-84, local MSK
systems and national systems the user adds) and between geodetic B L H,
geocentric X Y Z and plane x y H in Gauss-Kruger, UTM or Lambert, with normal
heights through a quasi-geoid grid; its service tools name map sheets and
their frames and convert grads and English lengths. It needs no display:
this package holds the command-line tool, the reference files, the standard
quasi-geoid grid and example source files.")

set(CPACK_DEBIAN_PROGRAM_PACKAGE_NAME vexilor)
# Qt's platform plugins are loaded, not linked; the window reads the
# reference files and the grid of the command-line package.
set(CPACK_DEBIAN_PROGRAM_PACKAGE_DEPENDS "qt6-qpa-plugins, vexilor-cli (= ${PROJECT_VERSION})")
set(CPACK_DEBIAN_PROGRAM_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_COMPONENT_PROGRAM_DESCRIPTION
    "transformation of coordinates for geodesists and surveyors
Vexilor transforms point coordinates between the Russian state and global
coordinate systems (SK-42, SK-63, SK-95, PZ-90, WGS-84, local MSK systems
and national systems the user adds) and between geodetic B L H, geocentric
X Y Z and plane x y H in Gauss-Kruger, UTM or Lambert, with normal heights
through a quasi-geoid grid; one point or whole files, plus map sheet, grads
and English length tools. This package holds the desktop program, which
speaks Russian, with its help; vexilor-cli runs the same transformations
from scripts.")
include(CPack)
