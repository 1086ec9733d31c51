// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
// main des tests des bibliothèques : une QCoreApplication, sans fenêtres, un dossier
// personnel temporaire.
#include "tests/environnement.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    MaisonEssai maison;
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::GTEST_FLAG(death_test_style) = "threadsafe";
    QCoreApplication app(argc, argv);
    const int resultat = RUN_ALL_TESTS();
    videgestionnaires(app);
    return resultat;
}
