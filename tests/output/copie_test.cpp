// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "output/copie.h"

#include "tests/affichage.h"

#include <gtest/gtest.h>

namespace {

sortie::EntreeCopie entree(int lignes, int colonnes, const QStringList &cellules)
{
    sortie::EntreeCopie e;
    e.premiersemestre = true;
    e.annee = QStringLiteral("2010");
    e.tauxannuel = QStringLiteral(" 3.47 %");
    e.montant = QStringLiteral("100");
    e.lignes = lignes;
    e.colonnes = colonnes;
    e.cellules = cellules;
    return e;
}

TEST(Copie, EnTeteEtCellules)
{
    const auto e = entree(2, 3, {"Mois", "Crédit gratuit", "1", "3", "99,42", "99,83"});
    EXPECT_EQ(sortie::textecopie(e), QStringLiteral("Crédit gratuit :\r\n1er semestre 2010\r\nTaux annuel :  3.47 %\r\n"
                                                    "Prix à crédit : 100\r\n\r\nMois\tCrédit gratuit\t1\r\n"
                                                    "3\t99,42\t99,83\r\n"));
}

TEST(Copie, CasLimites)
{
    auto e = entree(1, 3, {"a", "", ""});
    e.premiersemestre = false;
    e.montant.clear();
    EXPECT_EQ(sortie::textecopie(e), QStringLiteral("Crédit gratuit :\r\n2d semestre 2010\r\nTaux annuel :  3.47 %\r\n"
                                                    "Prix à crédit : \r\n\r\na\t\t\r\n"));
    const auto une = entree(2, 1, {"x", "y"});
    EXPECT_TRUE(sortie::textecopie(une).endsWith(QStringLiteral("\r\n\r\nx\r\ny\r\n")));
}

// Après le tableau, une ligne vide puis la mention du taux, telle que la fenêtre l'écrit.
TEST(Copie, MentionDuTaux)
{
    const struct
    {
        const char *nom, *mention, *fin;
    } cas[] = {
        {"publié", "", "\r\n3\t99,42\r\n"},
        {"non officiel", "taux non officiel", "\r\n3\t99,42\r\n\r\ntaux non officiel\r\n"},
        {"dernier connu", "taux non officiel\ndernier semestre connu : 1er semestre 2024",
         "\r\n3\t99,42\r\n\r\ntaux non officiel\r\ndernier semestre connu : 1er semestre 2024\r\n"},
    };
    for (const auto &c : cas) {
        auto e = entree(1, 2, {"3", "99,42"});
        e.mention = sortie::lignesmention(QString::fromUtf8(c.mention));
        const QString texte = sortie::textecopie(e);
        EXPECT_TRUE(texte.startsWith(QStringLiteral("Crédit gratuit :\r\n"))) << c.nom;
        EXPECT_TRUE(texte.endsWith(QStringLiteral("Prix à crédit : 100\r\n\r\n") + QString::fromUtf8(c.fin + 2)))
            << c.nom;
    }
}

} // namespace
