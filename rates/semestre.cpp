// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "rates/semestre.h"

namespace taux {

std::optional<Semestre> Semestre::lit(const QString &cle)
{
    if (cle.size() != 6 || (cle.at(0) != u'1' && cle.at(0) != u'2') || cle.at(1) != u'S')
        return std::nullopt;
    Semestre s;
    s.numero = cle.at(0).digitValue();
    for (const QChar c : QStringView(cle).mid(2)) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        s.annee = s.annee * 10 + c.digitValue();
    }
    return s;
}

Semestre Semestre::de(const QDate &date)
{
    return {date.year(), date.month() <= 6 ? 1 : 2};
}

Semestre Semestre::suivant() const
{
    return numero == 1 ? Semestre{annee, 2} : Semestre{annee + 1, 1};
}

QDate Semestre::premierjour() const
{
    return QDate(annee, numero == 1 ? 1 : 7, 1);
}

QString Semestre::cle() const
{
    return QString::number(numero) + u'S' + QStringLiteral("%1").arg(annee, 4, 10, QLatin1Char('0'));
}

QString Semestre::libelle() const
{
    return libellesemestre(numero == 1, QString::number(annee));
}

QString libellesemestre(bool premier, const QString &annee)
{
    return (premier ? QStringLiteral("1er semestre ") : QStringLiteral("2d semestre ")) + annee;
}

} // namespace taux
