// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "app/systeme/lignecommande.h"

#include "tests/affichage.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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

// Le programme construit : aide et version sur la sortie standard, statut 0, sans fenêtre
// (le dossier qui suit n'est pas examiné).
TEST(LigneDeCommande, AideEtVersionDuProgramme)
{
    const QByteArray aide = "Usage : brunelix [options] [dossier]\n"
                            "Calcul de la remise due au comptant pour un crédit gratuit.\n\n"
                            "Options :\n"
                            "  -h, --help     Affiche cette aide.\n"
                            "  -v, --version  Affiche la version.\n\n"
                            "Arguments :\n"
                            "  dossier        Dossier où prendre BRUNELIX.TXT ; le reste de la ligne y est\n"
                            "                 joint par des blancs (pas de guillemets).\n";
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
