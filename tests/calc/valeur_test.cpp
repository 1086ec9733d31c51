// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "calc/valeur.h"

#include "tests/affichage.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using calcul::ErreurCalcul;
using calcul::renvoivaleur;

struct CasValeur
{
    double montant;
    qint16 nbmois;
    double tannuel;
    double attendu;
    friend void PrintTo(const CasValeur &c, std::ostream *os)
    {
        *os << c.montant << " sur " << c.nbmois << " mois à " << c.tannuel;
    }
};

class Valeur : public ::testing::TestWithParam<CasValeur>
{
};

TEST_P(Valeur, Exacte)
{
    const auto &c = GetParam();
    EXPECT_EQ(renvoivaleur(c.montant, c.nbmois, c.tannuel), c.attendu)
        << c.montant << " sur " << c.nbmois << " mois à " << c.tannuel;
}

INSTANTIATE_TEST_SUITE_P(Cas, Valeur,
                         ::testing::Values(CasValeur{100, 3, 3.47, 99.42}, CasValeur{100, 12, 3.47, 98.14},
                                           CasValeur{100, 36, 3.47, 94.84}, CasValeur{1500, 10, 4.5, 1469.40},
                                           CasValeur{12.5, 12, 3.47, 12.27}, CasValeur{-100, 3, 3.47, -99.42},
                                           CasValeur{100, 3, 1, 99.83}, CasValeur{100, 36, 1, 98.47},
                                           CasValeur{100, 3, 2, 99.66}, CasValeur{100, 3, 3, 99.50},
                                           CasValeur{0, 12, 3.47, 0}, CasValeur{-0.0, 12, 3.47, 0}));

TEST(Coefficient, TronqueSansArrondir)
{
    // C = 0.979680... : la troncature garde 0.9796.
    EXPECT_EQ(calcul::coefficient(calcul::facteurmensuel(4.5), 10), 0.9796);
    EXPECT_EQ(calcul::facteurmensuel(3.47), 1.0028916666666667);
}

// Avis du 1er semestre 2008 (taux 6,98 %, JO du 13 janvier 2008) : valeur actuelle d'une unité de
// crédit sur 3 à 24 mois, à trois décimales. C4 arrondi (moitié vers le haut) à trois décimales
// redonne chacune d'elles (la troncature à quatre décimales ne franchit aucune limite d'arrondi).
TEST(Coefficient, TableauPublie1S2008)
{
    const int publies[] = {988, 986, 983, 980, 977, 974, 972, 969, 966, 963, 960,
                           958, 955, 952, 950, 947, 944, 941, 939, 936, 933, 931};
    for (int i = 0; i < 22; ++i) {
        const auto nbmois = static_cast<qint16>(i + 3);
        const auto c4 = std::llround(calcul::coefficient(calcul::facteurmensuel(6.98), nbmois) * 10000);
        EXPECT_EQ((c4 + 5) / 10, publies[i]) << nbmois << " mois";
    }
}

TEST(Valeur, MoitieDeCentimeVersLeHaut)
{
    // À 1200 % sur un mois, T = 2 et C4 = 0.5 exactement : V tombe sur des moitiés exactes.
    EXPECT_EQ(renvoivaleur(-194.25, 1, 1200), -97.12);
    EXPECT_EQ(renvoivaleur(194.25, 1, 1200), 97.13);
    EXPECT_EQ(renvoivaleur(-0.01, 1, 1200), 0); // -0.005 va vers zéro
}

TEST(Valeur, ErreursArithmetiques)
{
    EXPECT_THROW(renvoivaleur(100, 3, 0), ErreurCalcul);                                   // 0 / 0
    EXPECT_THROW(renvoivaleur(100, 0, 3.47), ErreurCalcul);                                // n = 0
    EXPECT_THROW(renvoivaleur(1e308, 3, 3.47), ErreurCalcul);                              // V × 100 dépasse
    EXPECT_THROW(renvoivaleur(100, 3, -1200), ErreurCalcul);                               // T = 0
    EXPECT_THROW(renvoivaleur(100, 36, 1e300), ErreurCalcul);                              // T^n dépasse
    EXPECT_THROW(renvoivaleur(std::numeric_limits<double>::max(), 3, 3.47), ErreurCalcul); // C4 × montant
    EXPECT_NO_THROW(renvoivaleur(1e300, 3, 3.47));
}

} // namespace
