// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "rates/statut.h"

#include "rates/echeance.h"
#include "rates/tabletaux.h"

#include <QStringList>

namespace taux {

namespace {

constexpr qint16 premiereanneenonofficielle = 2011;

const QString bullenonofficiel =
    QStringLiteral("L'obligation de remise a pris fin le 1er mai 2011 (loi n° 2010-737 du 1er juillet 2010) et "
                   "aucun taux n'a été publié depuis. Les taux livrés à partir du 1er semestre 2011 sont calculés "
                   "selon l'ancienne règle : 1,5 × le TMOP du semestre précédent.");

} // namespace

bool tauxofficiel(qint16 annee)
{
    return annee < premiereanneenonofficielle;
}

QString dernierconnu(const TableTaux &table, const QDate &aujourdhui)
{
    if (table.nbtaux < 0)
        return {};
    const QString &cle = table.periodes[0];
    const QDate fin = echeance(cle);
    if (fin == datezero() || aujourdhui < fin)
        return {};
    return cle;
}

Mention mention(const TableTaux &table, qint16 annee, const QDate &aujourdhui)
{
    QStringList textes, bulles;
    if (!tauxofficiel(annee)) {
        textes << QStringLiteral("taux non officiel");
        bulles << bullenonofficiel;
    }
    const QString cle = dernierconnu(table, aujourdhui);
    if (!cle.isEmpty()) {
        textes << QStringLiteral("dernier semestre connu : ") + cle;
        bulles << QStringLiteral("Le fichier des taux s'arrête au semestre %1 : les semestres suivants n'y sont "
                                 "pas. Pour en ajouter un, « Mise à jour » puis « Mise à jour manuelle ».")
                      .arg(cle);
    }
    return {textes.join(u'\n'), bulles.join(u'\n')};
}

} // namespace taux
