// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "fuzz/commun.h"

#include "calc/detail.h"
#include "calc/tableau.h"

#include <QLocale>

#include <cstdio>
#include <cstdlib>

namespace fuzz {

void echec(const char *invariant, const QString &detail)
{
    std::fprintf(stderr, "\n*** Invariant violé : %s\n", invariant);
    if (!detail.isEmpty())
        std::fprintf(stderr, "*** %s\n", detail.toUtf8().constData());
    std::fflush(stderr);
    std::abort();
}

const QLocale &francais()
{
    static const QLocale l(QLocale::French, QLocale::France);
    return l;
}

const QLocale &anglais()
{
    static const QLocale l(QLocale::English, QLocale::UnitedStates);
    return l;
}

bool formecellule(const QString &texte, const QLocale &regional)
{
    const qsizetype debut = texte.startsWith(u'-') ? 1 : 0;
    const qsizetype sep = texte.size() - 3;
    if (sep <= debut || texte.mid(sep, 1) != regional.decimalPoint())
        return false;
    for (qsizetype i = debut; i < texte.size(); ++i)
        if (i != sep && (texte.at(i) < u'0' || texte.at(i) > u'9'))
            return false;
    return true;
}

long long centimes(const QString &texte)
{
    long long c = 0;
    for (const QChar ch : texte)
        if (ch >= u'0' && ch <= u'9')
            c = c * 10 + (ch.unicode() - u'0');
    return texte.startsWith(u'-') ? -c : c;
}

bool nombrefini(const QString &texte)
{
    return !texte.contains(QStringLiteral("nan"), Qt::CaseInsensitive) &&
           !texte.contains(QStringLiteral("inf"), Qt::CaseInsensitive);
}

void verifietableau(const calcul::Tableau &t, const QLocale &regional)
{
    if (!t.complet)
        return;
    exige(t.colonnes >= 1 && t.colonnes <= calcul::colonnesmax, "colonnes d'un tableau complet");
    exige(t.cellules.size() == static_cast<std::size_t>(calcul::lignesmois * (t.colonnes - 1)),
          "toutes les cellules d'un tableau complet");
    for (const QString &c : t.cellules)
        exige(formecellule(c, regional), "cellule d'un tableau complet", c);
}

void verifiedetail(const calcul::Detail &d, const QLocale &regional)
{
    if (!d.complet)
        return;
    for (const auto &v : d.v)
        exige(v && nombrefini(*v), "valeurs d'un détail complet", v ? *v : QString());
    exige(formecellule(*d.v[13], regional), "résultat d'un détail complet", *d.v[13]);
}

} // namespace fuzz
