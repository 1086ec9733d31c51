// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "app/systeme/lignecommande.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "tests/limitefichiers.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

struct CasDossier
{
    const char *nom;
    QStringList arguments; // après le nom du programme ; « @ » : le dossier temporaire
    QString attendu;
};

void PrintTo(const CasDossier &cas, std::ostream *sortie)
{
    *sortie << cas.nom;
}

class Dossier : public ::testing::TestWithParam<CasDossier>
{
};

TEST_P(Dossier, ArgumentsJointsParDesBlancs)
{
    QTemporaryDir temporaire;
    ASSERT_TRUE(temporaire.isValid());
    const QString base = temporaire.path();
    ASSERT_TRUE(QDir(base).mkpath(QStringLiteral("mes taux")));
    QStringList arguments{QStringLiteral("brunelix")};
    for (const QString &a : GetParam().arguments)
        arguments << QString(a).replace(u'@', base);
    EXPECT_EQ(commande::dossier(arguments), QString(GetParam().attendu).replace(u'@', base));
}

INSTANTIATE_TEST_SUITE_P(
    LigneDeCommande, Dossier,
    ::testing::Values(
        CasDossier{"Vide", {}, QString()},
        CasDossier{"Blancs", {QStringLiteral("@/mes"), QStringLiteral("taux")}, QStringLiteral("@/mes taux")},
        CasDossier{"Inexistant", {QStringLiteral("@/absent")}, QStringLiteral("@/absent")},
        CasDossier{"OptionInconnue", {QStringLiteral("--rien"), QStringLiteral("@")}, QStringLiteral("@")},
        CasDossier{"ApresDeuxTirets", {QStringLiteral("--"), QStringLiteral("-x")}, QStringLiteral("-x")}),
    [](const auto &info) { return std::string(info.param.nom); });

TEST(LigneDeCommande, DossierInexistantSignale)
{
    testing::internal::CaptureStderr();
    commande::dossier({QStringLiteral("brunelix"), QStringLiteral("/nulle/part")});
    EXPECT_NE(testing::internal::GetCapturedStderr().find("n'existe pas"), std::string::npos);
}

// Commandes des taux sans fenêtre : sortie, statut, fichier du dossier intact sauf pour 0.
struct CasCommande
{
    const char *nom;
    QStringList arguments; // « @ » : le dossier temporaire
    int statut;
    std::string sortie;   // début de la sortie standard (@ : le dossier, # : la date du jour)
    std::string erreur;   // sortie d'erreur attendue
    QByteArray fichier{}; // contenu après, quand il change
    friend void PrintTo(const CasCommande &c, std::ostream *os) { *os << c.nom; }
};

class Commandes : public ::testing::TestWithParam<CasCommande>
{
};

const QByteArray livre = "' taux\r\n1S2024\t5.06\r\n";

TEST_P(Commandes, SortieStatutEtFichier)
{
    const auto &c = GetParam();
    QTemporaryDir temporaire;
    ASSERT_TRUE(temporaire.isValid());
    const QString fichier = temporaire.filePath(QStringLiteral("BRUNELIX.TXT"));
    {
        QFile f(fichier);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(livre);
    }
    QStringList arguments{QStringLiteral("brunelix")};
    for (const QString &a : c.arguments)
        arguments << QString(a).replace(u'@', temporaire.path());
    const auto remplace = [&](std::string texte) {
        for (const auto &[de, par] : {std::pair{'@', temporaire.path().toStdString()},
                                      std::pair{'#', QDate::currentDate().toString("dd/MM/yyyy").toStdString()}})
            for (auto i = texte.find(de); i != std::string::npos; i = texte.find(de))
                texte.replace(i, 1, par);
        return texte;
    };
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    EXPECT_EQ(commande::execute(arguments), c.statut);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), remplace(c.erreur));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), remplace(c.sortie));
    QFile f(fichier);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), c.fichier.isEmpty() ? livre : QByteArray::fromStdString(remplace(c.fichier.toStdString())));
}

INSTANTIATE_TEST_SUITE_P(
    LigneDeCommande, Commandes,
    ::testing::Values(
        CasCommande{"Tmop",
                    {QStringLiteral("--tmop"), QStringLiteral("2S2024=3,37"), QStringLiteral("--source"),
                     QStringLiteral("lettre, DGFiP"), QStringLiteral("@")},
                    0,
                    "2S2024 ajouté au taux de 5,06 % (1,5 × 3,37 = 5,055, arrondi au centième : 5,06 %) dans "
                    "@/BRUNELIX.TXT\n",
                    "",
                    "' taux\r\n' 2S2024 saisi le # ; TMOP 3.37 ; source : lettre ; DGFiP\r\n2S2024\t5.06\r\n"
                    "1S2024\t5.06\r\n"},
        CasCommande{"TauxPoint",
                    {QStringLiteral("--taux=2S2024=4.85"), QStringLiteral("@")},
                    0,
                    "2S2024 ajouté au taux de 4,85 % dans @/BRUNELIX.TXT\n",
                    "",
                    "' taux\r\n' 2S2024 saisi le #\r\n2S2024\t4.85\r\n1S2024\t5.06\r\n"},
        CasCommande{"DejaCeTaux",
                    {QStringLiteral("--taux"), QStringLiteral("1S2024=5,06"), QStringLiteral("@")},
                    0,
                    "1S2024 a déjà le taux de 5,06 % : rien n'est écrit\n",
                    ""},
        CasCommande{
            "Liste", {QStringLiteral("--liste-taux"), QStringLiteral("@")}, 0, "1S2024\t5,06\tnon officiel\n", ""},
        CasCommande{
            "OptionInconnue",
            {QStringLiteral("--rien"), QStringLiteral("--taux"), QStringLiteral("2S2024=4,85"), QStringLiteral("@")},
            2,
            "",
            "Brunelix : option inconnue : rien (voir brunelix --help).\n"},
        CasCommande{"TroisDecimales",
                    {QStringLiteral("--taux"), QStringLiteral("2S2024=4,855"), QStringLiteral("@")},
                    2,
                    "",
                    "Brunelix : Taux « 4,855 » refusé : deux décimales au plus.\n"},
        CasCommande{"SansEgal",
                    {QStringLiteral("--tmop"), QStringLiteral("2S2024"), QStringLiteral("@")},
                    2,
                    "",
                    "Brunelix : --tmop attend SEMESTRE=NOMBRE, par exemple 2S2024=4,85 ; reçu « 2S2024 ».\n"},
        CasCommande{"RetraitLivre",
                    {QStringLiteral("--retire"), QStringLiteral("1S2024"), QStringLiteral("@")},
                    2,
                    "",
                    "Brunelix : 1S2024 est une ligne livrée, pas une saisie : elle reste.\n"},
        CasCommande{
            "DeuxCommandes",
            {QStringLiteral("--liste-taux"), QStringLiteral("--retire"), QStringLiteral("1S2024"), QStringLiteral("@")},
            2,
            "",
            "Brunelix : une seule commande à la fois.\n"},
        CasCommande{"SourceSansSaisie",
                    {QStringLiteral("--retire"), QStringLiteral("1S2024"), QStringLiteral("--source"),
                     QStringLiteral("x"), QStringLiteral("@")},
                    2,
                    "",
                    "Brunelix : --source va avec --taux ou --tmop, une seule fois.\n"},
        CasCommande{"DossierSansFichier",
                    {QStringLiteral("--liste-taux"), QStringLiteral("@/absent")},
                    2,
                    "",
                    "Brunelix : pas de fichier BRUNELIX.TXT dans le dossier « @/absent ».\n"}),
    [](const auto &info) { return std::string(info.param.nom); });

// Écriture ratée (disque plein) : statut 1, fichier intact.
TEST(LigneDeCommande, EcritureRateeStatutUn)
{
    QTemporaryDir temporaire;
    ASSERT_TRUE(temporaire.isValid());
    QFile f(temporaire.filePath(QStringLiteral("BRUNELIX.TXT")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(livre);
    f.close();
    // La sortie d'erreur n'est pas capturée : sa capture est un fichier, que la limite empêche.
    std::optional<LimiteFichiers> plein(std::in_place);
    const int statut = commande::execute(
        {QStringLiteral("brunelix"), QStringLiteral("--taux"), QStringLiteral("2S2024=4,85"), temporaire.path()});
    plein.reset();
    EXPECT_EQ(statut, 1);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), livre);
}

TEST(LigneDeCommandeDeathTest, VersionEtAideTerminentAvecZero)
{
    char nom[] = "brunelix", version[] = "--version", aide[] = "--help";
    char *avecversion[] = {nom, version}, *avecaide[] = {nom, aide};
    EXPECT_EXIT(commande::options(2, avecversion), ::testing::ExitedWithCode(0), "");
    EXPECT_EXIT(commande::options(2, avecaide), ::testing::ExitedWithCode(0), "");
}

} // namespace
