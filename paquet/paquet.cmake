# What `make install` puts on the system and `make package` puts in the Debian package: the
# program, its guide, its desktop entry, icon, file type and AppStream data, its manual page.
include(GNUInstallDirs)
# Installing builds only what it installs (make package and make install build those targets),
# not the tests.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

# The day this version was published (the AppStream release and the manual page).
set(ZEL_PUBLICATION 2026-12-07)
set(ZEL_ID fr.zelvente.ZelVente)
set(ZEL_PAQUET ${PROJECT_SOURCE_DIR}/paquet)
set(ZEL_DOC ${CMAKE_INSTALL_DATADIR}/doc/zelvente)

configure_file(${ZEL_PAQUET}/${ZEL_ID}.metainfo.xml.in ${CMAKE_BINARY_DIR}/${ZEL_ID}.metainfo.xml
               @ONLY)
configure_file(${ZEL_PAQUET}/zelvente.1.in ${CMAKE_BINARY_DIR}/zelvente.1 @ONLY)
configure_file(${ZEL_PAQUET}/changelog.in ${CMAKE_BINARY_DIR}/changelog @ONLY)
# Debian keeps manual pages and changelogs compressed, without a time stamp in them.
foreach(texte zelvente.1 changelog)
    add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/${texte}.gz
        COMMAND gzip -9nc ${CMAKE_BINARY_DIR}/${texte} > ${CMAKE_BINARY_DIR}/${texte}.gz
        DEPENDS ${CMAKE_BINARY_DIR}/${texte})
    list(APPEND ZEL_COMPRESSES ${CMAKE_BINARY_DIR}/${texte}.gz)
endforeach()
add_custom_target(compresses ALL DEPENDS ${ZEL_COMPRESSES})

install(TARGETS zelvente RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_BINARY_DIR}/ZelVente.hlp DESTINATION ${CMAKE_INSTALL_DATADIR}/zelvente)
install(DIRECTORY ${CMAKE_BINARY_DIR}/captures DESTINATION ${CMAKE_INSTALL_DATADIR}/zelvente)
install(FILES ${ZEL_PAQUET}/${ZEL_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${ZEL_PAQUET}/${ZEL_ID}.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES ${CMAKE_BINARY_DIR}/${ZEL_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${ZEL_PAQUET}/icones/${ZEL_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(cote 16 32 48 64 128 256)
    install(FILES ${ZEL_PAQUET}/icones/${cote}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${cote}x${cote}/apps
            RENAME ${ZEL_ID}.png)
endforeach()
install(FILES ${CMAKE_BINARY_DIR}/zelvente.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${ZEL_PAQUET}/copyright DESTINATION ${ZEL_DOC})
install(FILES ${CMAKE_BINARY_DIR}/changelog.gz DESTINATION ${ZEL_DOC})

# CPack's DEB generator rather than dpkg-buildpackage: the package is made from the build folder
# CMake already has (CI builds it once and packages it), its install rules are the ones
# `make install` uses, and no debian/ folder repeats the build.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zelvente)
set(CPACK_PACKAGE_VENDOR "Zel Vente")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Zel Vente <contact@zelvente.fr>")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://zelvente.fr/)
# The libraries the program links, as dpkg-shlibdeps finds them; Qt's buttons and dialogs in
# French come from Qt's translations.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "gestion commerciale et stock d'une petite entreprise")
# The summary, then the long description; CPack indents it and marks the empty lines.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"Zel Vente tient, pour une petite entreprise française, ses clients et ses
fournisseurs avec leur compte, ses devis, factures et avoirs avec la TVA par
taux, ses articles avec leurs prix, leur stock et leur prix moyen pondéré, et
ses commandes aux fournisseurs.

Il imprime ou enregistre en PDF chaque document, calcule les statistiques de
vente, tient le journal des ventes et écrit le fichier des écritures
comptables (FEC) pour le comptable. Un traitement de texte, un carnet de
messages et de petits utilitaires l'accompagnent.

Les données restent dans des fichiers texte que l'on range où l'on veut.")
include(CPack)
