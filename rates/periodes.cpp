// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "rates/periodes.h"

#include "rates/nombre.h"
#include "rates/semestre.h"
#include "rates/tabletaux.h"

#include <cmath>

namespace taux {

double tauxperiode(const TableTaux &table, qint16 annee, int semestre)
{
    const QString cle = Semestre{annee, semestre}.cle();
    for (int i = 0; i <= table.nbtaux; ++i)
        if (table.periodes[i] == cle)
            return table.taux[i];
    return 0;
}

std::optional<qint16> anneedetexte(const QString &texte)
{
    const auto v = valnombre(texte);
    if (!v)
        return std::nullopt;
    const double arrondi = std::nearbyint(*v); // au pair le plus proche
    if (!(arrondi >= -32768 && arrondi <= 32767))
        return std::nullopt;
    return static_cast<qint16>(arrondi);
}

std::optional<QStringList> listeannees(const TableTaux &table)
{
    QStringList lignes;
    int precedente = 0;
    for (int i = 0; i <= table.nbtaux; ++i) {
        const auto annee = anneedetexte(table.periodes[i].mid(2));
        if (!annee)
            return std::nullopt;
        if (*annee != precedente)
            lignes.append(QString::number(*annee));
        precedente = *annee;
    }
    return lignes;
}

} // namespace taux
