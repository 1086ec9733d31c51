// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Remise en euros : le montant lu moins le prix, au centime.

#include <QString>

#include <optional>

class QLocale;

namespace calcul {

// « Remise = 1234,56 − 1224,19 = 10,37 » : le montant tel que lu et le prix (texte au motif
// « 0.00 ») au motif « 0.00 », la différence prise sur ces centimes pour que la ligne tombe
// juste. nullopt quand un des deux ne s'écrit pas en centimes entiers (dépassement).
std::optional<QString> ligneremise(double montantlu, const QString &prix, const QLocale &regional);

} // namespace calcul
