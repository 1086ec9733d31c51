// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Dossiers XDG de l'utilisateur et du système. Une valeur relative d'une variable XDG est
// ignorée, comme le veulent les règles XDG (QStandardPaths de Qt 6.4 la rend telle quelle).

#include <QStringList>

namespace config {

// $HOME quand il est absolu, sinon le dossier de l'utilisateur dans la base des mots de passe.
QString dossierpersonnel();

// $XDG_DATA_HOME quand il est absolu, sinon ~/.local/share.
QString donneesutilisateur();

// $XDG_CONFIG_HOME quand il est absolu, sinon ~/.config.
QString reglagesutilisateur();

// Entrées absolues de $XDG_DATA_DIRS ; aucune : /usr/local/share puis /usr/share.
QStringList donneessysteme();

// Entrées absolues de $XDG_CONFIG_DIRS ; aucune : /etc/xdg.
QStringList reglagessysteme();

// Dossier des documents (XDG_DOCUMENTS_DIR de user-dirs.dirs, sinon ~/Documents) quand il
// existe, sinon le dossier personnel.
QString documents();

} // namespace config
