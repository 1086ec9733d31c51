// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "rates/nombre.h"

#include "tests/affichage.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

struct CasNombre
{
    const char *texte;
    double attendu;
    friend void PrintTo(const CasNombre &c, std::ostream *os) { *os << '"' << c.texte << '"'; }
};

class LectureNombre : public ::testing::TestWithParam<CasNombre>
{
};

TEST_P(LectureNombre, ValeurEnTete)
{
    const auto &c = GetParam();
    const auto v = taux::valnombre(std::string_view(c.texte));
    ASSERT_TRUE(v.has_value()) << c.texte;
    EXPECT_EQ(*v, c.attendu) << "texte « " << c.texte << " »";
}

INSTANTIATE_TEST_SUITE_P(Cas, LectureNombre,
                         ::testing::Values(CasNombre{"3.35", 3.35}, CasNombre{"3,35", 3}, CasNombre{"", 0},
                                           CasNombre{"abc", 0}, CasNombre{"1 500", 1500}, CasNombre{"1\t5\n00", 1500},
                                           CasNombre{"1500,50", 1500}, CasNombre{"1500.50", 1500.5},
                                           CasNombre{"12abc", 12}, CasNombre{"-100", -100}, CasNombre{"+4", 4},
                                           CasNombre{".65", 0.65}, CasNombre{"-.5", -0.5}, CasNombre{"1.2.3", 1.2},
                                           CasNombre{"2E3", 2000}, CasNombre{"2e-1", 0.2}, CasNombre{"2D2", 200},
                                           CasNombre{"5E", 5}, CasNombre{"5E+", 5}, CasNombre{"&H10", 16},
                                           CasNombre{"&HFFFF", -1}, CasNombre{"&O17", 15}, CasNombre{"&17", 15},
                                           CasNombre{"&Z", 0}, CasNombre{"1D2", 100}, CasNombre{"&H64", 100},
                                           CasNombre{"1\xC2\xA0"
                                                     "469,40",
                                                     1},
                                           CasNombre{"1\xE2\x80\xAF"
                                                     "469.4",
                                                     1},
                                           CasNombre{"-\xC2\xA0"
                                                     "5",
                                                     0},
                                           CasNombre{"\xC2\xA0"
                                                     "7",
                                                     0},
                                           CasNombre{"1\xC2"
                                                     "2",
                                                     1},
                                           CasNombre{"-", 0}, CasNombre{".", 0}, CasNombre{"1e-400", 0},
                                           CasNombre{"0.000e999", 0}, CasNombre{"1.0000000000000000000001", 1}));

TEST(LectureNombre, DepassementSansValeur)
{
    for (const char *texte : {"1e309", "-1e400", "9e99999999999", "&H100000000"})
        EXPECT_FALSE(taux::valnombre(std::string_view(texte)).has_value()) << texte;
    EXPECT_TRUE(taux::valnombre(std::string_view("1e308")).has_value());
}

TEST(LectureNombre, MoinsZeroGardeSonSigne)
{
    const auto v = taux::valnombre(std::string_view("-0"));
    ASSERT_TRUE(v);
    EXPECT_EQ(*v, 0);
    EXPECT_TRUE(std::signbit(*v));
}

TEST(LectureNombre, TexteTresLong)
{
    const std::string chiffres(10000, '7');
    EXPECT_FALSE(taux::valnombre(chiffres).has_value()); // 10^10000 dépasse
    const std::string lettres = "4.5" + std::string(10'000'000, 'x');
    EXPECT_EQ(taux::valnombre(lettres).value(), 4.5);
}

} // namespace
