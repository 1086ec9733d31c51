// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "tests/environnement.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QNetworkAccessManager>

#include <utility>

MaisonEssai::MaisonEssai()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Aucun proxy du développeur ne voit les essais : seul l'essai du proxy en pose un.
    for (const char *v :
         {"http_proxy", "https_proxy", "all_proxy", "no_proxy", "HTTP_PROXY", "HTTPS_PROXY", "ALL_PROXY", "NO_PROXY"})
        qunsetenv(v);
    if (!qEnvironmentVariableIsEmpty("BRUNELIX_ESSAI_MAISON"))
        return;
    maison_.emplace();
    const QString chemin = maison_->path();
    const QByteArray m = chemin.toUtf8();
    QDir(chemin).mkdir(QStringLiteral("tmp"));
    // Traversable par tous, comme un vrai dossier personnel : le processus d'un autre
    // utilisateur (essais de la calculatrice) y atteint les programmes qu'on lui prépare.
    QFile::setPermissions(chemin, QFile::permissions(chemin) | QFile::ExeGroup | QFile::ExeOther);
    qputenv("BRUNELIX_ESSAI_MAISON", m);
    qputenv("HOME", m);
    qputenv("TMPDIR", m + "/tmp");
    QDir(chemin).mkdir(QStringLiteral("execution"));
    QFile::setPermissions(chemin + QStringLiteral("/execution"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner); // 0700, comme Qt le demande
    qputenv("XDG_RUNTIME_DIR", m + "/execution");
    const std::pair<const char *, const char *> dossiers[] = {
        {"XDG_DATA_HOME", "/.local/share"},  {"XDG_CONFIG_HOME", "/.config"}, {"XDG_CACHE_HOME", "/.cache"},
        {"XDG_STATE_HOME", "/.local/state"}, {"XDG_DATA_DIRS", "/usr/share"}, {"XDG_CONFIG_DIRS", "/etc/xdg"}};
    for (const auto &[variable, sous] : dossiers)
        qputenv(variable, m + sous);
}

void videgestionnaires(QCoreApplication &app)
{
    qDeleteAll(app.findChildren<QNetworkAccessManager *>(Qt::FindDirectChildrenOnly));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
