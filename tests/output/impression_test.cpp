#include "output/impression.h"

#include "enregistreuse.h"
#include "tests/impression.h"

#include <gtest/gtest.h>

namespace {

// Hauteur de texte et interligne de l'enregistreuse ; l'en-tête fait 8 × 200 twips.
constexpr double h = 200;
constexpr double entete = 8 * h;

sortie::EntreeImpression tableau(int lignes, QList<int> largeurs)
{
    sortie::EntreeImpression e;
    e.copie.annee = QStringLiteral("2010");
    e.copie.tauxannuel = QStringLiteral(" 3.47 %");
    e.copie.montant = QStringLiteral("100");
    e.copie.lignes = lignes;
    e.copie.colonnes = static_cast<int>(largeurs.size());
    for (int i = 0; i < lignes * e.copie.colonnes; ++i)
        e.copie.cellules << QStringLiteral("c%1").arg(i);
    e.largeurs = std::move(largeurs);
    return e;
}

std::vector<Trace> filets(const std::vector<Trace> &feuille, bool horizontaux)
{
    std::vector<Trace> l;
    for (const Trace &t : feuille)
        if (!t.texte && (horizontaux ? t.x1 != t.x2 : t.x1 == t.x2))
            l.push_back(t);
    return l;
}

TEST(Impression, Mesures)
{
    struct Cas
    {
        const char *nom;
        int W;
        QList<int> largeurs;
        double L, p;
        std::vector<double> bornes;
    };
    const double L4 = 10715.4;
    const Cas cas[] = {
        {"A4, colonnes égales", 11906, {7, 7, 7, 7, 7}, L4, 53.577, {0, L4 / 5, 2 * L4 / 5, 3 * L4 / 5, 4 * L4 / 5, L4}},
        {"largeurs inégales", 10000, {1000, 2000, 1000}, 9000, 45, {0, 2250, 6750, 9000}},
        {"sans largeur utilisable", 10000, {0, 0}, 9000, 45, {0, 4500, 9000}},
    };
    for (const Cas &c : cas) {
        SCOPED_TRACE(c.nom);
        Enregistreuse imp(c.W, 100000, h, h);
        sortie::imprimertableau(imp, tableau(2, c.largeurs));
        ASSERT_EQ(imp.feuilles.size(), 1u);
        const auto hz = filets(imp.feuilles[0], true);
        ASSERT_EQ(hz.size(), 4u); // haut et bas de chaque ligne
        EXPECT_DOUBLE_EQ(hz[0].x2, c.L);
        EXPECT_DOUBLE_EQ(hz[1].y1 - hz[0].y1, h + 2 * c.p);
        const auto vt = filets(imp.feuilles[0], false);
        ASSERT_EQ(vt.size(), c.bornes.size());
        for (std::size_t i = 0; i < vt.size(); ++i)
            EXPECT_DOUBLE_EQ(vt[i].x1, c.bornes[i]) << i;
        EXPECT_EQ(vt.back().x1, 0.9 * c.W); // la dernière borne vaut exactement L
        const Trace &texte = imp.feuilles[0][1];
        EXPECT_DOUBLE_EQ(texte.x1, c.p); // premier texte à l'encart du filet et de la borne
        EXPECT_DOUBLE_EQ(texte.y1, c.p);
    }
}

// Pagination. W = 20000 donne L = 18000, p = 90 et des lignes de 380 twips : calculs exacts.
TEST(Impression, Feuilles)
{
    struct Feuille
    {
        int lignes;       // lignes du tableau sur la feuille
        double haut, bas; // filets verticaux : du haut du tableau à son dernier filet
    };
    struct Cas
    {
        const char *nom;
        int H;
        std::vector<Feuille> attendu;
    };
    constexpr double R = 380;
    const Cas cas[] = {
        {"tout tient", 20000, {{3, entete, entete + 3 * R}}},
        {"dernier filet pile en bas", int(entete + 3 * R), {{3, entete, entete + 3 * R}}},
        {"dernier filet un twip trop bas", int(entete + 3 * R) - 1, {{2, entete, entete + 2 * R}, {1, 0, R}}},
        {"première ligne trop basse", int(entete + R) - 1, {{0, entete, entete}, {3, 0, 3 * R}}},
        {"une ligne par feuille", int(R), {{0, entete, entete}, {1, 0, R}, {1, 0, R}, {1, 0, R}}},
    };
    for (const Cas &c : cas) {
        SCOPED_TRACE(c.nom);
        Enregistreuse imp(20000, c.H, h, h);
        const auto e = tableau(3, {1, 1});
        EXPECT_TRUE(sortie::imprimer(imp, e));
        EXPECT_EQ(imp.documents, 1);
        ASSERT_EQ(imp.feuilles.size(), c.attendu.size()); // ni feuille blanche ni feuille en trop
        qsizetype premiere = 0;
        for (std::size_t f = 0; f < c.attendu.size(); ++f) {
            const Feuille &a = c.attendu[f];
            const auto &feuille = imp.feuilles[f];
            QStringList textes;
            for (const Trace &t : feuille)
                if (t.texte && t.police == QStringLiteral("Arial"))
                    textes << t.contenu;
            EXPECT_EQ(textes, e.copie.cellules.mid(premiere, 2 * a.lignes)) << f;
            premiere += 2 * a.lignes;
            const auto hz = filets(feuille, true);
            ASSERT_EQ(hz.size(), std::size_t(2 * a.lignes)) << f;
            if (a.lignes) {
                EXPECT_EQ(hz.front().y1, a.haut) << f;
                EXPECT_EQ(hz.back().y1, a.bas) << f;
            }
            const auto vt = filets(feuille, false);
            EXPECT_EQ(vt.size(), 3u) << f;
            for (const Trace &v : vt) {
                EXPECT_EQ(v.y1, a.haut) << f;
                EXPECT_EQ(v.y2, a.bas) << f;
            }
        }
    }
}

TEST(Impression, TextesEtPolices)
{
    Enregistreuse imp(20000, 20000, h, h);
    auto e = tableau(1, {1, 1});
    e.copie.premiersemestre = false;
    e.copie.cellules[0] = QString(200, u'W'); // plus large que sa colonne
    sortie::imprimer(imp, e);
    ASSERT_EQ(imp.feuilles.size(), 1u);
    const QStringList entete = {"Crédit gratuit :", "2d semestre 2010", "Taux annuel :  3.47 %", "Prix à crédit : 100"};
    std::vector<Trace> textes;
    for (const Trace &t : imp.feuilles[0])
        if (t.texte)
            textes.push_back(t);
    ASSERT_EQ(textes.size(), 6u);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(textes[i].contenu, entete[i]);
        EXPECT_EQ(textes[i].y1, 2 * i * h); // une ligne vide après chaque ligne de l'en-tête
        EXPECT_EQ(textes[i].x1, 0);
        EXPECT_EQ(textes[i].police, QStringLiteral("Courier New")); // police courante de l'imprimante
        EXPECT_EQ(textes[i].taille, 11);
    }
    EXPECT_EQ(textes[4].contenu, QString(200, u'W')); // entier, jamais coupé
    EXPECT_EQ(textes[5].x1, 9000 + 90);               // la cellule suivante reste à sa place
    EXPECT_EQ(textes[5].police, QStringLiteral("Arial"));
    EXPECT_EQ(textes[5].taille, 11);
    EXPECT_EQ(imp.police(), QStringLiteral("Courier New")); // police et taille rendues
    EXPECT_EQ(imp.taille(), 10);
    EXPECT_EQ(imp.fins, 1);
    EXPECT_EQ(sortie::nompdf(e.copie), QStringLiteral("Brunelix 2d semestre 2010.pdf"));
}

} // namespace
