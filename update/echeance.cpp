// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "update/echeance.h"

#include "rates/echeance.h"

namespace maj {

bool majdue(const QString &cle, const QDate &aujourdhui)
{
    return !(aujourdhui < taux::echeance(cle));
}

} // namespace maj
