// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "output/impression.h"

#include "enregistreuse.h"
#include "tests/affichage.h"

#include <QDateTime>

#include <algorithm>
#include <iterator>

#include <gtest/gtest.h>

namespace {

constexpr double h = 200; // hauteur de texte et interligne de l'enregistreuse
const QString methode = "Chaque prix est le montant payé comptant qui équivaut à n mensualités sans intérêts, "
                        "actualisées au taux annuel de référence ; coefficient tronqué à 4 décimales, prix arrondi "
                        "au centime.";

sortie::EntreeImpression tableau(int lignes, QList<int> largeurs)
{
    sortie::EntreeImpression e{
        {true, "2010", " 3.47 %", "100", lignes, int(largeurs.size()), {}, {}}, largeurs, "pied", {}};
    for (int i = 0; i < lignes * e.copie.colonnes; ++i)
        e.copie.cellules << QStringLiteral("c%1").arg(i);
    return e;
}

// Textes d'une feuille dans l'ordre de lecture : de haut en bas, puis de gauche à droite.
QStringList textes(const std::vector<Trace> &feuille)
{
    std::vector<Trace> t;
    std::copy_if(feuille.begin(), feuille.end(), std::back_inserter(t), [](const Trace &x) { return x.texte; });
    std::stable_sort(t.begin(), t.end(),
                     [](const Trace &a, const Trace &b) { return a.y1 != b.y1 ? a.y1 < b.y1 : a.x1 < b.x1; });
    QStringList s;
    for (const Trace &x : t)
        s << x.contenu;
    return s;
}

// Haut du tableau sur la première feuille (son premier filet), pour un papier de largeur W.
double hauttableau(int W, const QList<int> &largeurs)
{
    Enregistreuse imp(W, 99999, h, h);
    sortie::imprimer(imp, tableau(3, largeurs));
    for (const Trace &t : imp.feuilles[0])
        if (!t.texte)
            return t.y1;
    return -1;
}

// Sur A4, la page entière dans l'ordre : titre, référence, en-tête, mention, méthode coupée
// sur deux lignes, légende, tableau, pied et numéro de page.
TEST(Impression, PageDansLOrdre)
{
    Enregistreuse imp(11906, 99999, h, h);
    auto e = tableau(2, {1, 1, 1, 1, 1});
    e.reference = QStringLiteral("  Facture 12 ");
    e.copie.mention = QStringList{"taux non officiel", "dernier semestre connu : 1er semestre 2024"};
    EXPECT_TRUE(sortie::imprimer(imp, e));
    ASSERT_EQ(imp.feuilles.size(), 1u);
    QStringList attendus = {"Remise pour paiement comptant d'un crédit gratuit",
                            "Référence : Facture 12",
                            "Crédit gratuit :",
                            "1er semestre 2010",
                            "Taux annuel :  3.47 %",
                            "Prix à crédit : 100 €",
                            "taux non officiel",
                            "dernier semestre connu : 1er semestre 2024"};
    const QStringList lues = textes(imp.feuilles[0]);
    const QStringList lignesmethode = lues.mid(attendus.size(), 2);
    EXPECT_EQ(lignesmethode.join(u' '), methode);
    attendus += lignesmethode;
    attendus += "Colonnes 1 à 3 : points de crédit pris en charge par le vendeur";
    attendus += e.copie.cellules;
    attendus += {"pied", "page 1/1"};
    EXPECT_EQ(lues, attendus);
    for (const Trace &t : imp.feuilles[0]) {
        if (t.texte && e.copie.cellules.contains(t.contenu)) {
            EXPECT_EQ(std::make_pair(t.police, t.taille), std::make_pair(QStringLiteral("Arial"), 11.0));
        }
    }
    EXPECT_EQ(imp.police(), QStringLiteral("Courier New")); // police et taille rendues
    EXPECT_EQ(imp.taille(), 10);
    EXPECT_EQ(imp.documents, 1);
}

// Mesures et feuilles. W = 20000 donne L = 18000, p = 90 et des lignes de R = 380 twips ;
// le tableau s'arrête une demi-ligne au-dessus du pied, posé en bas de la zone imprimable.
TEST(Impression, MesuresEtFeuilles)
{
    const double debut = hauttableau(20000, {1, 1}), R = 380, pied = 1.5 * h;
    struct Cas
    {
        const char *nom;
        int W, H;
        QList<int> largeurs;
        double L, p;
        std::vector<double> bornes;
        std::vector<int> feuilles; // lignes de cellules sur chaque feuille, sans l'en-tête du tableau
    };
    const double A = 10715.4;
    const int tient = int(debut + 3 * R + pied);
    const Cas cas[] = {
        {"A4, colonnes égales",
         11906,
         99999,
         {7, 7, 7, 7, 7},
         A,
         53.577,
         {0, A / 5, 2 * A / 5, 3 * A / 5, 4 * A / 5, A},
         {2}},
        {"largeurs inégales", 10000, 99999, {1000, 2000, 1000}, 9000, 45, {0, 2250, 6750, 9000}, {2}},
        {"sans largeur utilisable", 10000, 99999, {0, 0}, 9000, 45, {0, 4500, 9000}, {2}},
        {"dernier filet pile au bas", 20000, tient, {1, 1}, 18000, 90, {0, 9000, 18000}, {2}},
        {"dernier filet trop bas", 20000, tient - 1, {1, 1}, 18000, 90, {0, 9000, 18000}, {1, 1}},
        {"seule l'en-tête tiendrait", 20000, int(debut + R + pied), {1, 1}, 18000, 90, {0, 9000, 18000}, {0, 2}},
        {"une ligne par feuille", 20000, int(2 * R + pied), {1, 1}, 18000, 90, {0, 9000, 18000}, {0, 1, 1}},
    };
    for (const Cas &c : cas) {
        SCOPED_TRACE(c.nom);
        Enregistreuse imp(c.W, c.H, h, h);
        const auto e = tableau(3, c.largeurs);
        EXPECT_EQ(sortie::nombrefeuilles(imp, e), int(c.feuilles.size()));
        EXPECT_TRUE(sortie::imprimer(imp, e));
        EXPECT_EQ(imp.documents, 1);
        ASSERT_EQ(imp.feuilles.size(), c.feuilles.size()); // ni feuille blanche ni feuille en trop
        const int C = e.copie.colonnes;
        qsizetype premiere = C; // cellules après la ligne d'en-tête du tableau
        for (std::size_t f = 0; f < c.feuilles.size(); ++f) {
            const int n = c.feuilles[f];
            const bool table = f > 0 || n > 0;
            const double haut = f ? 0 : hauttableau(c.W, c.largeurs), bas = haut + (n + 1) * (h + 2 * c.p);
            QStringList cellules, attendues;
            std::vector<Trace> hz, vt;
            for (const Trace &t : imp.feuilles[f])
                if (t.texte && t.police == QStringLiteral("Arial") && t.taille == 11)
                    cellules << t.contenu;
                else if (!t.texte)
                    (t.x1 == t.x2 ? vt : hz).push_back(t);
            if (table) // la ligne d'en-tête du tableau, reprise sur chaque feuille
                attendues = e.copie.cellules.mid(0, C) + e.copie.cellules.mid(premiere, n * C);
            premiere += n * C;
            EXPECT_EQ(cellules, attendues) << f;
            const Trace &numero = imp.feuilles[f].back(), &date = imp.feuilles[f].rbegin()[1];
            EXPECT_EQ(
                std::make_pair(date.contenu, numero.contenu),
                std::make_pair(QStringLiteral("pied"), QStringLiteral("page %1/%2").arg(f + 1).arg(c.feuilles.size())));
            EXPECT_EQ(date.y1, c.H - h);                          // au bas de la zone imprimable
            ASSERT_EQ(hz.size(), table ? 2u * (n + 1) : 0u) << f; // haut et bas de chaque ligne
            if (!table)
                continue;
            EXPECT_DOUBLE_EQ(hz.front().y1, haut);
            EXPECT_DOUBLE_EQ(hz.back().y1, bas);
            EXPECT_DOUBLE_EQ(hz.front().x2, c.L);
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

TEST(Impression, LignesDeLaPage)
{
    const struct
    {
        const char *montant, *ligne;
    } prix[] = {
        {"100", "Prix à crédit : 100 €"},       {"1 234,56 €", "Prix à crédit : 1 234,56 €"},
        {"99 EUR ", "Prix à crédit : 99 EUR "}, {"99 eur", "Prix à crédit : 99 eur"},
        {" 12 ", "Prix à crédit :  12  €"},     {"", "Prix à crédit : "},
        {"€ 5", "Prix à crédit : € 5 €"},
    };
    for (const auto &c : prix)
        EXPECT_EQ(sortie::ligneprix(QString::fromUtf8(c.montant)), QString::fromUtf8(c.ligne));
    const struct
    {
        int colonnes;
        const char *legende;
    } legendes[] = {
        {2, ""},
        {3, "Colonne 1 : point de crédit pris en charge par le vendeur"},
        {7, "Colonnes 1 à 5 : points de crédit pris en charge par le vendeur"},
    };
    for (const auto &c : legendes)
        EXPECT_EQ(sortie::legendecolonnes(c.colonnes), QString::fromUtf8(c.legende));
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
