// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "rates/choixperiode.h"
#include "rates/echeance.h"
#include "rates/periodes.h"
#include "rates/semestre.h"
#include "rates/statut.h"
#include "rates/tabletaux.h"

#include "tests/affichage.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

namespace {

taux::TableTaux table(std::initializer_list<std::pair<const char *, double>> entrees)
{
    taux::TableTaux t;
    int i = 0;
    for (const auto &[cle, valeur] : entrees) {
        t.periodes[i] = QString::fromUtf8(cle);
        t.taux[i++] = valeur;
    }
    t.nbtaux = static_cast<qint16>(i - 1);
    return t;
}

struct CasAnnees
{
    const char *nom;
    taux::TableTaux table;
    QStringList attendu;
    friend void PrintTo(const CasAnnees &c, std::ostream *os) { *os << c.nom; }
};

class ListeAnnees : public ::testing::TestWithParam<CasAnnees>
{
};

TEST_P(ListeAnnees, Lignes)
{
    const auto &c = GetParam();
    const auto lignes = taux::listeannees(c.table);
    ASSERT_TRUE(lignes) << c.nom;
    EXPECT_EQ(*lignes, c.attendu) << c.nom;
}

INSTANTIATE_TEST_SUITE_P(
    Cas, ListeAnnees,
    ::testing::Values(
        CasAnnees{"deux_annees",
                  table({{"2S2010", 3.35}, {"1S2010", 3.47}, {"2S2009", 3.57}, {"1S2009", 3.79}}),
                  {"2010", "2009"}},
        CasAnnees{
            "premier_semestre_seul", table({{"1S2011", 3.42}, {"2S2010", 3.35}, {"1S2010", 3.47}}), {"2011", "2010"}},
        CasAnnees{"annee_revenue", table({{"1S2010", 1}, {"2S2009", 1}, {"2S2010", 1}}), {"2010", "2009", "2010"}},
        CasAnnees{"cle_sans_annee_en_tete", table({{"xxabc", 1}, {"1S2010", 1}}), {"2010"}},
        CasAnnees{"annee_arrondie_au_pair", table({{"1S2010.5", 1}}), {"2010"}},
        CasAnnees{"table_vide", table({}), {}}),
    [](const auto &info) { return std::string(info.param.nom); });

TEST(ListeAnnees, AnneeHorsLimitesEstUneErreur)
{
    EXPECT_FALSE(taux::listeannees(table({{"1S99999", 1}})).has_value());
    EXPECT_FALSE(taux::listeannees(table({{"1S1e400", 1}})).has_value());
}

TEST(TauxPeriode, Recherche)
{
    const auto t = table({{"2S2010", 3.35}, {"1S2010", 3.47}, {"1S2010", 9.99}, {"1s2009", 2.0}, {"2S2009", 0}});
    EXPECT_EQ(taux::tauxperiode(t, 2010, 1), 3.47); // première occurrence
    EXPECT_EQ(taux::tauxperiode(t, 2010, 2), 3.35);
    EXPECT_EQ(taux::tauxperiode(t, 2009, 1), 0); // casse comparée exactement
    EXPECT_EQ(taux::tauxperiode(t, 2009, 2), 0);
    EXPECT_EQ(taux::tauxperiode(t, 2011, 2), 0);
    EXPECT_EQ(taux::tauxperiode(table({}), 2010, 1), 0);
    // Clé écrite comme Semestre::cle : l'année sur quatre chiffres au moins.
    const auto courtes = table({{"1S999", 1}, {"2S0999", 2}, {"1S-5", 3}, {"2S-005", 4}, {"1S12345", 5}});
    EXPECT_EQ(taux::tauxperiode(courtes, 999, 1), 0);
    EXPECT_EQ(taux::tauxperiode(courtes, 999, 2), 2);
    EXPECT_EQ(taux::tauxperiode(courtes, -5, 1), 0);
    EXPECT_EQ(taux::tauxperiode(courtes, -5, 2), 4);
    EXPECT_EQ(taux::tauxperiode(courtes, 12345, 1), 5);
    // Les entrées au-delà de nbtaux ne sont jamais lues.
    auto courte = t;
    courte.nbtaux = 0;
    EXPECT_EQ(taux::tauxperiode(courte, 2010, 1), 0);
}

// Clé stricte : ordre, semestre suivant, échéance, libellé ; toute autre forme refusée.
TEST(Semestre, LectureStricteEtEcheance)
{
    const struct
    {
        const char *cle;
        bool lue;
        QDate echeance;
        const char *libelle = "";
    } cas[] = {{"1S2001", true, QDate(2001, 7, 1), "1er semestre 2001"},
               {"2S2001", true, QDate(2002, 1, 1), "2d semestre 2001"},
               {"2S0999", true, QDate(1000, 1, 1), "2d semestre 999"},
               {"1S0000", true, taux::datezero(), "1er semestre 0"},
               {"3S2001", false, taux::datezero()},
               {"1X2001", false, taux::datezero()},
               {"1S20011", false, taux::datezero()},
               {"1S201", false, taux::datezero()},
               {"1s2001", false, taux::datezero()},
               {"1S 201", false, taux::datezero()},
               {"", false, taux::datezero()}};
    for (const auto &c : cas) {
        const auto s = taux::Semestre::lit(QString::fromUtf8(c.cle));
        EXPECT_EQ(s.has_value(), c.lue) << c.cle;
        EXPECT_EQ(taux::echeance(QString::fromUtf8(c.cle)), c.echeance) << c.cle;
        if (s) {
            EXPECT_EQ(s->libelle(), QString::fromUtf8(c.libelle));
            EXPECT_EQ(s->cle(), QString::fromUtf8(c.cle));
        }
    }
    const taux::Semestre premier{2001, 1}, second{2001, 2};
    EXPECT_LT(premier, second);
    EXPECT_LT(second, (taux::Semestre{2002, 1}));
    EXPECT_EQ(second.suivant(), (taux::Semestre{2002, 1}));
    EXPECT_EQ(taux::Semestre::de(QDate(2001, 6, 30)), premier);
    EXPECT_EQ(taux::Semestre::de(QDate(2001, 7, 1)), second);
}

// Mention sous le taux : non officiel sauf clé et taux d'un avis publié, dernier semestre connu
// quand le semestre du jour est plus récent que la tête du fichier.
TEST(Mention, TauxNonOfficielEtDernierSemestreConnu)
{
    const struct
    {
        const char *nom;
        const char *tete; // clé de tête de la table, nullptr : table vide
        double taux;
        QDate aujourdhui;
        QString texte;
    } cas[] = {
        {"2S2010 publié, à jour", "2S2010", 5.38, {2010, 12, 31}, ""},
        {"1S2007 publié", "1S2007", 6.17, {2007, 6, 30}, ""},
        {"2S2010 retouché", "2S2010", 5.39, {2010, 12, 31}, "taux non officiel"},
        {"1S2008 au millième près du publié", "1S2008", 6.9849, {2008, 6, 30}, ""},
        {"2S2006 dérivé", "2S2006", 6.00, {2006, 12, 31}, "taux non officiel"},
        {"1S2006 dérivé", "1S2006", 5.34, {2006, 6, 30}, "taux non officiel"},
        {"1S2011 non officiel", "1S2011", 4.76, {2011, 6, 30}, "taux non officiel"},
        {"2S2010 dépassé", "2S2010", 5.38, {2011, 1, 1}, "dernier semestre connu : 2d semestre 2010"},
        {"1S2024 en décembre 2026",
         "1S2024",
         5.06,
         {2026, 12, 8},
         "taux non officiel\ndernier semestre connu : 1er semestre 2024"},
        {"clé de tête illisible", "xxabc", 3.5, {2026, 1, 1}, "taux non officiel"},
        {"table vide", nullptr, 0, {2026, 1, 1}, "taux non officiel"},
    };
    for (const auto &c : cas) {
        SCOPED_TRACE(c.nom);
        const auto t = c.tete ? table({{c.tete, c.taux}}) : table({});
        const auto s = taux::Semestre::lit(QString::fromLatin1(c.tete ? c.tete : "1S2010"));
        const taux::Mention m = taux::mention(t, s.value_or(taux::Semestre{2010, 1}), c.aujourdhui);
        EXPECT_EQ(m.texte, c.texte);
        EXPECT_EQ(m.bulle.count(u'\n'), c.texte.count(u'\n')); // une explication par ligne
        EXPECT_EQ(m.bulle.contains(QStringLiteral("loi n° 2010-737 du 1er juillet 2010")),
                  c.texte.contains(QStringLiteral("non officiel")));
    }
}

// Choix de la période : au chargement, à une année choisie, après un rechargement avec la
// période que l'utilisateur avait (année, semestre, taux).
TEST(ChoixPeriode, ChargementAnneeEtRechargement)
{
    const auto essai =
        table({{"2S2010", 3.35}, {"1S2010", 3.47}, {"2S2009", 3.57}, {"1S2009", 3.79}, {"1S2008", 4.27}});
    const auto nouveau = table(
        {{"1S2011", 5.5}, {"2S2010", 3.35}, {"1S2010", 3.47}, {"2S2009", 3.57}, {"1S2009", 3.80}, {"1S2008", 4.27}});
    using taux::Suite;
    const struct
    {
        const char *nom;
        taux::TableTaux table;
        std::optional<taux::PeriodeAffichee> avant;
        int coche;
        int ligne, semestre;
        std::array<bool, 2> actifs;
        Suite suite;
    } cas[] = {
        {"démarrage : 2d semestre de la tête", essai, std::nullopt, 1, 0, 2, {true, true}, Suite::initial},
        {"tête sans 2d semestre, 2d coché", nouveau, std::nullopt, 2, 0, 1, {true, false}, Suite::initial},
        {"même taux : gardé", essai, taux::PeriodeAffichee{2009, 1, 3.79}, 1, 1, 1, {true, true}, Suite::garde},
        {"année décalée par une nouvelle tête",
         nouveau,
         taux::PeriodeAffichee{2010, 1, 3.47},
         1,
         1,
         1,
         {true, true},
         Suite::garde},
        {"autre taux : recalculé",
         nouveau,
         taux::PeriodeAffichee{2009, 1, 3.79},
         1,
         2,
         1,
         {true, true},
         Suite::recalcule},
        {"semestre seul de son année",
         nouveau,
         taux::PeriodeAffichee{2008, 1, 4.27},
         1,
         3,
         1,
         {true, false},
         Suite::garde},
        {"semestre disparu : comme au démarrage",
         essai,
         taux::PeriodeAffichee{2008, 2, 4.1},
         2,
         0,
         2,
         {true, true},
         Suite::initial},
        {"année disparue", essai, taux::PeriodeAffichee{2011, 1, 5.5}, 1, 0, 2, {true, true}, Suite::initial},
    };
    for (const auto &c : cas) {
        SCOPED_TRACE(c.nom);
        const auto r = taux::choixrecharge(c.table, c.avant, c.coche);
        ASSERT_TRUE(r);
        EXPECT_EQ(r->choix.annees, *taux::listeannees(c.table));
        EXPECT_EQ(r->choix.ligne, c.ligne);
        EXPECT_EQ(r->choix.semestre, c.semestre);
        EXPECT_EQ(r->choix.actifs, c.actifs);
        EXPECT_EQ(r->suite, c.suite);
    }
    EXPECT_FALSE(taux::choixrecharge(table({}), taux::PeriodeAffichee{2010, 1, 3.35}, 1));

    // Année choisie : la coche quitte un semestre sans taux ; sans aucun taux, le 1er reste coché.
    taux::ChoixPeriode choix{{"2010", "2008"}, 1, 2, {true, true}};
    taux::choisitannee(essai, choix);
    EXPECT_EQ(choix.semestre, 1);
    EXPECT_EQ(choix.actifs, (std::array<bool, 2>{true, false}));
    choix = {{"2007"}, 0, 2, {true, true}};
    taux::choisitannee(essai, choix);
    EXPECT_EQ(choix.semestre, 1);
    EXPECT_EQ(choix.actifs, (std::array<bool, 2>{false, false}));
}

} // namespace
