// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "update/acceptation.h"

#include "rates/periodes.h"
#include "rates/semestre.h"
#include "rates/tabletaux.h"

#include <QHash>

#include <algorithm>

#include <vector>

namespace maj {

namespace {

using taux::Semestre;

// Taux des clés bien formées qui ne figurent qu'une fois dans la table en usage.
QHash<QString, double> clesuniques(const taux::TableTaux &t)
{
    QHash<QString, int> nombre;
    for (int i = 0; i <= t.nbtaux; ++i)
        ++nombre[t.periodes[i]];
    QHash<QString, double> uniques;
    for (int i = 0; i <= t.nbtaux; ++i)
        if (nombre.value(t.periodes[i]) == 1 && Semestre::lit(t.periodes[i]))
            uniques.insert(t.periodes[i], t.taux[i]);
    return uniques;
}

// Aucun semestre en usage perdu, aucun dernier taux coupé : la raison du refus, vide sinon.
QString gardelessemestres(const taux::TableTaux &essai, const QByteArray &corps, const taux::TableTaux &enusage)
{
    const QHash<QString, double> uniques = clesuniques(enusage);
    const int dernier = essai.nbtaux;
    const Semestre plusancien = *Semestre::lit(essai.periodes[dernier]);
    const bool plein = dernier + 1 == taux::capacite;
    // Du plus récent au plus ancien, pour nommer le premier semestre perdu.
    for (int i = 0; i <= enusage.nbtaux; ++i) {
        const QString &cle = enusage.periodes[i];
        if (!uniques.contains(cle) || (plein && *Semestre::lit(cle) < plusancien))
            continue;
        if (std::find(essai.periodes.cbegin(), essai.periodes.cbegin() + dernier + 1, cle) ==
            essai.periodes.cbegin() + dernier + 1)
            return QStringLiteral("%1 absent du fichier téléchargé").arg(cle);
    }
    const auto enusagedernier = uniques.constFind(essai.periodes[dernier]);
    const bool finligne = corps.endsWith('\n') || corps.endsWith('\r');
    if (enusagedernier == uniques.cend() || *enusagedernier == essai.taux[dernier] || finligne)
        return {};
    return QStringLiteral("fichier téléchargé coupé dans son dernier taux");
}

} // namespace

QByteArray contenufichier(const QByteArray &corps)
{
    return corps + "\r\n";
}

QString refuscorps(int statut, const QByteArray &corps, const taux::TableTaux &enusage, const QDate &aujourdhui)
{
    if (statut != 200 && statut != 203)
        return QStringLiteral("réponse du serveur %1").arg(statut);
    if (corps.isEmpty())
        return QStringLiteral("fichier téléchargé vide");
    if (corps.size() > taillemaxcorps)
        return QStringLiteral("fichier téléchargé de plus de 1 Mio");
    if (corps.contains("Not Found") || corps.contains('\0'))
        return QStringLiteral("fichier téléchargé qui n'est pas un fichier des taux");
    taux::TableTaux essai;
    const auto annees = taux::lisentrees(essai, contenufichier(corps)) == taux::Chargement::Ok && essai.nbtaux >= 0
                            ? taux::listeannees(essai)
                            : std::nullopt;
    if (!annees || annees->isEmpty())
        return QStringLiteral("fichier téléchargé illisible");
    // Clés bien formées, strictement du plus récent au plus ancien.
    std::vector<Semestre> semestres;
    for (int i = 0; i <= essai.nbtaux; ++i) {
        const auto s = Semestre::lit(essai.periodes[i]);
        if (!s || (!semestres.empty() && !(*s < semestres.back())))
            return QStringLiteral("« %1 » mal formé ou hors de l'ordre dans le fichier téléchargé")
                .arg(essai.periodes[i]);
        semestres.push_back(*s);
    }
    // Ni plus ancien que la table en usage, ni au-delà du semestre qui suit aujourd'hui.
    const auto tete = enusage.nbtaux >= 0 ? Semestre::lit(enusage.periodes[0]) : std::nullopt;
    if (tete && semestres.front() < *tete)
        return QStringLiteral("%1 absent du fichier téléchargé").arg(enusage.periodes[0]);
    if (Semestre::de(aujourdhui).suivant() < semestres.front())
        return QStringLiteral("%1 trop lointain dans le fichier téléchargé").arg(essai.periodes[0]);
    if (!(essai.taux[0] > 0 && essai.taux[0] < 100))
        return QStringLiteral("taux de %1 hors limites dans le fichier téléchargé").arg(essai.periodes[0]);
    for (int i = 1; i <= essai.nbtaux; ++i)
        if (!(essai.taux[i] >= 0 && essai.taux[i] < 100))
            return QStringLiteral("taux de %1 hors limites dans le fichier téléchargé").arg(essai.periodes[i]);
    return gardelessemestres(essai, corps, enusage);
}

bool acceptecorps(int statut, const QByteArray &corps, const taux::TableTaux &enusage, const QDate &aujourdhui)
{
    return refuscorps(statut, corps, enusage, aujourdhui).isEmpty();
}

} // namespace maj
