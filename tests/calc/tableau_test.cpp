// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "calc/tableau.h"
#include "rates/periodes.h"
#include "rates/tabletaux.h"

#include "tests/affichage.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace {

const QLocale francais(QLocale::French, QLocale::France);
const QLocale anglais(QLocale::English, QLocale::UnitedStates);

// Texte de la cellule (ligne k, colonne c) d'un tableau construit.
QString cellule(const calcul::Tableau &t, int k, int c)
{
    return t.cellules.at(static_cast<std::size_t>((k - 1) * (t.colonnes - 1) + (c - 1)));
}

struct LigneAttendue
{
    int ligne;
    const char *valeurs[4];
};

TEST(Tableau, Taux347EnFrancaisEtEnAnglais)
{
    const LigneAttendue lignes[] = {{1, {"99,42", "99,83", "99,66", "99,50"}},
                                    {10, {"98,14", "99,46", "98,92", "98,39"}},
                                    {34, {"94,84", "98,47", "96,98", "95,51"}}};
    for (const QLocale &regional : {francais, anglais}) {
        const calcul::Tableau t = calcul::construittableau(3.47, QStringLiteral("100"), regional);
        ASSERT_TRUE(t.complet);
        ASSERT_EQ(t.colonnes, 5);
        EXPECT_EQ(t.intitule, QStringLiteral(" 3.47 %"));
        EXPECT_EQ(t.cellules.size(), 34u * 4u);
        for (const auto &l : lignes)
            for (int c = 1; c <= 4; ++c) {
                QString attendu = QString::fromUtf8(l.valeurs[c - 1]);
                attendu.replace(u',', regional.decimalPoint());
                EXPECT_EQ(cellule(t, l.ligne, c), attendu) << "ligne " << l.ligne << " colonne " << c;
            }
    }
}

TEST(Tableau, NombreDeColonnes)
{
    const struct
    {
        double taux;
        int colonnes;
        const char *intitule;
    } cas[] = {{4, 6, " 4 %"}, {0.65, 2, " .65 %"}, {2.1, 4, " 2.1 %"}, {-0.5, 1, "-.5 %"}};
    for (const auto &c : cas) {
        const calcul::Tableau t = calcul::construittableau(c.taux, QStringLiteral("100"), francais);
        EXPECT_EQ(t.colonnes, c.colonnes) << c.taux;
        EXPECT_EQ(t.intitule, QString::fromUtf8(c.intitule));
        EXPECT_TRUE(t.complet);
        EXPECT_EQ(t.cellules.size(), static_cast<std::size_t>(34 * (c.colonnes - 1)));
    }
}

TEST(Tableau, MontantsLusSelonLaRegion)
{
    const struct
    {
        const char *montant;
        const char *francais;
        const char *anglais;
        bool arrete; // en anglais
    } cas[] = {{"", "0,00", "0.00", false},
               {"abc", "0,00", "0.00", true},
               {"-100", "-99,42", "-99.42", false},
               {"1 500", "1491,30", "1491.30", false},
               {"1500,50", "1491,80", "1491.30", true},
               {"1500.50", "1491,80", "1491.80", false}};
    for (const auto &c : cas) {
        const calcul::Tableau fr = calcul::construittableau(3.47, QString::fromUtf8(c.montant), francais);
        const calcul::Tableau en = calcul::construittableau(3.47, QString::fromUtf8(c.montant), anglais);
        ASSERT_TRUE(fr.complet && en.complet) << c.montant;
        EXPECT_EQ(cellule(fr, 1, 1), QString::fromUtf8(c.francais)) << c.montant;
        EXPECT_EQ(cellule(en, 1, 1), QString::fromUtf8(c.anglais)) << c.montant;
        EXPECT_EQ(en.montant.arrete, c.arrete) << c.montant;
    }
}

TEST(Tableau, ArretSurErreur)
{
    // Taux nul : la première cellule échoue, rien n'est produit.
    const calcul::Tableau nul = calcul::construittableau(0, QStringLiteral("100"), francais);
    EXPECT_FALSE(nul.complet);
    EXPECT_EQ(nul.colonnes, 2);
    EXPECT_TRUE(nul.cellules.empty());
    EXPECT_EQ(nul.intitule, QStringLiteral(" 0 %"));

    // Montant qui dépasse : arrêt, intitulé tout de même écrit.
    const calcul::Tableau enorme = calcul::construittableau(3.47, QStringLiteral("1e308"), francais);
    EXPECT_FALSE(enorme.complet);
    EXPECT_TRUE(enorme.cellules.empty());
    EXPECT_FALSE(calcul::construittableau(3.47, QString(400, u'9'), francais).complet);

    // Taux démesuré : pas de changement du nombre de colonnes.
    const calcul::Tableau demesure = calcul::construittableau(1e9, QStringLiteral("100"), francais);
    EXPECT_FALSE(demesure.complet);
    EXPECT_EQ(demesure.colonnes, 0);
    EXPECT_EQ(calcul::construittableau(-5, QStringLiteral("100"), francais).colonnes, 0);
}

// Le fichier livré se charge ; pour 1S2008 la colonne plein taux, sur 100, redonne les
// valeurs actuelles par unité de crédit de l'avis publié (3 à 24 mois, au millième).
TEST(Tableau, FichierLivreEtAvisDe1S2008)
{
    taux::TableTaux table;
    table.fichiertaux = QStringLiteral(BRUNELIX_TAUX_LIVRES);
    ASSERT_EQ(taux::chargetaux(table), taux::Chargement::Ok);
    const auto annees = taux::listeannees(table);
    ASSERT_TRUE(annees && !annees->isEmpty());
    EXPECT_EQ(annees->first(), QStringLiteral("2024"));

    const int avis[22] = {988, 986, 983, 980, 977, 974, 972, 969, 966, 963, 960,
                          958, 955, 952, 950, 947, 944, 941, 939, 936, 933, 931};
    const calcul::Tableau t =
        calcul::construittableau(taux::tauxperiode(table, 2008, 1), QStringLiteral("100"), francais);
    ASSERT_TRUE(t.complet);
    EXPECT_EQ(t.intitule, QStringLiteral(" 6.98 %"));
    for (int k = 1; k <= 22; ++k) {
        bool lu = false;
        const int centiemes = cellule(t, k, 1).remove(u',').toInt(&lu);
        ASSERT_TRUE(lu) << cellule(t, k, 1).toStdString();
        EXPECT_EQ((centiemes + 5) / 10, avis[k - 1]) << k + 2 << " mois";
    }
}

} // namespace
