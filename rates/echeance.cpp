// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "rates/echeance.h"

#include "rates/semestre.h"

namespace taux {

QDate datezero()
{
    return QDate(1899, 12, 30);
}

QDate echeance(const QString &cle)
{
    const auto s = Semestre::lit(cle);
    if (!s)
        return datezero();
    const QDate date = s->suivant().premierjour();
    return date.isValid() ? date : datezero(); // l'an 0000 n'existe pas
}

} // namespace taux
