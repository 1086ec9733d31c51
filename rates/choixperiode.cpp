// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "rates/choixperiode.h"

#include "rates/periodes.h"
#include "rates/tabletaux.h"

namespace taux {

void choisitannee(const TableTaux &table, ChoixPeriode &choix)
{
    if (choix.ligne < 0 || choix.ligne >= choix.annees.size())
        return;
    const auto annee = anneedetexte(choix.annees[choix.ligne]);
    if (!annee)
        return;
    choix.actifs[0] = tauxperiode(table, *annee, 1) != 0;
    choix.actifs[1] = tauxperiode(table, *annee, 2) != 0;
    if (!choix.actifs[0] && choix.semestre == 1)
        choix.semestre = 2;
    if (!choix.actifs[1] && choix.semestre == 2)
        choix.semestre = 1;
}

std::optional<ChoixPeriode> choixinitial(const TableTaux &table, int semestrecoche)
{
    const auto annees = listeannees(table);
    if (!annees || annees->isEmpty())
        return std::nullopt;
    ChoixPeriode choix;
    choix.annees = *annees;
    choix.semestre = semestrecoche;
    choisitannee(table, choix);
    const auto annee = anneedetexte(choix.annees.first());
    if (annee && tauxperiode(table, *annee, 2) != 0) {
        choix.actifs[1] = true;
        choix.semestre = 2;
    }
    return choix;
}

std::optional<Rechargement> choixrecharge(const TableTaux &table, const std::optional<PeriodeAffichee> &avant,
                                          int semestrecoche)
{
    const auto initial = choixinitial(table, semestrecoche);
    if (!initial)
        return std::nullopt;
    const double t = avant ? tauxperiode(table, avant->annee, avant->semestre) : 0;
    if (t == 0)
        return Rechargement{*initial, Suite::initial};
    ChoixPeriode choix = *initial;
    choix.ligne = static_cast<int>(choix.annees.indexOf(QString::number(avant->annee)));
    choix.semestre = avant->semestre;
    choisitannee(table, choix);
    return Rechargement{choix, t == avant->taux ? Suite::garde : Suite::recalcule};
}

} // namespace taux
