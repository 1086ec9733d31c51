// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Ce que la copie et l'impression lisent de la fenêtre : semestre, année, intitulé du
// taux et montant tels qu'affichés, toutes les cellules de la grille, la mention du taux.

#include "output/copie.h"

struct ControlesPrincipaux;
class Grille;

sortie::EntreeCopie entreecopie(const ControlesPrincipaux &c, const Grille &grille);
