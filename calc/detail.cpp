// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "calc/detail.h"

#include "calc/remise.h"
#include "calc/textes.h"
#include "calc/valeur.h"

#include <cmath>

namespace calcul {

Detail calculedetail(double taux, qint16 nbmois, const QString &montant, const QLocale &regional)
{
    Detail d;
    d.v[0] = d.v[2] = textenombre(taux, regional);
    double t = 0;
    try {
        t = facteurmensuel(taux);
    } catch (const ErreurCalcul &) {
        return d;
    }
    const QString n = QString::number(nbmois);
    const QString tt = textenombre(t, regional);
    d.v[1] = d.v[5] = d.v[7] = n;
    d.v[3] = d.v[4] = d.v[6] = d.v[8] = tt;

    double c4 = 0;
    try {
        c4 = coefficient(t, nbmois);
    } catch (const ErreurCalcul &) {
        return d;
    }
    d.v[9] = d.v[11] = textenombre(c4, regional);
    d.v[12] = d.v[10] = montant;

    const auto lu = lectureregionale(montant, regional);
    if (!lu)
        return d;
    // Produit contrôlé comme dans le tableau : un dépassement n'est pas un résultat.
    const double prix = *lu * c4;
    if (!std::isfinite(prix))
        return d;
    d.v[13] = textecellule(prix, regional);
    d.remise = ligneremise(*lu, *d.v[13], regional);
    d.complet = true;
    return d;
}

} // namespace calcul
