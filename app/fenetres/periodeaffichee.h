// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// La période telle que la montrent la liste des années et les deux semestres : lue sur les
// contrôles, ou écrite sans lever leurs événements. Les règles du choix sont dans rates/.

#include "rates/choixperiode.h"

struct ControlesPrincipaux;

taux::ChoixPeriode choixaffiche(const ControlesPrincipaux &c);

// Une liste déjà pareille n'est pas refaite : ouverte, elle reste ouverte.
void appliqueperiode(const ControlesPrincipaux &c, const taux::ChoixPeriode &choix);
