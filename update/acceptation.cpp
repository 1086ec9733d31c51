// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "update/acceptation.h"

#include "rates/periodes.h"
#include "rates/tabletaux.h"

namespace maj {

QByteArray contenufichier(const QByteArray &corps) { return corps + "\r\n"; }

bool acceptecorps(int statut, const QByteArray &corps)
{
    if (statut < 200 || statut > 299 || corps.isEmpty() || corps.size() > taillemaxcorps ||
        corps.contains("Not Found"))
        return false;
    taux::TableTaux essai;
    if (taux::lisentrees(essai, contenufichier(corps)) != taux::Chargement::Ok)
        return false;
    const auto annees = taux::listeannees(essai);
    return annees && !annees->isEmpty();
}

} // namespace maj
