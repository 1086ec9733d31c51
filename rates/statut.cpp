// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "rates/statut.h"

#include "rates/echeance.h"
#include "rates/periodes.h"
#include "rates/semestre.h"
#include "rates/tabletaux.h"

#include <QStringList>

#include <cmath>

namespace taux {

namespace {

// Les avis du Journal officiel retrouvés, en centièmes de point.
struct Publie
{
    const char *cle;
    long long centiemes;
};
constexpr Publie publies[] = {
    {"1S2007", 617}, {"2S2007", 671}, {"1S2008", 698}, {"2S2008", 681},
    {"1S2009", 669}, {"2S2009", 595}, {"1S2010", 573}, {"2S2010", 538},
};

const QString bullenonofficiel =
    QStringLiteral("Ce taux n'est pas celui d'un avis du Journal officiel. L'obligation de remise a pris fin le "
                   "1er mai 2011 (loi n° 2010-737 du 1er juillet 2010) et aucun taux n'a été publié depuis ; les "
                   "avis de 2006 n'ont pas été retrouvés. Les taux livrés hors de ces avis sont calculés selon "
                   "l'ancienne règle : 1,5 × le TMOP du semestre précédent.");

} // namespace

Nature nature(const QString &cle, double taux)
{
    const double centiemes = std::round(taux * 100);
    for (const Publie &p : publies)
        if (cle == QLatin1String(p.cle))
            return centiemes == static_cast<double>(p.centiemes) ? Nature::publie : Nature::nonofficiel;
    return Nature::nonofficiel;
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

Mention mention(const TableTaux &table, const Semestre &semestre, const QDate &aujourdhui)
{
    QStringList textes, bulles;
    const double t = tauxperiode(table, static_cast<qint16>(semestre.annee), semestre.numero);
    if (nature(semestre.cle(), t) != Nature::publie) {
        textes << QStringLiteral("taux non officiel");
        bulles << bullenonofficiel;
    }
    const QString cle = dernierconnu(table, aujourdhui);
    const auto dernier = Semestre::lit(cle);
    if (dernier) {
        const QString libelle = dernier->libelle();
        textes << QStringLiteral("dernier semestre connu : ") + libelle;
        bulles << QStringLiteral("Le fichier des taux s'arrête au %1 : les semestres suivants n'y sont "
                                 "pas. Pour en ajouter un, « Mise à jour » puis « Mise à jour manuelle ».")
                      .arg(libelle);
    }
    return {textes.join(u'\n'), bulles.join(u'\n')};
}

} // namespace taux
