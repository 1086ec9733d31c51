// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Images du programme (« quitter.png » : :/images/quitter.png et sa variante @2x), lues par le
// seul lecteur PNG de Qt : sans recherche du format par le contenu ni moteur d'icônes, qui
// chargeraient au démarrage tous les modules d'images installés.

#include <QIcon>
#include <QSize>

namespace images {

// L'image et, sur un écran de plus de 100 %, sa variante @2x.
QIcon icone(const char *nom);
// Taille logique : celle du dessin 1x.
QSize taille(const char *nom);

} // namespace images
