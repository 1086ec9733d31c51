// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "update/acceptation.h"

#include "rates/periodes.h"
#include "rates/tabletaux.h"

namespace maj {

QByteArray contenufichier(const QByteArray &corps)
{
    return corps + "\r\n";
}

std::optional<int> rangsemestre(const QString &cle)
{
    if (cle.size() != 6 || (cle.at(0) != u'1' && cle.at(0) != u'2') || cle.at(1) != u'S')
        return std::nullopt;
    int annee = 0;
    for (const QChar c : cle.mid(2)) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        annee = annee * 10 + c.digitValue();
    }
    return annee * 2 + (cle.at(0) == u'2' ? 1 : 0);
}

bool acceptecorps(int statut, const QByteArray &corps, const QString &cleenusage)
{
    if ((statut != 200 && statut != 203) || corps.isEmpty() || corps.size() > taillemaxcorps ||
        corps.contains("Not Found"))
        return false;
    taux::TableTaux essai;
    if (taux::lisentrees(essai, contenufichier(corps)) != taux::Chargement::Ok || essai.nbtaux < 0)
        return false;
    const auto annees = taux::listeannees(essai);
    if (!annees || annees->isEmpty())
        return false;
    // Clés bien formées, strictement du plus récent au plus ancien.
    std::optional<int> precedent;
    for (int i = 0; i <= essai.nbtaux; ++i) {
        const auto rang = rangsemestre(essai.periodes[i]);
        if (!rang || (precedent && *rang >= *precedent))
            return false;
        precedent = rang;
    }
    // Pas plus ancien que la table en usage (une clé en usage mal formée est plus ancienne).
    const auto enusage = rangsemestre(cleenusage);
    if (enusage && *rangsemestre(essai.periodes[0]) < *enusage)
        return false;
    return essai.taux[0] > 0 && essai.taux[0] < 100;
}

} // namespace maj
