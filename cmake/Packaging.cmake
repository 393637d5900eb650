# The Debian package of the installed program (scripts/package.sh builds it):
# vexolan_<major.minor.revision>_<architecture>.deb, installing under /usr.

include(${CMAKE_CURRENT_LIST_DIR}/ReleaseVersion.cmake)

set(VEXOLAN_PACKAGE_MAINTAINER "Vexolan developers <maintainers@vexolan.org>"
    CACHE STRING "Maintainer named in the packages")

set(CPACK_PACKAGE_NAME vexolan)
set(CPACK_PACKAGE_VENDOR "The Vexolan authors")
set(CPACK_PACKAGE_VERSION ${VEXOLAN_RELEASE_VERSION})
set(CPACK_PACKAGE_VERSION_MAJOR ${PROJECT_VERSION_MAJOR})
set(CPACK_PACKAGE_VERSION_MINOR ${PROJECT_VERSION_MINOR})
set(CPACK_PACKAGE_VERSION_PATCH ${PROJECT_VERSION_TWEAK})
set(CPACK_PACKAGE_CONTACT ${VEXOLAN_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "combat sheet calculator for tabletop Mech war games")
# The package's long description, in lines short enough for package tools to show as they are.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Vexolan works out one attack at a time in tabletop war games in which piloted"
    "walking war machines, Mechs, fight on a hex map: the number a player must roll"
    "on two six-sided dice for each weapon to hit."
    "Describe the attacking Mech once (pilot, gunnery skill, technology base, up to"
    "twelve weapons from a built-in catalogue), set the situation of the moment"
    "(movement, heat, damage, terrain, range), and read each weapon's to-hit number,"
    "the total heat and a one-line fire declaration to copy. Several independent"
    "combat sheets can be open at once.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${VEXOLAN_PACKAGE_MAINTAINER})
# A helper at the table rather than a game itself, so it lives in /usr/bin, not /usr/games.
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The package's dependencies come from the libraries the program links; without the tool that
# finds them, the Qt and C++ run-time packages are named by hand.
find_program(VEXOLAN_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(VEXOLAN_DPKG_SHLIBDEPS)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6widgets6, libqt6gui6, libqt6network6, libqt6core6, libstdc++6, libc6")
endif()
# The sheet's captions were fitted to DejaVu Sans, the first face the program asks for.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core")

# A source archive holds the sources only, never build trees or packages.
set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build[^/]*/" "/out/" "\\\\.deb$" "\\\\.swp$")

include(CPack)
