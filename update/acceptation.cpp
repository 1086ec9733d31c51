// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "update/acceptation.h"

#include "rates/periodes.h"
#include "rates/semestre.h"
#include "rates/tabletaux.h"

#include <QHash>
#include <QSet>

#include <algorithm>

#include <vector>

namespace maj {

namespace {

using taux::Semestre;

// Clés bien formées qui ne figurent qu'une fois dans la table en usage.
QSet<QString> clesuniques(const taux::TableTaux &t)
{
    QHash<QString, int> nombre;
    for (int i = 0; i <= t.nbtaux; ++i)
        ++nombre[t.periodes[i]];
    QSet<QString> uniques;
    for (int i = 0; i <= t.nbtaux; ++i)
        if (nombre.value(t.periodes[i]) == 1 && Semestre::lit(t.periodes[i]))
            uniques.insert(t.periodes[i]);
    return uniques;
}

// Vrai quand la table en usage a une entrée de cette clé avec ce taux.
bool entreeenusage(const taux::TableTaux &t, const QString &cle, double valeur)
{
    for (int i = 0; i <= t.nbtaux; ++i)
        if (t.periodes[i] == cle && t.taux[i] == valeur)
            return true;
    return false;
}

// Aucun semestre en usage perdu, aucune dernière entrée coupée : sans fin de ligne finale,
// la dernière entrée doit être une entrée en usage, clé et taux (une entrée neuve, plus ancienne
// que toutes, peut être coupée n'importe où). La raison du refus, vide sinon.
QString gardelessemestres(const taux::TableTaux &essai, const QByteArray &corps, const taux::TableTaux &enusage)
{
    const QSet<QString> uniques = clesuniques(enusage);
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
    const bool finligne = corps.endsWith('\n') || corps.endsWith('\r');
    if (finligne || entreeenusage(enusage, essai.periodes[dernier], essai.taux[dernier]))
        return {};
    return QStringLiteral("fichier téléchargé coupé dans sa dernière ligne");
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
