// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Tables des contrôles statiques des onglets « Aide » et « Détail » de la fenêtre principale.
// Positions en twips, relatives au coin haut gauche du contrôle à onglets.

#include "app/disposition/disposition.h"

namespace disposition {

extern const std::span<const Etiquette> etiquettesaide;   // Label46, Label47 (titre), Label6 .. Label11
extern const std::span<const Etiquette> etiquettesdetail; // Label12 .. Label45
extern const std::span<const Trait> traitsdetail;         // barres de fraction du détail
extern const std::span<const Etiquette> valeursdetail;    // v0 .. v13, indice = position
extern const Etiquette remisedetail;                      // ligne de la remise, sous le prix

} // namespace disposition
