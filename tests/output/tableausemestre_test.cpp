// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "output/tableausemestre.h"

#include "rates/tabletaux.h"
#include "tests/affichage.h"

#include <QDate>
#include <QLocale>

#include <gtest/gtest.h>

namespace {

taux::TableTaux table(const QByteArray &contenu)
{
    taux::TableTaux t;
    EXPECT_EQ(taux::lisentrees(t, contenu), taux::Chargement::Ok);
    return t;
}

const QDate fin2010(2010, 12, 31), debut2011(2011, 1, 1);
const QByteArray contenu = "2S2010\t5.38\r\n1S2010\t3.47\r\n2S2009\t0\r\n1S2009\t6.69\r\n";

// Le tableau d'une clé et d'un montant : semestre, taux, montant, mention, ligne des 3 mois.
TEST(TableauSemestre, ChoixEtMontant)
{
    struct Cas
    {
        const char *nom;
        QString cle, montant;
        QDate aujourdhui;
        QString semestre;      // ligne du semestre de la copie
        QString tauxannuel;    // intitulé du taux
        QStringList mention;   // lignes de la mention
        QStringList troismois; // ligne des 3 mois
    };
    const Cas cas[] = {
        {"défaut : 2d semestre de la première année",
         "",
         "100",
         fin2010,
         "2d semestre 2010",
         " 5.38 %",
         {},
         {"3", "99,10", "99,83", "99,66", "99,50", "99,33", "99,17"}},
        {"clé, taux non officiel",
         "1S2010",
         "100",
         fin2010,
         "1er semestre 2010",
         " 3.47 %",
         {"taux non officiel"},
         {"3", "99,42", "99,83", "99,66", "99,50"}},
        {"dernier semestre connu",
         "",
         "100",
         debut2011,
         "2d semestre 2010",
         " 5.38 %",
         {"dernier semestre connu : 2d semestre 2010"},
         {"3", "99,10", "99,83", "99,66", "99,50", "99,33", "99,17"}},
        {"montant gardé tel que saisi",
         "1S2010",
         " 200 €",
         fin2010,
         "1er semestre 2010",
         " 3.47 %",
         {"taux non officiel"},
         {"3", "198,84", "199,66", "199,32", "199,00"}},
    };
    const auto t = table(contenu);
    const QLocale francais(QLocale::French, QLocale::France);
    for (const Cas &c : cas) {
        SCOPED_TRACE(c.nom);
        const sortie::TableauSemestre r = sortie::tableausemestre(t, c.cle, c.montant, francais, c.aujourdhui);
        ASSERT_EQ(r.refus, sortie::Refus::aucun);
        EXPECT_EQ(sortie::textecopie(r.copie).split(QStringLiteral("\r\n")).at(1), c.semestre);
        EXPECT_EQ(r.copie.tauxannuel, c.tauxannuel);
        EXPECT_EQ(r.copie.montant, c.montant);
        EXPECT_EQ(r.copie.mention, c.mention);
        ASSERT_EQ(r.copie.lignes, 35);
        ASSERT_EQ(r.copie.colonnes, c.troismois.size());
        EXPECT_EQ(r.copie.cellules.mid(0, 2), QStringList({"Mois", "Crédit gratuit"}));
        EXPECT_EQ(r.copie.cellules.mid(r.copie.colonnes, r.copie.colonnes), c.troismois);
        EXPECT_EQ(r.copie.cellules.at(34 * r.copie.colonnes), QStringLiteral("36"));
    }
}

// Refus : sa raison et un morceau de son message.
TEST(TableauSemestre, Refus)
{
    struct Cas
    {
        const char *nom;
        QString cle, montant;
        sortie::Refus refus;
        QString message;
    };
    const Cas cas[] = {
        {"clé mal écrite", "3S2010", "100", sortie::Refus::clemalformee, "« 3S2010 » mal écrit"},
        {"année sur deux chiffres", "1S10", "100", sortie::Refus::clemalformee, "1S2024"},
        {"s minuscule", "1s2010", "100", sortie::Refus::clemalformee, "« 1s2010 »"},
        {"clé absente", "1S2011", "100", sortie::Refus::cleinconnue, "pas de taux pour le semestre « 1S2011 »"},
        {"taux nul", "2S2009", "100", sortie::Refus::cleinconnue, "« 2S2009 »"},
        {"montant sans nombre", "", "abc", sortie::Refus::montant, "« abc » ne commence pas par un nombre"},
        {"montant vide", "", "", sortie::Refus::montant, "le montant est vide"},
        {"montant incalculable", "", "1e308", sortie::Refus::calcul, "calcul impossible"},
    };
    const auto t = table(contenu);
    for (const Cas &c : cas) {
        SCOPED_TRACE(c.nom);
        const auto r = sortie::tableausemestre(t, c.cle, c.montant, QLocale(QLocale::French), fin2010);
        EXPECT_EQ(r.refus, c.refus);
        const QString message = sortie::messagerefus(r.refus, c.cle, c.montant);
        EXPECT_TRUE(message.contains(c.message)) << message.toStdString();
    }
}

TEST(TableauSemestre, TableSansAnnee)
{
    const auto r = sortie::tableausemestre(taux::TableTaux{}, {}, QStringLiteral("100"), QLocale::c(), {2026, 1, 1});
    EXPECT_EQ(r.refus, sortie::Refus::taux);
    EXPECT_FALSE(sortie::messagerefus(r.refus, {}, {}).isEmpty());
}

} // namespace
