// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Ce que la copie et l'impression lisent de la fenêtre : semestre, année, montant et mention
// du taux tels qu'affichés ; le tableau qui remplit la grille, mis en grille par la même
// fonction que les exports de la ligne de commande.

#include "output/copie.h"

struct ControlesPrincipaux;
namespace calcul {
struct Tableau;
}

sortie::EntreeCopie entreecopie(const ControlesPrincipaux &c, const calcul::Tableau &tableau);
