// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
// main des tests : une QApplication sur la plateforme offscreen, un dossier personnel temporaire.
#include "app/systeme/demarrage.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QNetworkAccessManager>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Aucun essai ne lit ni n'écrit le vrai dossier personnel : HOME, les dossiers XDG et TMPDIR
    // dans un dossier temporaire, supprimé à la fin avec ce qu'un processus fils (test de mort,
    // qui finit sans détruire ses objets) y a laissé. Le fils garde celui de son parent.
    std::optional<QTemporaryDir> maison;
    if (qEnvironmentVariableIsEmpty("BRUNELIX_ESSAI_MAISON")) {
        maison.emplace();
        const QByteArray m = maison->path().toUtf8();
        QDir(maison->path()).mkdir(QStringLiteral("tmp"));
        // Traversable par tous, comme un vrai dossier personnel : le processus d'un autre
        // utilisateur (essais de la calculatrice) y atteint les programmes qu'on lui prépare.
        QFile::setPermissions(maison->path(), QFile::permissions(maison->path()) | QFile::ExeGroup | QFile::ExeOther);
        qputenv("BRUNELIX_ESSAI_MAISON", m);
        qputenv("HOME", m);
        qputenv("TMPDIR", m + "/tmp");
        QDir(maison->path()).mkdir(QStringLiteral("execution"));
        QFile::setPermissions(maison->path() + QStringLiteral("/execution"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner); // 0700, comme Qt le demande
        qputenv("XDG_RUNTIME_DIR", m + "/execution");
        const std::pair<const char *, const char *> dossiers[] = {
            {"XDG_DATA_HOME", "/.local/share"},  {"XDG_CONFIG_HOME", "/.config"}, {"XDG_CACHE_HOME", "/.cache"},
            {"XDG_STATE_HOME", "/.local/state"}, {"XDG_DATA_DIRS", "/usr/share"}, {"XDG_CONFIG_DIRS", "/etc/xdg"}};
        for (const auto &[variable, sous] : dossiers)
            qputenv(variable, m + sous);
    }
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::GTEST_FLAG(death_test_style) = "threadsafe";
    QApplication app(argc, argv);
    preparedemarrage();
    const int resultat = RUN_ALL_TESTS();
    // Gestionnaires gardés après une échéance dépassée : détruits tant que leurs
    // suppressions différées peuvent encore être traitées.
    qDeleteAll(app.findChildren<QNetworkAccessManager *>(Qt::FindDirectChildrenOnly));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return resultat;
}
