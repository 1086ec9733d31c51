// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "app/systeme/lignecommande.h"

#include "tests/affichage.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QProcess>
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

// Le programme construit : aide et version sur la sortie standard, statut 0, sans fenêtre
// (le dossier qui suit n'est pas examiné).
TEST(LigneDeCommande, AideEtVersionDuProgramme)
{
    const QByteArray aide = "Usage : brunelix [options] [dossier]\n"
                            "Calcul de la remise due au comptant pour un crédit gratuit.\n\n"
                            "Options :\n"
                            "  -h, --help         Affiche cette aide.\n"
                            "  -v, --version      Affiche la version.\n"
                            "  --texte            Écrit sur la sortie standard le texte que « Copier » met\n"
                            "                     dans le presse-papiers, sans ouvrir de fenêtre. Les\n"
                            "                     dernières lignes, après une ligne vide, ne sont pas des\n"
                            "                     lignes du tableau : la mention du taux (taux non\n"
                            "                     officiel, dernier semestre connu), quand il y en a une.\n"
                            "  --pdf fichier      Enregistre la page imprimée du tableau en PDF, sans\n"
                            "                     ouvrir de fenêtre ; entière ou pas du tout.\n"
                            "  --montant montant  Prix à crédit du tableau exporté (100 par défaut).\n"
                            "  --semestre cle     Semestre du tableau exporté, par exemple 1S2024 (par\n"
                            "                     défaut celui que la fenêtre choisit au démarrage).\n\n"
                            "Taux de référence, sans fenêtre (même fichier et mêmes règles que la fenêtre) :\n"
                            "  --taux SEMESTRE=TAUX [--source TEXTE]\n"
                            "                     Ajoute en tête ou corrige le taux d'un semestre (2S2024=4,85).\n"
                            "  --tmop SEMESTRE=TMOP [--source TEXTE]\n"
                            "                     Idem avec le TMOP du semestre précédent (2S2024=3,23 donne\n"
                            "                     1,5 × 3,23 arrondi au centième : 4,85).\n"
                            "  --retire SEMESTRE  Retire un semestre saisi (les lignes livrées restent).\n"
                            "  --liste-taux       Une ligne par semestre : clé, taux, nature.\n\n"
                            "Arguments :\n"
                            "  dossier            Dossier où prendre BRUNELIX.TXT ; le reste de la ligne y\n"
                            "                     est joint par des blancs (pas de guillemets).\n\n"
                            "Statut de sortie des commandes sans fenêtre : 0 fait (ou déjà fait), 1 écriture\n"
                            "ratée, 2 entrée refusée (message sur la sortie d'erreur).\n";
    const QByteArray version = "Brunelix " BRUNELIX_VERSION "\n";
    const struct
    {
        QStringList arguments;
        QByteArray attendu;
    } cas[] = {
        {{QStringLiteral("--help")}, aide},
        {{QStringLiteral("-h"), QStringLiteral("/nulle/part")}, aide},
        {{QStringLiteral("--version")}, version},
        {{QStringLiteral("/nulle/part"), QStringLiteral("-v")}, version},
    };
    for (const auto &c : cas) {
        QProcess programme;
        programme.start(QStringLiteral(BRUNELIX_PROGRAMME), c.arguments);
        ASSERT_TRUE(programme.waitForFinished(30000)) << c.arguments.join(u' ').toStdString();
        EXPECT_EQ(programme.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(programme.exitCode(), 0);
        EXPECT_EQ(QString::fromUtf8(programme.readAllStandardOutput()), QString::fromUtf8(c.attendu))
            << c.arguments.join(u' ').toStdString();
        EXPECT_EQ(QString::fromUtf8(programme.readAllStandardError()), QString());
    }
}

} // namespace
