# One Debian package per program, built by CPack from the install rules of apps/ and data/:
#   make package (top Makefile), or cpack -G DEB in the build folder -> build/paquets/*.deb
# Everything installed lies under /usr; nothing goes to /etc, so that removing a package leaves
# no file behind. The folders that users fill (~/Carrelis, a classroom share) are theirs.
# CPack installs without building "all" first (every test and benchmark): the Makefile's
# "package" target builds the programs and their data, which is all that the packages hold.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY TRUE)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME carrelis)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/paquets)
set(CPACK_PACKAGE_CONTACT "Carrelis <carrelis@example.org>")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL carrelis navirelle)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# dpkg-shlibdeps finds the libraries the programs link (Qt Core, Gui, Widgets, PrintSupport, the
# C++ runtime); what Qt loads at run time it cannot see, so it is named here: the platform plugins
# that draw the windows, the fonts whose metrics the layouts and sheets are measured with, and
# the French translation of Qt's standard dialogs.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(depends_communs "qt6-qpa-plugins, fonts-liberation2, libqt6charts6")
set(recommends_communs "qt6-translations-l10n")

set(CPACK_DEBIAN_CARRELIS_PACKAGE_NAME carrelis)
set(CPACK_DEBIAN_CARRELIS_PACKAGE_DEPENDS ${depends_communs})
set(CPACK_DEBIAN_CARRELIS_PACKAGE_RECOMMENDS ${recommends_communs})
set(CPACK_COMPONENT_CARRELIS_DESCRIPTION
    "addition and multiplication tables in double-entry grids, for pupils
Carrelis drills the addition and multiplication tables for primary-school
pupils, in French: fill a double-entry table, find its hidden headers, or
work out the whole table from a few given cells. Teachers keep class lists,
record each pupil's results and print exercise sheets.")

set(CPACK_DEBIAN_NAVIRELLE_PACKAGE_NAME navirelle)
set(CPACK_DEBIAN_NAVIRELLE_PACKAGE_DEPENDS ${depends_communs})
set(CPACK_DEBIAN_NAVIRELLE_PACKAGE_RECOMMENDS ${recommends_communs})
set(CPACK_COMPONENT_NAVIRELLE_DESCRIPTION
    "double-entry tables with coloured sailboats, for pupils
Navirelle teaches primary-school pupils, in French, to read and fill
double-entry tables with pictures: each row is a hull colour, each column a
sail colour, each cell the boat with that hull and those sails. Teachers keep
class lists, record each pupil's results and print exercise sheets.")

include(CPack)
