// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "calc/detail.h"
#include "calc/remise.h"
#include "calc/tableau.h"

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
    EXPECT_EQ(d.remise, QStringLiteral("Remise = 100,00 − 99,42 = 0,58"));
    EXPECT_EQ(en.remise, QStringLiteral("Remise = 100.00 − 99.42 = 0.58"));
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
    EXPECT_EQ(d.remise, QStringLiteral("Remise = 1500,50 − 1491,80 = 8,70")); // le montant lu, pas tapé
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
    EXPECT_FALSE(lettres.remise.has_value());
    EXPECT_FALSE(calcul::calculedetail(3.47, 3, QString(), francais).complet);
    // Un prix qui dépasse le plus grand double n'est pas un résultat (« inf »).
    // Comme la cellule, qui ne l'affiche pas non plus.
    const calcul::Detail infini = calcul::calculedetail(-100, 3, QStringLiteral("1,7E308"), francais);
    EXPECT_FALSE(infini.complet);
    EXPECT_EQ(*infini.v[12], QStringLiteral("1,7E308"));
    EXPECT_FALSE(infini.v[13].has_value());
    EXPECT_EQ(infini.refus, calcul::Refus::depassement);
    EXPECT_EQ(nul.refus, calcul::Refus::taux);
    EXPECT_EQ(lettres.refus, calcul::Refus::montant);
    EXPECT_FALSE(calcul::construittableau(-100, QStringLiteral("1,7E308"), francais).complet);
    EXPECT_EQ(calcul::calculedetail(3.47, 3, QStringLiteral("1e12"), francais).refus, calcul::Refus::aucun);
}

// Le prix du détail est, centime pour centime, celui de la cellule.
TEST(Detail, MemePrixQueLaCellule)
{
    for (const char *montant : {"1234,56", "1500.50", "0,5", "12abc", "-100", "999999,99"}) {
        const QString texte = QString::fromUtf8(montant);
        const calcul::Tableau t = calcul::construittableau(5.06, texte, francais);
        ASSERT_TRUE(t.complet) << montant;
        for (int k = 1; k <= calcul::lignesmois; ++k)
            for (int c = 1; c < t.colonnes; ++c) {
                const double a = c == 1 ? 5.06 : c - 1;
                const calcul::Detail d = calcul::calculedetail(a, static_cast<qint16>(k + 2), texte, francais);
                ASSERT_TRUE(d.complet);
                EXPECT_EQ(*d.v[13], t.cellules[static_cast<std::size_t>((k - 1) * (t.colonnes - 1) + c - 1)])
                    << montant << " ligne " << k << " colonne " << c;
            }
    }
    EXPECT_EQ(*calcul::calculedetail(5.06, 3, QStringLiteral("1234,56"), francais).v[13], QStringLiteral("1224,19"));
}

// La ligne écrit les centimes du montant et du prix puis leur différence ; le détail lui donne
// ceux que montrent les cellules, jusqu'à 18 chiffres.
TEST(Detail, LigneDeRemise)
{
    const struct
    {
        qint64 montant;
        qint64 prix;
        const char *ligne;
    } cas[] = {
        {123456, 122419, "Remise = 1234,56 − 1224,19 = 10,37"},
        {10000, 10050, "Remise = 100,00 − 100,50 = -0,50"}, // taux négatif
        {-10000, -9942, "Remise = -100,00 − -99,42 = -0,58"},
        {0, 0, "Remise = 0,00 − 0,00 = 0,00"},
        {999999999999999999, -999999999999999999,
         "Remise = 9999999999999999,99 − -9999999999999999,99 = 19999999999999999,98"},
    };
    for (const auto &c : cas)
        EXPECT_EQ(calcul::ligneremise(c.montant, c.prix, francais), QString::fromUtf8(c.ligne));

    const struct
    {
        const char *montant;
        std::optional<QString> ligne;
    } details[] = {
        {"1234,565", "Remise = 1234,57 − 1227,40 = 7,17"}, // le montant arrondi d'abord
        {"1e15", "Remise = 1000000000000000,00 − 994200000000000,00 = 5800000000000,00"},
        {"1e17", std::nullopt}, // au-delà de 18 chiffres
    };
    for (const auto &c : details) {
        const calcul::Detail d = calcul::calculedetail(3.47, 3, QString::fromUtf8(c.montant), francais);
        EXPECT_TRUE(d.complet) << c.montant;
        EXPECT_EQ(d.remise, c.ligne) << c.montant;
    }
}

} // namespace
