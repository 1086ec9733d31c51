// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
// main des tests de fenêtres : une QApplication sur la plateforme offscreen, un dossier
// personnel temporaire.
#include "app/systeme/demarrage.h"
#include "tests/environnement.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    MaisonEssai maison;
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::GTEST_FLAG(death_test_style) = "threadsafe";
    QApplication app(argc, argv);
    preparedemarrage();
    const int resultat = RUN_ALL_TESTS();
    videgestionnaires(app);
    return resultat;
}
