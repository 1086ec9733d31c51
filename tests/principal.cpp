// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
// main des tests : une QApplication sur la plateforme offscreen.
#include "app/bureau/demarrage.h"

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Sans dossier d'exécution, Qt en crée un dans /tmp qui resterait : un dossier
    // temporaire le remplace, hérité par les fils des essais de fin.
    std::optional<QTemporaryDir> execution;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", execution.emplace().path().toUtf8());
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::GTEST_FLAG(death_test_style) = "threadsafe";
    QApplication app(argc, argv);
    preparedemarrage();
    return RUN_ALL_TESTS();
}
