// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// État partagé du programme : emplacements des fichiers, table des taux, verrou de l'onglet du détail.

#include "config/emplacements.h"
#include "rates/tabletaux.h"

struct EtatBrunelix
{
    config::Emplacements emplacements; // fixés au démarrage
    taux::TableTaux table;
    bool detailvalide = false; // l'onglet du détail peut être montré
};
