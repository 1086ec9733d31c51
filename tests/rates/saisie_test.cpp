// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
// Taux saisis : arrondi en entiers, édition du contenu octet par octet, refus, nature « saisi ».
#include "rates/saisie.h"
#include "rates/semestre.h"
#include "rates/statut.h"

#include "tests/affichage.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using taux::Resultat;
using taux::Saisie;

const QDate aujourdhui(2026, 12, 8);

// Taux tiré d'un TMOP tapé : 1,5 × TMOP arrondi au centième, demi vers le haut, sans double.
TEST(Saisie, TauxDuTmop)
{
    const struct
    {
        const char *tmop;
        const char *taux;
    } cas[] = {{"3,23", "4,85"}, {"3.37", "5,06"},   {"1,325", "1,99"},   {"0,02", "0,03"},
               {"2,00", "3,00"}, {"-0,02", "-0,03"}, {" 3,140 ", "4,71"}, {"4", "6,00"}};
    for (const auto &c : cas) {
        const auto tmop = taux::littmop(QString::fromUtf8(c.tmop));
        ASSERT_TRUE(tmop) << c.tmop;
        EXPECT_EQ(taux::textecentiemes(taux::tauxdetmop(*tmop), u','), QString::fromUtf8(c.taux)) << c.tmop;
    }
    EXPECT_EQ(taux::formule(3230), QStringLiteral("1,5 × 3,23 = 4,845, arrondi au centième : 4,85 %"));
    EXPECT_EQ(taux::formule(1325), QStringLiteral("1,5 × 1,325 = 1,9875, arrondi au centième : 1,99 %"));
}

// Nombres tapés refusés, avec leur message.
TEST(Saisie, NombresRefuses)
{
    const struct
    {
        bool tmop;
        const char *texte;
        const char *message; // vide : accepté
    } cas[] = {{true, "3,2345", "TMOP « 3,2345 » refusé : trois décimales au plus."},
               {true, "3,2340", ""},
               {false, "4,855", "Taux « 4,855 » refusé : deux décimales au plus."},
               {false, "-4,85", "Taux « -4,85 » illisible : un nombre est attendu, par exemple 4,85."},
               {false, "4,85 %", "Taux « 4,85 % » illisible : un nombre est attendu, par exemple 4,85."},
               {true, "", "TMOP «  » illisible : un nombre est attendu, par exemple 3,23."},
               {true, "3,2,3", "TMOP « 3,2,3 » illisible : un nombre est attendu, par exemple 3,23."},
               {false, ",5", ""}};
    for (const auto &c : cas) {
        QString erreur;
        const QString texte = QString::fromUtf8(c.texte);
        const auto lu = c.tmop ? taux::littmop(texte, &erreur) : taux::littaux(texte, &erreur);
        EXPECT_EQ(lu.has_value(), *c.message == 0) << c.texte;
        EXPECT_EQ(erreur, QString::fromUtf8(c.message));
    }
}

const QByteArray lf = "' tete\n2S2023\t4.71\n' entre\n1S2023\t3.77\n";
const QByteArray crlf = "' tete\r\n2S2023\t4.71\r\n1S2023\t3.77";
const QByteArray entre = "' a\r\n\r\n' b\r\n2S2023\t4.71\r\n' c\r\n\r\n1S2023\t3.77\r\n";
const QByteArray publie = "2S2010\t5.40\n1S2010\t5.73\n";

// 101 entrées, de 1S2024 en remontant.
QByteArray centune()
{
    QByteArray c;
    taux::Semestre s{2024, 1};
    for (int i = 0; i < taux::capacite; ++i) {
        c += s.cle().toLatin1() + "\t3\n";
        s = s.numero == 2 ? taux::Semestre{s.annee, 1} : taux::Semestre{s.annee - 1, 2};
    }
    return c;
}

struct CasEdition
{
    const char *nom;
    QByteArray contenu;
    Saisie saisie;
    Resultat::Etat etat;
    QByteArray attendu; // contenu écrit, ou message de refus
    friend void PrintTo(const CasEdition &c, std::ostream *os) { *os << c.nom; }
};

Saisie saisie(Saisie::Operation op, const char *cle, qint64 centiemes, std::optional<qint64> tmop = {},
              const char *source = "")
{
    return {op, QString::fromLatin1(cle), centiemes, tmop, QString::fromUtf8(source), aujourdhui};
}

class Edition : public ::testing::TestWithParam<CasEdition>
{
};

TEST_P(Edition, OctetsGardesOuRefus)
{
    const auto &c = GetParam();
    const Resultat r = taux::appliquesaisie(c.contenu, c.saisie, aujourdhui);
    EXPECT_EQ(r.etat, c.etat) << qPrintable(r.message);
    if (c.etat == Resultat::Refuse || c.etat == Resultat::Inchange) {
        EXPECT_EQ(r.message, QString::fromUtf8(c.attendu));
        EXPECT_TRUE(r.contenu.isEmpty());
        return;
    }
    EXPECT_EQ(r.contenu, c.attendu);
    // Relu par le chargeur : même nature que l'écriture le dit.
    taux::TableTaux t;
    ASSERT_EQ(taux::lisentrees(t, r.contenu), taux::Chargement::Ok);
}

const Saisie::Operation ajoute = Saisie::Ajoute, corrige = Saisie::Corrige, fixe = Saisie::Fixe,
                        retire = Saisie::Retire;

INSTANTIATE_TEST_SUITE_P(
    Saisie, Edition,
    ::testing::Values(
        CasEdition{"ajout_lf_source_avec_virgules", lf, saisie(ajoute, "1S2024", 506, 3370, "lettre, du 2\tDGFiP,x"),
                   Resultat::Ajoute,
                   "' tete\n' 1S2024 saisi le 08/12/2026 ; TMOP 3.37 ; source : lettre ; du 2 DGFiP ; x\n"
                   "1S2024\t5.06\n2S2023\t4.71\n' entre\n1S2023\t3.77\n"},
        CasEdition{"ajout_crlf_sans_fin", crlf, saisie(fixe, "2S2026", 485), Resultat::Ajoute,
                   "' tete\r\n' 2S2026 saisi le 08/12/2026\r\n2S2026\t4.85\r\n2S2023\t4.71\r\n1S2023\t3.77"},
        CasEdition{"ajout_commentaires_entre", entre, saisie(ajoute, "1S2027", 12), Resultat::Ajoute,
                   "' a\r\n\r\n' b\r\n' 1S2027 saisi le 08/12/2026\r\n1S2027\t0.12\r\n2S2023\t4.71\r\n' c\r\n\r\n"
                   "1S2023\t3.77\r\n"},
        CasEdition{"ajout_au_dessus_d_une_saisie", "' 2S2024 saisi le 01/07/2026\n2S2024\t4.85\n1S2024\t5.06\n",
                   saisie(ajoute, "1S2025", 500), Resultat::Ajoute,
                   "' 1S2025 saisi le 08/12/2026\n1S2025\t5.00\n' 2S2024 saisi le 01/07/2026\n2S2024\t4.85\n"
                   "1S2024\t5.06\n"},
        CasEdition{"correction_d_une_ligne_livree", lf, saisie(corrige, "2S2023", 470, {}, "avis"), Resultat::Corrige,
                   "' tete\n' 2S2023 saisi le 08/12/2026 ; remplace 4.71 ; source : avis\n2S2023\t4.70\n' entre\n"
                   "1S2023\t3.77\n"},
        CasEdition{"retrait_d_une_ligne_livree_corrigee",
                   "' 2S2023 saisi le 08/12/2026 ; remplace 4.71 ; source : avis\r\n2S2023\t4.70\r\n",
                   saisie(retire, "2S2023", 0), Resultat::Retire, "2S2023\t4.71\r\n"},
        CasEdition{"journal_officiel_remis_a_son_chiffre", publie, saisie(fixe, "2S2010", 538), Resultat::Corrige,
                   "2S2010\t5.38\n1S2010\t5.73\n"},
        CasEdition{"deja_ce_taux", lf, saisie(fixe, "2S2023", 471), Resultat::Inchange,
                   "2S2023 a déjà le taux de 4,71 % : rien n'est écrit"},
        CasEdition{"taux_nul", lf, saisie(ajoute, "1S2024", 0), Resultat::Refuse,
                   "Taux de 0,00 % refusé : il doit être supérieur à 0 et inférieur à 100."},
        CasEdition{"taux_100", lf, saisie(ajoute, "1S2024", 10000), Resultat::Refuse,
                   "Taux de 100,00 % refusé : il doit être supérieur à 0 et inférieur à 100."},
        CasEdition{"semestre_trop_lointain", lf, saisie(ajoute, "2S2027", 485), Resultat::Refuse,
                   "2S2027 refusé : le semestre le plus lointain permis aujourd'hui est le 1er semestre 2027."},
        CasEdition{"plus_ancien_que_la_tete", lf, saisie(ajoute, "2S2022", 199), Resultat::Refuse,
                   "2S2022 refusé : un ajout se fait en tête, après le 2d semestre 2023 (aucune mise à jour ne "
                   "pourrait l'apporter)."},
        CasEdition{"deja_present", lf, saisie(ajoute, "2S2023", 470), Resultat::Refuse,
                   "2S2023 est déjà dans le fichier des taux : le corriger plutôt."},
        CasEdition{"cent_une_entrees", centune(), saisie(ajoute, "2S2024", 485), Resultat::Refuse,
                   "Le fichier des taux a déjà 101 entrées : le programme n'en lit pas davantage."},
        CasEdition{"journal_officiel_autre_chiffre", publie, saisie(corrige, "1S2010", 570), Resultat::Refuse,
                   "1S2010 est publié au Journal officiel : son taux ne peut être que 5,73 %."},
        CasEdition{"retrait_d_une_ligne_livree", lf, saisie(retire, "2S2023", 0), Resultat::Refuse,
                   "2S2023 est une ligne livrée, pas une saisie : elle reste."},
        CasEdition{"correction_d_un_absent", lf, saisie(corrige, "1S2024", 506), Resultat::Refuse,
                   "1S2024 n'est pas dans le fichier des taux : l'ajouter plutôt."},
        CasEdition{"cle_mal_formee", lf, saisie(fixe, "3S2024", 506), Resultat::Refuse,
                   "Semestre « 3S2024 » illisible : il s'écrit 1S2024 ou 2S2024."},
        CasEdition{"fichier_corrompu", "2S2023 4.71\n", saisie(fixe, "1S2024", 506), Resultat::Refuse,
                   "Le fichier des taux ne se lit pas : il faut le corriger à la main d'abord."}),
    [](const auto &info) { return std::string(info.param.nom); });

// Ajouter puis retirer rend le fichier octet pour octet.
TEST(Saisie, AjouterPuisRetirer)
{
    for (const QByteArray &contenu : {lf, crlf, entre,
                                      QByteArray("\xEF\xBB\xBF"
                                                 "2S2023\t4.71\n"),
                                      QByteArray()}) {
        const Resultat ajout =
            taux::appliquesaisie(contenu, saisie(ajoute, "1S2024", 506, 3370, "source, x"), aujourdhui);
        ASSERT_EQ(ajout.etat, Resultat::Ajoute) << qPrintable(ajout.message);
        const Resultat retrait = taux::appliquesaisie(ajout.contenu, saisie(retire, "1S2024", 0), aujourdhui);
        ASSERT_EQ(retrait.etat, Resultat::Retire) << qPrintable(retrait.message);
        EXPECT_EQ(retrait.contenu, contenu.isEmpty() ? QByteArray() : contenu);
    }
}

// Nature lue par le chargeur sur le commentaire juste au-dessus ; liste et mention.
TEST(Saisie, NatureListeEtMention)
{
    const QByteArray contenu = "' 2S2024 saisi le 08/12/2026 ; TMOP 3.23 ; source : lettre ; DGFiP\r\n2S2024\t4.85\r\n"
                               "' 1S2024 saisi le 08/12/2026\r\n\r\n1S2024\t5.06\r\n2S2010\t5.38\r\n";
    taux::TableTaux t;
    ASSERT_EQ(taux::lisentrees(t, contenu), taux::Chargement::Ok);
    const QList<taux::LigneTaux> liste = taux::listetaux(t);
    ASSERT_EQ(liste.size(), 3);
    EXPECT_EQ(liste[0].textenature, QStringLiteral("saisi le 08/12/2026"));
    EXPECT_EQ(liste[0].saisie.source, QStringLiteral("lettre ; DGFiP"));
    EXPECT_EQ(liste[0].saisie.tmop, QStringLiteral("3.23"));
    EXPECT_EQ(liste[1].textenature, QStringLiteral("non officiel")); // ligne vide entre les deux
    EXPECT_EQ(liste[2].textenature, QStringLiteral("publié au Journal officiel"));
    const taux::Mention m = taux::mention(t, {2024, 2}, aujourdhui);
    EXPECT_EQ(m.texte, QStringLiteral("taux saisi le 08/12/2026\ndernier semestre connu : 2d semestre 2024"));
    EXPECT_TRUE(m.bulle.startsWith(QStringLiteral("Taux saisi dans le fichier des taux, tiré d'un TMOP de 3,23. "
                                                  "Source : lettre ; DGFiP\n")));
    EXPECT_EQ(taux::semestrepropose(t, aujourdhui), (taux::Semestre{2025, 1}));
    EXPECT_EQ(taux::dernierpermis(aujourdhui), (taux::Semestre{2027, 1}));
}

} // namespace
