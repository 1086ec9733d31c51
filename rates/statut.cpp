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

std::optional<long long> centiemespublies(const QString &cle)
{
    for (const Publie &p : publies)
        if (cle == QLatin1String(p.cle))
            return p.centiemes;
    return std::nullopt;
}

Nature nature(const QString &cle, double taux)
{
    const double centiemes = std::round(taux * 100);
    for (const Publie &p : publies)
        if (cle == QLatin1String(p.cle))
            return centiemes == static_cast<double>(p.centiemes) ? Nature::publie : Nature::nonofficiel;
    return Nature::nonofficiel;
}

Nature nature(const TableTaux &table, int i)
{
    return table.saisies[i].saisi() ? Nature::saisi : nature(table.periodes[i], table.taux[i]);
}

QList<LigneTaux> listetaux(const TableTaux &table)
{
    QList<LigneTaux> lignes;
    for (int i = 0; i <= table.nbtaux; ++i) {
        LigneTaux l{table.periodes[i], table.taux[i], nature(table, i), table.saisies[i], {}};
        switch (l.nature) {
        case Nature::publie:
            l.textenature = QStringLiteral("publié au Journal officiel");
            break;
        case Nature::nonofficiel:
            l.textenature = QStringLiteral("non officiel");
            break;
        case Nature::saisi:
            l.textenature = QStringLiteral("saisi le ") + l.saisie.date.toString(QStringLiteral("dd/MM/yyyy"));
            break;
        }
        lignes << l;
    }
    return lignes;
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
    const QString cle = semestre.cle();
    int indice = -1; // première entrée de la clé, celle que lit tauxperiode
    for (int i = 0; i <= table.nbtaux && indice < 0; ++i)
        if (table.periodes[i] == cle)
            indice = i;
    if (indice >= 0 && table.saisies[indice].saisi()) {
        const InfoSaisie &info = table.saisies[indice];
        textes << QStringLiteral("taux saisi le ") + info.date.toString(QStringLiteral("dd/MM/yyyy"));
        QString bulle = QStringLiteral("Taux saisi dans le fichier des taux");
        if (!info.tmop.isEmpty())
            bulle += QStringLiteral(", tiré d'un TMOP de %1").arg(QString(info.tmop).replace(u'.', u','));
        bulle += info.source.isEmpty() ? QStringLiteral(", sans source indiquée.")
                                       : QStringLiteral(". Source : ") + info.source;
        bulles << bulle;
    } else if (nature(cle, t) != Nature::publie) {
        textes << QStringLiteral("taux non officiel");
        bulles << bullenonofficiel;
    }
    const auto dernier = Semestre::lit(dernierconnu(table, aujourdhui));
    if (dernier) {
        const QString libelle = dernier->libelle();
        textes << QStringLiteral("dernier semestre connu : ") + libelle;
        bulles << QStringLiteral("Le fichier des taux s'arrête au %1 : les semestres suivants n'y sont "
                                 "pas. Pour en ajouter un : « Ajouter un taux », sous le taux.")
                      .arg(libelle);
    }
    return {textes.join(u'\n'), bulles.join(u'\n')};
}

} // namespace taux
