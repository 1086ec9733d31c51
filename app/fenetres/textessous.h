// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Textes sous le montant (montant retenu) et sous le taux (mention du taux, explication en bulle).

struct ControlesPrincipaux;
namespace calcul {
struct MontantLu;
}
namespace taux {
struct Mention;
}

// Le montant retenu, quand la lecture n'a pas pris tout le texte ; rien sinon.
void montreretenu(const ControlesPrincipaux &c, const calcul::MontantLu &lu);

// À l'écran, le semestre passe à la ligne après les deux-points plutôt qu'au milieu ; la copie
// et l'impression prennent le texte tel quel (propriété proprietementiontaux).
void montremention(const ControlesPrincipaux &c, const taux::Mention &m);
