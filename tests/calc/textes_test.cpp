// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "calc/montant.h"
#include "calc/textes.h"

#include "tests/affichage.h"

#include <QLocale>

#include <limits>
#include <optional>

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

INSTANTIATE_TEST_SUITE_P(
    Cas, Cellule,
    ::testing::Values(CasTexte{99.42, "99,42", "99.42"}, CasTexte{-99.42, "-99,42", "-99.42"},
                      CasTexte{0, "0,00", "0.00"}, CasTexte{1469.4, "1469,40", "1469.40"},
                      CasTexte{123456.5, "123456,50", "123456.50"}, CasTexte{12.2675, "12,27", "12.27"},
                      CasTexte{0.125, "0,13", "0.13"}, CasTexte{-0.125, "-0,13", "-0.13"},
                      CasTexte{0.004, "0,00", "0.00"}, CasTexte{0.005, "0,01", "0.01"},
                      CasTexte{9.995, "10,00", "10.00"}, CasTexte{1491.7971, "1491,80", "1491.80"},
                      CasTexte{1e20, "100000000000000000000,00", "100000000000000000000.00"},
                      // -0 et ce qui s'arrondit à 0 s'écrivent sans signe.
                      CasTexte{-0.0, "0,00", "0.00"}, CasTexte{-0.004, "0,00", "0.00"},
                      // Centimes entiers autour de 10^15 : 15 chiffres significatifs.
                      CasTexte{9999999999999.99, "9999999999999,99", "9999999999999.99"},
                      CasTexte{1e13, "10000000000000,00", "10000000000000.00"},
                      CasTexte{10000000000000.01, "10000000000000,00", "10000000000000.00"},
                      CasTexte{-10000000000000.01, "-10000000000000,00", "-10000000000000.00"},
                      CasTexte{99999999999999.98, "100000000000000,00", "100000000000000.00"},
                      CasTexte{123456789012345.67, "123456789012346,00", "123456789012346.00"},
                      CasTexte{12345678901234567.0, "12345678901234600,00", "12345678901234600.00"}));

// Centimes entiers du motif, ceux que la ligne de remise reçoit.
TEST(Cellule, CentimesEntiers)
{
    const struct
    {
        double valeur;
        std::optional<qint64> centimes;
    } cas[] = {{1234.565, 123457},
               {-99.42, -9942},
               {-0.0, 0},
               {-0.004, 0},
               {-0.005, -1},
               {10000000000000.01, 1000000000000000},
               {1e15, 100000000000000000}, // 18 chiffres
               {1e16, std::nullopt},
               {std::numeric_limits<double>::infinity(), std::nullopt},
               {std::numeric_limits<double>::quiet_NaN(), std::nullopt}};
    for (const auto &c : cas)
        EXPECT_EQ(calcul::centimes(c.valeur), c.centimes) << c.valeur;
    EXPECT_EQ(calcul::textecentimes(-5, QStringLiteral(",")), QStringLiteral("-0,05"));
    EXPECT_EQ(calcul::textecentimes(std::numeric_limits<qint64>::min(), QStringLiteral(".")),
              QStringLiteral("-92233720368547758.08"));
}

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
                                           CasTexte{-0.5, "-0,5", "-0.5"}, CasTexte{-0.0, "0", "0"},
                                           CasTexte{0.00001, "0,00001", "0.00001"},
                                           CasTexte{0.000001, "1E-06", "1E-06"}, CasTexte{1e15, "1E+15", "1E+15"},
                                           CasTexte{123456789012345, "123456789012345", "123456789012345"}));

TEST(Intitule, TauxAnnuel)
{
    EXPECT_EQ(calcul::textetaux(3.47), QStringLiteral(" 3.47 %"));
    EXPECT_EQ(calcul::textetaux(4), QStringLiteral(" 4 %"));
    EXPECT_EQ(calcul::textetaux(0.65), QStringLiteral(" .65 %"));
    EXPECT_EQ(calcul::textetaux(0), QStringLiteral(" 0 %"));
    EXPECT_EQ(calcul::textetaux(-0.0), QStringLiteral(" 0 %"));
    EXPECT_EQ(calcul::textetaux(-0.65), QStringLiteral("-.65 %"));
    EXPECT_EQ(calcul::textetaux(-2.5), QStringLiteral("-2.5 %"));
}

// Lecture du montant : valeur et arrêt avant un reste, en français puis en anglais.
struct CasMontant
{
    const char *texte;
    double francais;
    bool arretfr;
    double anglais;
    bool arreten;
    friend void PrintTo(const CasMontant &c, std::ostream *os) { *os << '"' << c.texte << '"'; }
};

class Montant : public ::testing::TestWithParam<CasMontant>
{
};

TEST_P(Montant, UneSeuleLecture)
{
    const auto &c = GetParam();
    const calcul::MontantLu fr = calcul::litmontant(QString::fromUtf8(c.texte), francais);
    const calcul::MontantLu en = calcul::litmontant(QString::fromUtf8(c.texte), anglais);
    ASSERT_TRUE(fr.valeur.has_value());
    ASSERT_TRUE(en.valeur.has_value());
    EXPECT_EQ(*fr.valeur, c.francais);
    EXPECT_EQ(fr.arrete, c.arretfr);
    EXPECT_EQ(*en.valeur, c.anglais);
    EXPECT_EQ(en.arrete, c.arreten);
}

INSTANTIATE_TEST_SUITE_P(
    Cas, Montant,
    ::testing::Values(
        CasMontant{"1234,56", 1234.56, false, 1234, true}, CasMontant{"1234.56", 1234.56, false, 1234.56, false},
        CasMontant{"1 234,56 €", 1234.56, false, 1234, true},
        CasMontant{"1\u202F234,56\u00A0€", 1234.56, false, 1234, true},
        CasMontant{"1,500.50", 1.5, true, 1500.5, false}, CasMontant{"1500,50", 1500.5, false, 1500, true},
        CasMontant{"1.234,56", 1.234, true, 1.234, true}, CasMontant{"1,5000", 1.5, false, 1, true},
        CasMontant{"1,234,567", 1.234, true, 1234567, false}, CasMontant{"12abc", 12, true, 12, true},
        CasMontant{"abc", 0, true, 0, true}, CasMontant{"", 0, false, 0, false},
        CasMontant{"1 500", 1500, false, 1500, false}, CasMontant{"1\t5\n00", 1, true, 1, true},
        CasMontant{"-\u00A05", 0, true, 0, true}, CasMontant{"\u00A07", 7, false, 7, false},
        CasMontant{"1,5E3", 1500, false, 1, true}, CasMontant{"2e-1", 0.2, false, 0.2, false},
        CasMontant{"12e", 12, true, 12, true}, CasMontant{"1D2", 1, true, 1, true},
        CasMontant{"&H10", 0, true, 0, true}, CasMontant{"-", 0, true, 0, true},
        CasMontant{",500", 0.5, false, 0, true}, CasMontant{"100€x", 100, true, 100, true},
        CasMontant{"100 E 5", 100, true, 100, true}, CasMontant{"100E 5", 100, true, 100, true},
        CasMontant{"12 34", 12, true, 12, true}, CasMontant{" 1 500 000,5 ", 1500000.5, false, 1500000, true}));

TEST(Montant, SansNombreOuDepassement)
{
    for (const char *texte : {"", "abc", "-", "€"})
        EXPECT_FALSE(calcul::litmontant(QString::fromUtf8(texte), francais).nombre) << texte;
    EXPECT_TRUE(calcul::litmontant(QStringLiteral(".5"), francais).nombre);
    const calcul::MontantLu enorme = calcul::litmontant(QStringLiteral("1e999"), francais);
    EXPECT_TRUE(enorme.nombre);
    EXPECT_FALSE(enorme.valeur.has_value());
}

} // namespace
