// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "calc/textes.h"

#include "tests/affichage.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace {

const QLocale francais(QLocale::French, QLocale::France);
const QLocale anglais(QLocale::English, QLocale::UnitedStates);

struct CasTexte
{
    double valeur;
    const char *francais;
    const char *anglais;
    friend void PrintTo(const CasTexte &c, std::ostream *os) { *os << c.francais; }
};

class Cellule : public ::testing::TestWithParam<CasTexte>
{
};

TEST_P(Cellule, MotifDeuxDecimales)
{
    const auto &c = GetParam();
    EXPECT_EQ(calcul::textecellule(c.valeur, francais), QString::fromUtf8(c.francais));
    EXPECT_EQ(calcul::textecellule(c.valeur, anglais), QString::fromUtf8(c.anglais));
}

INSTANTIATE_TEST_SUITE_P(Cas, Cellule,
                         ::testing::Values(CasTexte{99.42, "99,42", "99.42"}, CasTexte{-99.42, "-99,42", "-99.42"},
                                           CasTexte{0, "0,00", "0.00"}, CasTexte{1469.4, "1469,40", "1469.40"},
                                           CasTexte{123456.5, "123456,50", "123456.50"},
                                           CasTexte{12.2675, "12,27", "12.27"}, CasTexte{0.125, "0,13", "0.13"},
                                           CasTexte{-0.125, "-0,13", "-0.13"}, CasTexte{0.004, "0,00", "0.00"},
                                           CasTexte{0.005, "0,01", "0.01"}, CasTexte{9.995, "10,00", "10.00"},
                                           CasTexte{1491.7971, "1491,80", "1491.80"},
                                           CasTexte{1e20, "100000000000000000000,00", "100000000000000000000.00"}));

class Nombre : public ::testing::TestWithParam<CasTexte>
{
};

TEST_P(Nombre, QuinzeChiffres)
{
    const auto &c = GetParam();
    EXPECT_EQ(calcul::textenombre(c.valeur, francais), QString::fromUtf8(c.francais));
    EXPECT_EQ(calcul::textenombre(c.valeur, anglais), QString::fromUtf8(c.anglais));
}

INSTANTIATE_TEST_SUITE_P(Cas, Nombre,
                         ::testing::Values(CasTexte{1.0028916666666667, "1,00289166666667", "1.00289166666667"},
                                           CasTexte{0.98, "0,98", "0.98"}, CasTexte{0.9942, "0,9942", "0.9942"},
                                           CasTexte{3.47, "3,47", "3.47"}, CasTexte{2, "2", "2"},
                                           CasTexte{1.0016666666666667, "1,00166666666667", "1.00166666666667"},
                                           CasTexte{-0.5, "-0,5", "-0.5"}, CasTexte{0.00001, "0,00001", "0.00001"},
                                           CasTexte{0.000001, "1E-06", "1E-06"}, CasTexte{1e15, "1E+15", "1E+15"},
                                           CasTexte{123456789012345, "123456789012345", "123456789012345"}));

TEST(Intitule, TauxAnnuel)
{
    EXPECT_EQ(calcul::textetaux(3.47), QStringLiteral(" 3.47 %"));
    EXPECT_EQ(calcul::textetaux(4), QStringLiteral(" 4 %"));
    EXPECT_EQ(calcul::textetaux(0.65), QStringLiteral(" .65 %"));
    EXPECT_EQ(calcul::textetaux(0), QStringLiteral(" 0 %"));
    EXPECT_EQ(calcul::textetaux(-0.65), QStringLiteral("-.65 %"));
    EXPECT_EQ(calcul::textetaux(-2.5), QStringLiteral("-2.5 %"));
}

TEST(Lecture, Tolerante)
{
    EXPECT_EQ(calcul::lecturetolerante(QStringLiteral("1 500")).value(), 1500);
    EXPECT_EQ(calcul::lecturetolerante(QStringLiteral("1500,50")).value(), 1500);
    EXPECT_EQ(calcul::lecturetolerante(QStringLiteral("1500.50")).value(), 1500.5);
    EXPECT_EQ(calcul::lecturetolerante(QStringLiteral("1\u202F469,40")).value(), 1469);
    EXPECT_EQ(calcul::lecturetolerante(QStringLiteral("1D2")).value(), 1);
    EXPECT_EQ(calcul::lecturetolerante(QStringLiteral("abc")).value(), 0);
    EXPECT_EQ(calcul::lecturetolerante(QString()).value(), 0);
    EXPECT_FALSE(calcul::lecturetolerante(QStringLiteral("1e999")).has_value());
}

TEST(Lecture, Regionale)
{
    EXPECT_EQ(calcul::lectureregionale(QStringLiteral("1500,50"), francais).value(), 1500.5);
    EXPECT_EQ(calcul::lectureregionale(QStringLiteral(" 100 "), francais).value(), 100);
    EXPECT_EQ(calcul::lectureregionale(QStringLiteral("1 500,5"), francais).value(), 1500.5);
    EXPECT_EQ(calcul::lectureregionale(QStringLiteral("1500.50"), anglais).value(), 1500.5);
    EXPECT_EQ(calcul::lectureregionale(QStringLiteral("-100"), anglais).value(), -100);
    for (const char *illisible : {"", "  ", "abc", "12abc", "1e999"}) {
        EXPECT_FALSE(calcul::lectureregionale(QString::fromUtf8(illisible), francais).has_value()) << illisible;
        EXPECT_FALSE(calcul::lectureregionale(QString::fromUtf8(illisible), anglais).has_value()) << illisible;
    }
}

} // namespace
