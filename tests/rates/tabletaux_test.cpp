// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "rates/periodes.h"
#include "rates/tabletaux.h"

#include "rates/diagnostic.h"
#include "tests/affichage.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <utility>

namespace {

using taux::Chargement;

// Écrit le contenu dans un fichier des taux temporaire et le charge.
struct Essai
{
    QTemporaryDir dossier;
    taux::TableTaux table;

    Chargement charge(const QByteArray &contenu)
    {
        table.fichiertaux = dossier.filePath(QStringLiteral("BRUNELIX.TXT"));
        QFile f(table.fichiertaux);
        f.open(QIODevice::WriteOnly);
        f.write(contenu);
        f.close();
        return taux::chargetaux(table);
    }
};

QByteArray entrees(int n)
{
    QByteArray s = "' commentaire\r\n";
    for (int i = 0; i < n; ++i)
        s += QByteArray::number(i % 2 + 1) + "S" + QByteArray::number(2100 - i / 2) + "\t3.5\r\n";
    return s;
}

struct CasFichier
{
    const char *nom;
    QByteArray contenu;
    Chargement attendu;
    int nbtaux;             // -2 : sans objet
    const char *diagnostic; // ce qui est dit à l'utilisateur ; vide : le fichier se charge
    friend void PrintTo(const CasFichier &c, std::ostream *os) { *os << c.nom; }
};

class ChargementFichier : public ::testing::TestWithParam<CasFichier>
{
};

TEST_P(ChargementFichier, Resultat)
{
    Essai e;
    const auto &c = GetParam();
    EXPECT_EQ(e.charge(c.contenu), c.attendu) << c.nom;
    if (c.nbtaux != -2) {
        EXPECT_EQ(e.table.nbtaux, c.nbtaux) << c.nom;
    }
    EXPECT_EQ(taux::diagnostic(c.contenu), QString::fromUtf8(c.diagnostic)) << c.nom;
}

INSTANTIATE_TEST_SUITE_P(
    Cas, ChargementFichier,
    ::testing::Values(
        CasFichier{"crlf", "' taux\r\n2S2010\t3.35\r\n1S2010\t3.47\r\n", Chargement::Ok, 1, ""},
        CasFichier{"lf_seul", "2S2010\t3.35\n1S2010\t3.47\n", Chargement::Ok, 1, ""},
        CasFichier{"cr_seul", "2S2010\t3.35\r1S2010\t3.47\r", Chargement::Ok, 1, ""},
        CasFichier{"sans_fin_de_ligne", "1S2010\t3.47", Chargement::Ok, 0, ""},
        CasFichier{"marque_utf8_puis_commentaire", "\xEF\xBB\xBF' taux\r\n2S2010\t3.35\r\n", Chargement::Ok, 0, ""},
        CasFichier{"marque_utf8_seule", "\xEF\xBB\xBF", Chargement::Ok, -1, "aucun taux : le fichier est vide"},
        CasFichier{"marque_utf8_au_milieu", "' taux\r\n\xEF\xBB\xBF' x\r\n", Chargement::Corrompu, -2,
                   "ligne 2 : « ' x » : la ligne commence par un caractère invisible (marque UTF-8) ; "
                   "le retirer"},
        CasFichier{"lignes_vides", "\r\n\r\n1S2010\t3.47\r\n\r\n", Chargement::Ok, 0, ""},
        CasFichier{"commentaires_seuls", "' un\r\n\r\n' deux\r\n", Chargement::Ok, -1,
                   "aucun taux : le fichier n'a que des commentaires et des lignes vides"},
        CasFichier{"vide", "", Chargement::Ok, -1, "aucun taux : le fichier est vide"},
        CasFichier{"sans_tabulation", "1S2010 3.47\r\n", Chargement::Corrompu, -2,
                   "ligne 1 : « 1S2010 3.47 » : la clé et le taux sont séparés par des blancs ; il faut une "
                   "tabulation"},
        CasFichier{"cle_seule", "' a\r\n1S2010\r\n", Chargement::Corrompu, -2,
                   "ligne 2 : « 1S2010 » : il manque la tabulation entre la clé et le taux"},
        CasFichier{"virgule_dans_commentaire", "' un, deux\r\n1S2010\t3.47\r\n", Chargement::Corrompu, -2,
                   "ligne 1 : « ' un, deux » : une virgule dans un commentaire coupe la ligne ; retirer la virgule"},
        CasFichier{"virgule_decimale", "1S2010\t3,47\r\n", Chargement::Corrompu, -2,
                   "ligne 1 : « 3,47 » : le taux s'écrit avec un point décimal (3.47)"},
        CasFichier{"virgule_decimale_ligne_4", "' a\r' b\r\r1S2010\t3,50\r", Chargement::Corrompu, -2,
                   "ligne 4 : « 3,50 » : le taux s'écrit avec un point décimal (3.50)"},
        CasFichier{"virgule_dans_la_cle", "1S,2010\t3.47\r\n", Chargement::Corrompu, -2,
                   "ligne 1 : « 1S,2010 3.47 » : une virgule coupe la ligne ; ni la clé ni le taux n'en contiennent"},
        CasFichier{"guillemets_avec_virgule", "\"1S2010\t3,47\"\r\n", Chargement::Ok, 0, ""},
        CasFichier{"guillemet_non_ferme", "' a\r\n\"1S2010\t3.47\r\n", Chargement::Corrompu, -2,
                   "ligne 2 : « \"1S2010 3.47 » : le guillemet ouvert n'est jamais refermé"},
        CasFichier{"taux_non_numerique", "1S2010\tabc\r\n", Chargement::Ok, 0, ""},
        CasFichier{"taux_enorme", "1S2010\t1e400\r\n", Chargement::Corrompu, -2,
                   "ligne 1 : « 1e400 » : taux hors des limites"},
        CasFichier{"octets_nuls", QByteArray("1S2010\t3.47\r\n\0\0\0", 16), Chargement::Corrompu, -2,
                   "ligne 2 : « \uFFFD\uFFFD\uFFFD » : il manque la tabulation entre la clé et le taux"},
        CasFichier{"binaire", QByteArray("\x01\xff\xfe\x80,\x7f", 6), Chargement::Corrompu, -2,
                   "ligne 1 : « \uFFFD\uFFFD\uFFFD\uFFFD,\uFFFD » : une virgule coupe la ligne ; ni la clé ni le taux "
                   "n'en contiennent"},
        CasFichier{"cent_une_entrees", entrees(101), Chargement::Ok, 100, ""},
        CasFichier{"cent_deux_entrees", entrees(102), Chargement::Corrompu, -2,
                   "ligne 103 : « 2S2050 » : au-delà de 101 taux ; le fichier en a trop"},
        CasFichier{"annee_hors_limites", "' a\r\n1S99999\t3.47\r\n", Chargement::Ok, 0,
                   "ligne 2 : « 1S99999 » : l'année de la clé ne se lit pas (une clé s'écrit 1S2010 ou 2S2010)"},
        CasFichier{"annees_toutes_nulles", "1Sabc\t3.47\r\n", Chargement::Ok, 0,
                   "aucune année dans les clés (une clé s'écrit 1S2010 ou 2S2010)"},
        CasFichier{"cle_minuscule_et_desordre", "1s2010\t3.47\r\n\r\n2S2011\t3.5\r\n", Chargement::Ok, 1, ""},
        CasFichier{"ligne_de_10_mo", "' " + QByteArray(10'000'000, 'x') + "\r\n1S2010\t3.47\r\n", Chargement::Ok, 0,
                   ""}),
    [](const auto &info) { return std::string(info.param.nom); });

TEST(ChargementFichier, CleEtTauxLusTelsQuels)
{
    Essai e;
    ASSERT_EQ(e.charge("1s2010\t 3 . 4 7 x\r\n \tvide\r\n"), Chargement::Ok);
    EXPECT_EQ(e.table.periodes[0], QStringLiteral("1s2010"));
    EXPECT_EQ(e.table.taux[0], 3.47);
    EXPECT_EQ(e.table.periodes[1], QString());
    EXPECT_EQ(e.table.taux[1], 0);
    ASSERT_EQ(e.charge("\xEF\xBB\xBF"
                       "1S2010\t3.47\r\n"),
              Chargement::Ok);
    EXPECT_EQ(e.table.periodes[0], QStringLiteral("1S2010"));
}

TEST(ChargementFichier, FichierAbsentOuDossier)
{
    Essai e;
    e.table.fichiertaux = e.dossier.filePath(QStringLiteral("absent.txt"));
    EXPECT_EQ(taux::chargetaux(e.table), Chargement::Introuvable);
    e.table.fichiertaux = e.dossier.path();
    EXPECT_EQ(taux::chargetaux(e.table), Chargement::Introuvable);
    EXPECT_FALSE(taux::fichierexiste(e.dossier.path()));
    EXPECT_FALSE(taux::fichierexiste(QString()));
}

// Un fichier relu avec moins d'entrées : plus rien de l'ancien contenu ne se voit.
TEST(ChargementFichier, RechargementPlusCourtSansAnciennesEntrees)
{
    Essai e;
    ASSERT_EQ(e.charge("2S2010\t3.35\r\n1S2010\t3.47\r\n2S2009\t3.9\r\n"), Chargement::Ok);
    ASSERT_EQ(e.charge("2S2011\t2.5\r\n"), Chargement::Ok);
    EXPECT_EQ(taux::listeannees(e.table), QStringList{QStringLiteral("2011")});
    EXPECT_EQ(taux::tauxperiode(e.table, 2011, 2), 2.5);
    for (const auto &[annee, semestre] : {std::pair{2010, 2}, {2010, 1}, {2009, 2}})
        EXPECT_EQ(taux::tauxperiode(e.table, qint16(annee), semestre), 0) << semestre << "S" << annee;
    EXPECT_TRUE(e.table.datefichiertaux.isValid());
}

} // namespace
