// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "calc/detail.h"

#include "tests/affichage.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace {

const QLocale francais(QLocale::French, QLocale::France);
const QLocale anglais(QLocale::English, QLocale::UnitedStates);

QStringList textes(const calcul::Detail &d)
{
    QStringList l;
    for (const auto &v : d.v)
        l << (v ? *v : QStringLiteral("<rien>"));
    return l;
}

TEST(Detail, Ligne1Colonne1)
{
    const calcul::Detail d = calcul::calculedetail(3.47, 3, QStringLiteral("100"), francais);
    EXPECT_TRUE(d.complet);
    const QString t = QStringLiteral("1,00289166666667");
    EXPECT_EQ(textes(d),
              (QStringList{"3,47", "3", "3,47", t, t, "3", t, "3", t, "0,9942", "100", "0,9942", "100", "99,42"}));
    const calcul::Detail en = calcul::calculedetail(3.47, 3, QStringLiteral("100"), anglais);
    EXPECT_EQ(*en.v[3], QStringLiteral("1.00289166666667"));
    EXPECT_EQ(*en.v[13], QStringLiteral("99.42"));
}

TEST(Detail, Ligne34Colonne3)
{
    const calcul::Detail d = calcul::calculedetail(2, 36, QStringLiteral("100"), francais);
    EXPECT_EQ(*d.v[0], QStringLiteral("2"));
    EXPECT_EQ(*d.v[1], QStringLiteral("36"));
    EXPECT_EQ(*d.v[3], QStringLiteral("1,00166666666667"));
    EXPECT_EQ(*d.v[13], QStringLiteral("96,98"));
}

TEST(Detail, MontantLuSelonLaRegion)
{
    // 1500,50 × 0,9942 = 1491,7971 : le détail n'arrondit qu'à l'affichage.
    const calcul::Detail d = calcul::calculedetail(3.47, 3, QStringLiteral("1500,50"), francais);
    EXPECT_EQ(*d.v[10], QStringLiteral("1500,50"));
    EXPECT_EQ(*d.v[13], QStringLiteral("1491,80"));
    const calcul::Detail blancs = calcul::calculedetail(3.47, 3, QStringLiteral(" 100 "), francais);
    EXPECT_EQ(*blancs.v[12], QStringLiteral(" 100 "));
    EXPECT_TRUE(blancs.complet);
}

TEST(Detail, ArretsPartiels)
{
    const calcul::Detail nul = calcul::calculedetail(0, 3, QStringLiteral("100"), francais);
    EXPECT_FALSE(nul.complet);
    EXPECT_EQ(textes(nul), (QStringList{"0", "3", "0", "1", "1", "3", "1", "3", "1", "<rien>", "<rien>", "<rien>",
                                        "<rien>", "<rien>"}));
    const calcul::Detail lettres = calcul::calculedetail(3.47, 3, QStringLiteral("abc"), francais);
    EXPECT_FALSE(lettres.complet);
    EXPECT_EQ(*lettres.v[10], QStringLiteral("abc"));
    EXPECT_FALSE(lettres.v[13].has_value());
    EXPECT_FALSE(calcul::calculedetail(3.47, 3, QString(), francais).complet);
    // Un prix qui dépasse le plus grand double n'est pas un résultat (« inf »).
    const calcul::Detail infini = calcul::calculedetail(-100, 3, QStringLiteral("1,7E308"), francais);
    EXPECT_FALSE(infini.complet);
    EXPECT_EQ(*infini.v[12], QStringLiteral("1,7E308"));
    EXPECT_FALSE(infini.v[13].has_value());
    EXPECT_TRUE(calcul::calculedetail(-100, 3, QStringLiteral("1,5E308"), francais).complet);
}

} // namespace
