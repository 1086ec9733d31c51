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
// que toutes, peut être coupée n'importe où).
bool gardelessemestres(const taux::TableTaux &essai, const QByteArray &corps, const taux::TableTaux &table)
{
    const QSet<QString> uniques = clesuniques(table);
    const int dernier = essai.nbtaux;
    const Semestre plusancien = *Semestre::lit(essai.periodes[dernier]);
    const bool plein = dernier + 1 == taux::capacite;
    for (const QString &cle : uniques) {
        if (plein && *Semestre::lit(cle) < plusancien)
            continue;
        if (std::find(essai.periodes.cbegin(), essai.periodes.cbegin() + dernier + 1, cle) ==
            essai.periodes.cbegin() + dernier + 1)
            return false;
    }
    const bool finligne = corps.endsWith('\n') || corps.endsWith('\r');
    return finligne || entreeenusage(table, essai.periodes[dernier], essai.taux[dernier]);
}

} // namespace

QByteArray contenufichier(const QByteArray &corps)
{
    return corps + "\r\n";
}

bool acceptecorps(int statut, const QByteArray &corps, const taux::TableTaux &enusage, const QDate &aujourdhui)
{
    if ((statut != 200 && statut != 203) || corps.isEmpty() || corps.size() > taillemaxcorps ||
        corps.contains("Not Found") || corps.contains('\0'))
        return false;
    taux::TableTaux essai;
    if (taux::lisentrees(essai, contenufichier(corps)) != taux::Chargement::Ok || essai.nbtaux < 0)
        return false;
    const auto annees = taux::listeannees(essai);
    if (!annees || annees->isEmpty())
        return false;
    // Clés bien formées, strictement du plus récent au plus ancien.
    std::vector<Semestre> semestres;
    for (int i = 0; i <= essai.nbtaux; ++i) {
        const auto s = Semestre::lit(essai.periodes[i]);
        if (!s || (!semestres.empty() && !(*s < semestres.back())))
            return false;
        semestres.push_back(*s);
    }
    // Ni plus ancien que la table en usage, ni au-delà du semestre qui suit aujourd'hui.
    const auto tete = enusage.nbtaux >= 0 ? Semestre::lit(enusage.periodes[0]) : std::nullopt;
    if ((tete && semestres.front() < *tete) || Semestre::de(aujourdhui).suivant() < semestres.front())
        return false;
    if (!(essai.taux[0] > 0 && essai.taux[0] < 100))
        return false;
    for (int i = 1; i <= essai.nbtaux; ++i)
        if (!(essai.taux[i] >= 0 && essai.taux[i] < 100))
            return false;
    return gardelessemestres(essai, corps, enusage);
}

} // namespace maj
