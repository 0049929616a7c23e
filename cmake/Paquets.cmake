# SPDX-License-Identifier: GPL-3.0-or-later
# One Debian package per program, built by CPack from the install rules of apps/ and data/:
#   make package (top Makefile), or cpack -G DEB in the build folder -> build/paquets/*.deb
# Everything installed lies under /usr; nothing goes to /etc, so that removing a package leaves
# no file behind. The folders that users fill (~/Carrelis, a classroom share) are theirs.
# Both packages come from one source, "carrelis": they share its changelog, its copyright file and
# its lintian overrides (data/paquets/).
# CPack installs without building "all" first (every test and benchmark): the Makefile's
# "package" target builds the programs and their data, which is all that the packages hold.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY TRUE)
set(DOSSIER_PAQUETS ${CMAKE_SOURCE_DIR}/data/paquets)

# Who answers for the packages: the project and an address its owners read. It is the Maintainer
# field of both packages; change it here or with cmake -DMAINTENEUR_PAQUETS="Name <address>".
set(MAINTENEUR_PAQUETS "Projet Carrelis et Navirelle <carrelis@example.org>"
    CACHE STRING "Maintainer of the Debian packages: the project's name and contact address")

# The project makes its own packages, with no Debian revision apart from its own versions: they
# are native, and the changelog's first entry is the release, in the project's version. Editing
# the changelog configures the build again.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${DOSSIER_PAQUETS}/changelog)
execute_process(COMMAND dpkg-parsechangelog -l ${DOSSIER_PAQUETS}/changelog -S Version
                OUTPUT_VARIABLE version_changelog OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
if(NOT version_changelog STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "data/paquets/changelog annonce la version ${version_changelog}, "
                      "le projet est en version ${PROJECT_VERSION} : ajoutez une entrée au changelog.")
endif()
# The AppStream files announce the same release, on the day of its changelog entry.
execute_process(COMMAND dpkg-parsechangelog -l ${DOSSIER_PAQUETS}/changelog -S Timestamp
                OUTPUT_VARIABLE horodatage OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND date -u -d @${horodatage} +%Y-%m-%d OUTPUT_VARIABLE jour_version
                OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
foreach(titre Carrelis Navirelle)
  set(metainfo ${CMAKE_SOURCE_DIR}/data/bureau/fr.carrelis.${titre}.metainfo.xml)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${metainfo})
  file(READ ${metainfo} texte_metainfo)
  string(FIND "${texte_metainfo}" "<release version=\"${PROJECT_VERSION}\" date=\"${jour_version}\"" trouve)
  if(trouve EQUAL -1)
    message(FATAL_ERROR "${metainfo} n'annonce pas la version ${PROJECT_VERSION} du ${jour_version} "
                        "(dernière entrée de data/paquets/changelog).")
  endif()
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME carrelis)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/paquets)
set(CPACK_PACKAGE_CONTACT ${MAINTENEUR_PAQUETS})
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${MAINTENEUR_PAQUETS})
set(CPACK_DEBIAN_PACKAGE_SOURCE carrelis)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL carrelis navirelle)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# dpkg-shlibdeps finds the libraries the programs link (Qt Core, Gui, Widgets, PrintSupport, the
# C++ runtime); what Qt loads at run time it cannot see, so it is named here: the platform plugins
# that draw the windows, the fonts whose metrics the layouts and sheets are measured with, and
# the French translation of Qt's standard dialogs. Nor does it see that the programs' packed
# relocations (apps/) need the loader of glibc 2.36: it only counts the symbols they use.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(depends_communs "qt6-qpa-plugins, fonts-liberation2, libqt6charts6, libc6 (>= 2.36)")
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

# Debian keeps the changelog compressed at the highest level, without name or date in the gzip
# header, so that two builds of the same text give the same bytes.
set(changelog_paquets ${CMAKE_BINARY_DIR}/paquets-doc/changelog.gz)
add_custom_command(
  OUTPUT ${changelog_paquets}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/paquets-doc
  COMMAND gzip -9nc ${DOSSIER_PAQUETS}/changelog > ${changelog_paquets}
  DEPENDS ${DOSSIER_PAQUETS}/changelog)
add_custom_target(doc_paquets ALL DEPENDS ${changelog_paquets})

foreach(programme carrelis navirelle)
  install(FILES ${changelog_paquets} ${DOSSIER_PAQUETS}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${programme}
          COMPONENT ${programme})
  install(FILES ${DOSSIER_PAQUETS}/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
          RENAME ${programme} COMPONENT ${programme})
endforeach()

include(CPack)

# Debian's hardening flags, as dpkg-buildflags gives them with every hardening feature on (bindnow
# included): fortified string and memory functions, strong stack protector, format checks, relro
# and immediate binding. They go to the shipped code only: the programs and the libraries they
# link, which the tests exercise too. AddressSanitizer does not mix with _FORTIFY_SOURCE, which
# also needs an optimised build.
option(DURCISSEMENT "Debian's hardening flags (dpkg-buildflags) for the programs" ON)
if(DURCISSEMENT AND NOT SANITISEURS AND NOT CMAKE_BUILD_TYPE STREQUAL "Debug")
  function(drapeaux_debian variable sortie)
    execute_process(
      COMMAND ${CMAKE_COMMAND} -E env "DEB_BUILD_MAINT_OPTIONS=hardening=+all reproducible=-fixfilepath"
              "DEB_CXXFLAGS_MAINT_STRIP=-g -O2" dpkg-buildflags --get ${variable}
      OUTPUT_VARIABLE drapeaux OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(drapeaux UNIX_COMMAND "${drapeaux}")
    set(${sortie} ${drapeaux} PARENT_SCOPE)
  endfunction()
  drapeaux_debian(CPPFLAGS drapeaux_cpp)
  drapeaux_debian(CXXFLAGS drapeaux_cxx)
  drapeaux_debian(LDFLAGS drapeaux_ld)
  foreach(cible modele fenetres profils carrelis navirelle impression graphique_suivi)
    target_compile_options(${cible} PRIVATE ${drapeaux_cpp} ${drapeaux_cxx})
  endforeach()
  foreach(cible carrelis navirelle impression graphique_suivi)
    target_link_options(${cible} PRIVATE ${drapeaux_ld})
  endforeach()
endif()

# strip keeps the compilers' ".comment" notes, which a program does not need: they go the way
# Debian's own packaging strips them, whenever the install strips (cpack, cmake --install --strip).
foreach(programme carrelis navirelle)
  foreach(installe ${CMAKE_INSTALL_BINDIR}/${programme} ${CMAKE_INSTALL_LIBDIR}/${programme}/modules/impression.so
                   ${CMAKE_INSTALL_LIBDIR}/${programme}/modules/libgraphique_suivi.so)
    install(CODE "if(CMAKE_INSTALL_DO_STRIP)
      execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
                      \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${installe}\"
                      COMMAND_ERROR_IS_FATAL ANY)
    endif()" COMPONENT ${programme})
  endforeach()
endforeach()
