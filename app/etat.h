// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// État partagé du programme : la table des taux et le verrou de l'onglet du détail.

#include "rates/tabletaux.h"

struct EtatBrunelix
{
    taux::TableTaux table;
    bool detailvalide = false; // l'onglet du détail peut être montré
};
