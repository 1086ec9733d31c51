// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Remise en euros : le montant lu moins le prix, au centime.

#include <QString>

class QLocale;

namespace calcul {

// « Remise = 1234,56 − 1224,19 = 10,37 » : le montant lu et le prix en centimes entiers, tels
// que les montrent leurs cellules, puis leur différence.
QString ligneremise(qint64 montant, qint64 prix, const QLocale &regional);

} // namespace calcul
