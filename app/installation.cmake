# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
# Installation (cmake --install build --prefix PRÉFIXE) selon GNUInstallDirs : le programme dans bin/,
# son module des fenêtres dans LIBDIR/brunelix/,
# le fichier des taux dans share/brunelix/, l'entrée de menu, la fiche AppStream et les icônes sous
# l'identifiant d'application, la page de manuel, copyright et changelog.gz dans share/doc/brunelix.
# Chaque fichier passe par install() ou file(INSTALL) : il est dans install_manifest.txt, et la
# cible uninstall les enlève tous.
include(GNUInstallDirs)
set(BRUNELIX_ID org.brunelix.Brunelix)
set(distribution ${PROJECT_SOURCE_DIR}/app/distribution)

install(TARGETS brunelix RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS brunelixfenetres LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/brunelix)
install(FILES ${PROJECT_SOURCE_DIR}/data/BRUNELIX.TXT DESTINATION ${CMAKE_INSTALL_DATADIR}/brunelix)

# Page de manuel et journal des versions, comprimés sans date (paquet reproductible).
# La page française va dans man/fr/man1, où man la sert aux lecteurs francophones avec ses
# accents ; une courte page anglaise dans man/man1.
set(comprimes)
foreach(source IN ITEMS brunelix.1 fr/brunelix.1 changelog)
  add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/${source}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/fr
    COMMAND gzip -9n -c ${distribution}/${source} > ${PROJECT_BINARY_DIR}/${source}.gz
    DEPENDS ${distribution}/${source} VERBATIM)
  list(APPEND comprimes ${PROJECT_BINARY_DIR}/${source}.gz)
endforeach()
add_custom_target(distribution ALL DEPENDS ${comprimes})
install(FILES ${PROJECT_BINARY_DIR}/brunelix.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_BINARY_DIR}/fr/brunelix.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/fr/man1)
install(FILES ${PROJECT_BINARY_DIR}/changelog.gz ${distribution}/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/brunelix)

configure_file(${distribution}/metainfo.xml.in ${PROJECT_BINARY_DIR}/${BRUNELIX_ID}.metainfo.xml @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/${BRUNELIX_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

foreach(taille 16 24 32 48 64 128 256)
  install(FILES ${PROJECT_SOURCE_DIR}/app/images/theme/brunelix-${taille}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${taille}x${taille}/apps RENAME ${BRUNELIX_ID}.png)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/app/images/theme/brunelix.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${BRUNELIX_ID}.svg)

# Entrée de menu : le chemin du programme est celui du préfixe choisi à l'installation, écrit
# alors dans le dossier de construction puis installé par file(INSTALL) (donc dans le manifeste).
# Le préfixe est aussi noté pour la cible uninstall (sauf installation en DESTDIR, celle de CPack).
install(CODE "set(brunelix_modele \"${distribution}/brunelix.desktop.in\")
  set(brunelix_desktop \"${PROJECT_BINARY_DIR}/${BRUNELIX_ID}.desktop\")
  set(brunelix_bindir \"${CMAKE_INSTALL_BINDIR}\")
  set(brunelix_prefixe \"${PROJECT_BINARY_DIR}/install_prefixe.txt\")")
install(CODE [[
  if(IS_ABSOLUTE "${brunelix_bindir}")
    set(BINDIR "${brunelix_bindir}")
  else()
    set(BINDIR "${CMAKE_INSTALL_PREFIX}/${brunelix_bindir}")
  endif()
  configure_file("${brunelix_modele}" "${brunelix_desktop}" @ONLY)
  file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/share/applications" TYPE FILE FILES "${brunelix_desktop}")
  if("$ENV{DESTDIR}" STREQUAL "")
    file(WRITE "${brunelix_prefixe}" "${CMAKE_INSTALL_PREFIX}")
  endif()
]])

# Désinstallation : les fichiers du manifeste, puis leurs dossiers restés vides jusqu'au préfixe.
add_custom_target(uninstall
  COMMAND ${CMAKE_COMMAND} -DCONSTRUCTION=${PROJECT_BINARY_DIR} -P ${PROJECT_SOURCE_DIR}/app/desinstallation.cmake
  VERBATIM)

include(app/paquet.cmake)
