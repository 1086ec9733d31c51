# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
# Installation (cmake --install build --prefix PRÉFIXE) : un dossier de programme autonome,
# l'exécutable et son fichier des taux côte à côte dans lib/brunelix (le dossier du programme
# garde aussi les réglages et la mise à jour), un lanceur bin/brunelix, l'entrée de menu et
# l'icône du thème hicolor.
set(BRUNELIX_DOSSIER lib/brunelix)
install(TARGETS brunelix RUNTIME DESTINATION ${BRUNELIX_DOSSIER})
install(FILES ${PROJECT_SOURCE_DIR}/data/BRUNELIX.TXT DESTINATION ${BRUNELIX_DOSSIER})

# Lanceur : lien symbolique relatif ; le programme retrouve son dossier par /proc/self/exe.
install(CODE [[
  file(MAKE_DIRECTORY "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/bin")
  file(CREATE_LINK ../lib/brunelix/brunelix "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/bin/brunelix" SYMBOLIC)
]])

# Entrée de menu : le chemin du lanceur est celui du préfixe choisi à l'installation.
install(CODE "set(brunelix_modele \"${PROJECT_SOURCE_DIR}/app/brunelix.desktop.in\")")
install(CODE [[
  file(READ "${brunelix_modele}" brunelix_texte)
  string(REPLACE "@BINDIR@" "${CMAKE_INSTALL_PREFIX}/bin" brunelix_texte "${brunelix_texte}")
  message(STATUS "Installing: $ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/share/applications/brunelix.desktop")
  file(WRITE "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/share/applications/brunelix.desktop" "${brunelix_texte}")
]])

foreach(taille 16 24 32 48 64 128 256)
  install(FILES ${PROJECT_SOURCE_DIR}/app/images/theme/brunelix-${taille}.png
          DESTINATION share/icons/hicolor/${taille}x${taille}/apps RENAME brunelix.png)
endforeach()
