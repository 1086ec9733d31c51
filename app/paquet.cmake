# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
# Paquet Debian (cpack -G DEB, voir paquet.sh) : brunelix_1.0.0_amd64.deb, strippé, dépendances
# calculées par dpkg-shlibdeps sur les bibliothèques liées, plus la police des fenêtres et les
# traductions françaises des boutons standard de Qt.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME brunelix)
set(CPACK_PACKAGE_VENDOR "Les auteurs de Brunelix")
set(CPACK_PACKAGE_CONTACT "Les auteurs de Brunelix <brunelix@example.com>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://www.example.com/brunelix)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "cash price of a purchase paid in interest-free instalments")
set(CPACK_PACKAGE_DESCRIPTION "Brunelix computes the discount due to a buyer who pays cash instead of taking
an interest-free credit, from the official rates of the period. It shows the
detail of each instalment, copies or prints the table, and updates its rate
file from the address set in its settings.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# DESTDIR : l'installation du paquet voit le préfixe /usr (chemin de l'entrée de menu).
set(CPACK_SET_DESTDIR ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
