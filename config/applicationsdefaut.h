// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Applications par défaut déclarées par le bureau (mimeapps.list), cherchées dans les
// dossiers XDG de config/dossiers.

#include <QStringList>

namespace config {

// Fichiers .desktop déclarés par défaut pour le type MIME (chacun pris dans le premier dossier
// « applications » qui l'a), dans l'ordre : listes
// du bureau courant ($XDG_CURRENT_DESKTOP) puis générales, dans les dossiers de réglages
// puis dans les dossiers « applications » des données.
QStringList applicationsdefaut(const QString &type);

} // namespace config
