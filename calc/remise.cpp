// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "calc/remise.h"

#include "calc/textes.h"

#include <QLocale>

#include <cstdlib>

namespace calcul {

namespace {

constexpr int chiffresmax = 18; // un qint64 les tient tous

// Centimes d'un texte au motif « 0.00 » : signe, chiffres, séparateur, deux chiffres.
std::optional<qint64> centimes(const QString &texte, const QString &separateur)
{
    const bool negatif = texte.startsWith(u'-');
    QString chiffres = negatif ? texte.mid(1) : texte;
    const qsizetype point = chiffres.size() - 3;
    if (point < 1 || chiffres.mid(point, separateur.size()) != separateur)
        return std::nullopt;
    chiffres.remove(point, separateur.size());
    if (chiffres.size() > chiffresmax)
        return std::nullopt;
    for (const QChar c : chiffres)
        if (c < u'0' || c > u'9')
            return std::nullopt;
    const qint64 n = chiffres.toLongLong();
    return negatif ? -n : n;
}

QString textecentimes(qint64 n, const QString &separateur)
{
    const qint64 absolu = std::llabs(n);
    const QString signe = n < 0 ? QStringLiteral("-") : QString();
    return signe + QString::number(absolu / 100) + separateur + QString::number(absolu % 100).rightJustified(2, u'0');
}

} // namespace

std::optional<QString> ligneremise(double montantlu, const QString &prix, const QLocale &regional)
{
    const QString separateur = regional.decimalPoint();
    const QString montant = textecellule(montantlu, regional);
    const auto a = centimes(montant, separateur);
    const auto p = centimes(prix, separateur);
    if (!a || !p)
        return std::nullopt;
    return QStringLiteral("Remise = ") + montant + QStringLiteral(" − ") + prix + QStringLiteral(" = ") +
           textecentimes(*a - *p, separateur);
}

} // namespace calcul
