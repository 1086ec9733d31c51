// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "calc/tableau.h"

#include "calc/montant.h"
#include "calc/textes.h"
#include "calc/valeur.h"

#include <QLocale>
#include <QScopeGuard>

#include <cmath>

namespace calcul {

Tableau construittableau(double taux, const QString &montant, const QLocale &regional)
{
    Tableau t;
    construittableau(taux, montant, regional, t);
    return t;
}

void construittableau(double taux, const QString &montant, const QLocale &regional, Tableau &t)
{
    t.intitule = textetaux(taux);
    t.montant = litmontant(montant, regional);
    t.complet = false;
    t.colonnes = 0;
    std::size_t ecrites = 0; // les cellules au-delà sont ôtées en sortant
    const auto fin = qScopeGuard([&] { t.cellules.resize(ecrites); });
    const double colonnes = std::floor(taux) + 2;
    if (!(colonnes >= 1 && colonnes <= colonnesmax))
        return;
    t.colonnes = static_cast<int>(colonnes);
    t.cellules.resize(static_cast<std::size_t>(lignesmois * (t.colonnes - 1)));
    const auto &lu = t.montant.valeur;
    if (!lu)
        return;
    const QString separateur = regional.decimalPoint();
    try {
        for (int k = 1; k <= lignesmois; ++k)
            for (int c = 1; c < t.colonnes; ++c) {
                const double tc = c == 1 ? taux : c - 1;
                textecellule(renvoivaleur(*lu, static_cast<qint16>(k + 2), tc), separateur, t.cellules[ecrites]);
                ++ecrites;
            }
    } catch (const ErreurCalcul &) {
        return;
    }
    t.complet = true;
}

} // namespace calcul
