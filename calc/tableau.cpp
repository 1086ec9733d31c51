// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "calc/tableau.h"

#include "calc/montant.h"
#include "calc/textes.h"
#include "calc/valeur.h"

#include <cmath>

namespace calcul {

Tableau construittableau(double taux, const QString &montant, const QLocale &regional)
{
    Tableau t;
    t.intitule = textetaux(taux);
    t.montant = litmontant(montant, regional);
    const double colonnes = std::floor(taux) + 2;
    if (!(colonnes >= 1 && colonnes <= colonnesmax))
        return t;
    t.colonnes = static_cast<int>(colonnes);
    t.cellules.reserve(static_cast<std::size_t>(lignesmois * (t.colonnes - 1)));
    const auto &lu = t.montant.valeur;
    if (!lu)
        return t;
    try {
        for (int k = 1; k <= lignesmois; ++k)
            for (int c = 1; c < t.colonnes; ++c) {
                const double tc = c == 1 ? taux : c - 1;
                t.cellules.push_back(textecellule(renvoivaleur(*lu, static_cast<qint16>(k + 2), tc), regional));
            }
    } catch (const ErreurCalcul &) {
        return t;
    }
    t.complet = true;
    return t;
}

} // namespace calcul
