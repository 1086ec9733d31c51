// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "output/impression.h"

#include "enregistreuse.h"
#include "tests/affichage.h"

#include <QDateTime>

#include <gtest/gtest.h>

namespace {

constexpr double h = 200, entete = 8 * h; // hauteur de texte et interligne de l'enregistreuse

sortie::EntreeImpression tableau(int lignes, QList<int> largeurs)
{
    sortie::EntreeImpression e{{true, "2010", " 3.47 %", "100", lignes, int(largeurs.size()), {}}, largeurs, {}, {}};
    for (int i = 0; i < lignes * e.copie.colonnes; ++i)
        e.copie.cellules << QStringLiteral("c%1").arg(i);
    return e;
}

// Mesures et feuilles. W = 20000 donne L = 18000, p = 90 et des lignes de 380 twips.
TEST(Impression, MesuresEtFeuilles)
{
    struct Cas
    {
        const char *nom;
        int W, H;
        QList<int> largeurs;
        double L, p;
        std::vector<double> bornes;
        std::vector<int> feuilles; // lignes du tableau sur chaque feuille
    };
    const double A = 10715.4, R = 380;
    const Cas cas[] = {
        {"A4, colonnes égales",
         11906,
         99999,
         {7, 7, 7, 7, 7},
         A,
         53.577,
         {0, A / 5, 2 * A / 5, 3 * A / 5, 4 * A / 5, A},
         {3}},
        {"largeurs inégales", 10000, 99999, {1000, 2000, 1000}, 9000, 45, {0, 2250, 6750, 9000}, {3}},
        {"sans largeur utilisable", 10000, 99999, {0, 0}, 9000, 45, {0, 4500, 9000}, {3}},
        {"dernier filet pile en bas", 20000, int(entete + 3 * R), {1, 1}, 18000, 90, {0, 9000, 18000}, {3}},
        {"dernier filet trop bas", 20000, int(entete + 3 * R) - 1, {1, 1}, 18000, 90, {0, 9000, 18000}, {2, 1}},
        {"première ligne trop basse", 20000, int(entete + R) - 1, {1, 1}, 18000, 90, {0, 9000, 18000}, {0, 3}},
        {"une ligne par feuille", 20000, int(R), {1, 1}, 18000, 90, {0, 9000, 18000}, {0, 1, 1, 1}},
    };
    for (const Cas &c : cas) {
        SCOPED_TRACE(c.nom);
        Enregistreuse imp(c.W, c.H, h, h);
        const auto e = tableau(3, c.largeurs);
        EXPECT_TRUE(sortie::imprimer(imp, e));
        EXPECT_EQ(imp.documents, 1);
        ASSERT_EQ(imp.feuilles.size(), c.feuilles.size()); // ni feuille blanche ni feuille en trop
        qsizetype premiere = 0;
        for (std::size_t f = 0; f < c.feuilles.size(); ++f) {
            const int n = c.feuilles[f];
            const double haut = f ? 0 : entete, bas = haut + n * (h + 2 * c.p);
            QStringList textes, attendus = e.copie.cellules.mid(premiere, n * e.copie.colonnes);
            std::vector<Trace> hz, vt;
            for (const Trace &t : imp.feuilles[f])
                if (t.texte && t.police == QStringLiteral("Arial"))
                    textes << t.contenu;
                else if (!t.texte)
                    (t.x1 == t.x2 ? vt : hz).push_back(t);
            premiere += attendus.size();
            EXPECT_EQ(textes, attendus) << f;
            ASSERT_EQ(hz.size(), 2u * n) << f; // haut et bas de chaque ligne
            if (n) {
                EXPECT_DOUBLE_EQ(hz.front().y1, haut);
                EXPECT_DOUBLE_EQ(hz.back().y1, bas);
                EXPECT_DOUBLE_EQ(hz.front().x2, c.L);
            }
            ASSERT_EQ(vt.size(), c.bornes.size()) << f;
            for (std::size_t i = 0; i < vt.size(); ++i) {
                EXPECT_DOUBLE_EQ(vt[i].x1, c.bornes[i]) << i;
                EXPECT_DOUBLE_EQ(vt[i].y1, haut) << i;
                EXPECT_DOUBLE_EQ(vt[i].y2, bas) << i;
            }
            EXPECT_EQ(vt.back().x1, 0.9 * c.W); // la dernière borne vaut exactement L
        }
    }
}

// L'en-tête et le pied gardent la face de l'imprimante, le tableau est en Arial, tout en
// 11 points ; la face et la taille de l'imprimante lui sont rendues à la fin.
TEST(Impression, TextesEtPolices)
{
    Enregistreuse imp(20000, 20000, h, h);
    const QString face = QStringLiteral("Face choisie avant");
    imp.setPolice(face);
    imp.setTaille(7);
    auto e = tableau(1, {1, 1});
    e.copie.premiersemestre = false;
    e.copie.cellules[0] = QString(200, u'W'); // plus large que sa colonne
    e.mention = QStringList{"taux non officiel", "dernier semestre connu : 2S2010"};
    e.pied = QStringLiteral("pied");
    sortie::imprimer(imp, e);
    ASSERT_EQ(imp.feuilles.size(), 1u);
    const QString arial = QStringLiteral("Arial");
    const double tableau = entete + 2 * h, bas = tableau + h + 180; // sous les deux lignes de la mention
    const std::vector<std::tuple<QString, double, double, QString>> attendus = {
        {"Crédit gratuit :", 0, 0, face},
        {"2d semestre 2010", 0, 2 * h, face},
        {"Taux annuel :  3.47 %", 0, 4 * h, face},
        {"taux non officiel", 0, 5 * h, face},
        {"dernier semestre connu : 2S2010", 0, 6 * h, face},
        {"Prix à crédit : 100", 0, 8 * h, face},
        {QString(200, u'W'), 90, tableau + 90, arial},
        {"c1", 9090, tableau + 90, arial},
        {"pied", 0, bas + h, face}}; // une ligne blanche sous le dernier filet
    std::vector<std::tuple<QString, double, double, QString>> textes;
    for (const Trace &t : imp.feuilles[0])
        if (t.texte) {
            textes.emplace_back(t.contenu, t.x1, t.y1, t.police);
            EXPECT_EQ(t.taille, 11);
        }
    EXPECT_EQ(textes, attendus);
    EXPECT_EQ(imp.police(), face); // police et taille rendues
    EXPECT_EQ(imp.taille(), 7);
}

// Le pied suit le tableau sur sa dernière feuille, ou passe seul en haut de la suivante.
TEST(Impression, PiedDePage)
{
    const double bas = entete + 380; // une ligne de tableau de 380 twips sous l'en-tête
    const struct
    {
        const char *nom;
        int H;
        std::size_t feuille;
        double y;
    } cas[] = {
        {"sous le tableau", int(bas + 2 * h), 0, bas + h},
        {"feuille suivante", int(bas + 2 * h) - 1, 1, 0},
    };
    for (const auto &c : cas) {
        SCOPED_TRACE(c.nom);
        Enregistreuse imp(20000, c.H, h, h);
        auto e = tableau(1, {1, 1});
        e.pied = QStringLiteral("pied");
        EXPECT_TRUE(sortie::imprimer(imp, e));
        ASSERT_EQ(imp.feuilles.size(), c.feuille + 1);
        const Trace &t = imp.feuilles[c.feuille].back();
        EXPECT_EQ(t.contenu, QStringLiteral("pied"));
        EXPECT_DOUBLE_EQ(t.y1, c.y);
    }
    EXPECT_EQ(sortie::lignepied(QDateTime(QDate(2026, 1, 5), QTime(9, 7)), QStringLiteral("1.2.3")),
              QStringLiteral("Imprimé le 05/01/2026 à 09:07 par Brunelix 1.2.3"));
}

TEST(Impression, NomDuPdf)
{
    const struct
    {
        bool premier;
        const char *annee, *montant, *nom;
    } cas[] = {
        {false, "2010", "100", "Brunelix 2d semestre 2010 100.pdf"},
        {true, "2024", " 1234,56 ", "Brunelix 1er semestre 2024 1234,56.pdf"},
        {true, "2024", "", "Brunelix 1er semestre 2024.pdf"},
        {true, "2024", "1/2\t3\x7f", "Brunelix 1er semestre 2024 1_2_3_.pdf"},
        {true, "2024", "12345678901234567890123456789012345678901234567890",
         "Brunelix 1er semestre 2024 1234567890123456789012345678901234567890.pdf"},
    };
    for (const auto &c : cas) {
        auto e = tableau(1, {1});
        e.copie.premiersemestre = c.premier;
        e.copie.annee = QString::fromUtf8(c.annee);
        e.copie.montant = QString::fromUtf8(c.montant);
        EXPECT_EQ(sortie::nompdf(e.copie), QString::fromUtf8(c.nom)) << c.montant;
    }
}

} // namespace
