// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "app/systeme/lignecommande.h"

#include <QDir>
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

TEST(LigneDeCommandeDeathTest, VersionEtAideTerminentAvecZero)
{
    char nom[] = "brunelix", version[] = "--version", aide[] = "--help";
    char *avecversion[] = {nom, version}, *avecaide[] = {nom, aide};
    EXPECT_EXIT(commande::options(2, avecversion), ::testing::ExitedWithCode(0), "");
    EXPECT_EXIT(commande::options(2, avecaide), ::testing::ExitedWithCode(0), "");
}

} // namespace
