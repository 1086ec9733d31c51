// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "update/refus.h"

#include "config/ini.h"

namespace maj {

namespace {
const QString section = QStringLiteral("TAUX");
const QString cle = QStringLiteral("REFUS");
} // namespace

QString dernierrefus(const QString &parametres)
{
    return config::lireini(section, cle, parametres);
}

void noterefus(const QString &parametres, const QDate &jour, const QString &raison)
{
    if (parametres.isEmpty())
        return;
    if (raison.isEmpty()) {
        if (!dernierrefus(parametres).isEmpty())
            config::ecrireini(section, cle, QString(), parametres);
        return;
    }
    config::ecrireini(
        section, cle,
        QStringLiteral("mise à jour refusée le %1 : %2").arg(jour.toString(QStringLiteral("dd/MM/yyyy")), raison),
        parametres);
}

} // namespace maj
