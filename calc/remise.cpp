// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "calc/remise.h"

#include "calc/textes.h"

#include <QLocale>

namespace calcul {

QString ligneremise(qint64 montant, qint64 prix, const QLocale &regional)
{
    const QString separateur = regional.decimalPoint();
    return QStringLiteral("Remise = ") + textecentimes(montant, separateur) + QStringLiteral(" − ") +
           textecentimes(prix, separateur) + QStringLiteral(" = ") + textecentimes(montant - prix, separateur);
}

} // namespace calcul
