// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "calc/detail.h"

#include "calc/montant.h"
#include "calc/remise.h"
#include "calc/textes.h"
#include "calc/valeur.h"

namespace calcul {

Detail calculedetail(double taux, qint16 nbmois, const QString &montant, const QLocale &regional)
{
    Detail d;
    d.v[0] = d.v[2] = textenombre(taux, regional);
    double t = 0;
    try {
        t = facteurmensuel(taux);
    } catch (const ErreurCalcul &) {
        d.refus = Refus::depassement;
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
        d.refus = taux == 0 ? Refus::taux : Refus::depassement;
        return d;
    }
    d.v[9] = d.v[11] = textenombre(c4, regional);
    d.v[12] = d.v[10] = montant;

    const MontantLu lu = litmontant(montant, regional);
    if (!lu.nombre) {
        d.refus = Refus::montant;
        return d;
    }
    if (!lu.valeur) {
        d.refus = Refus::depassement;
        return d;
    }
    // Le prix de la cellule, par le même calcul et le même arrondi que le tableau.
    double prix = 0;
    try {
        prix = renvoivaleur(*lu.valeur, nbmois, taux);
    } catch (const ErreurCalcul &) {
        d.refus = Refus::depassement;
        return d;
    }
    d.v[13] = textecellule(prix, regional);
    // La remise sur les centimes que montrent le montant et le prix, pour que la ligne tombe juste.
    const auto a = centimes(*lu.valeur);
    const auto p = centimes(prix);
    if (a && p)
        d.remise = ligneremise(*a, *p, regional);
    d.complet = true;
    return d;
}

QString texterefus(Refus refus)
{
    switch (refus) {
    case Refus::montant:
        return QStringLiteral("Détail impossible : le montant ne commence pas par un nombre.");
    case Refus::taux:
        return QStringLiteral("Détail impossible : le taux de cette colonne est nul.");
    default:
        return QStringLiteral("Détail impossible : le calcul dépasse la capacité des nombres.");
    }
}

} // namespace calcul
