// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "config/dossiers.h"

#include <QDir>
#include <QFile>

#include <pwd.h>
#include <unistd.h>

namespace maj {

namespace {

// Valeur de la variable quand elle est un chemin absolu, vide sinon.
QString absolue(const char *variable)
{
    const QString v = qEnvironmentVariable(variable);
    return QDir::isAbsolutePath(v) ? QDir::cleanPath(v) : QString();
}

QString ouautre(const QString &valeur, const QString &relatif)
{
    return valeur.isEmpty() ? dossierpersonnel() + relatif : valeur;
}

} // namespace

QString dossierpersonnel()
{
    const QString home = absolue("HOME");
    if (!home.isEmpty())
        return home;
    const passwd *pw = getpwuid(getuid());
    return pw && pw->pw_dir ? QDir::cleanPath(QFile::decodeName(pw->pw_dir)) : QString();
}

QString donneesutilisateur()
{
    return ouautre(absolue("XDG_DATA_HOME"), QStringLiteral("/.local/share"));
}

QString reglagesutilisateur()
{
    return ouautre(absolue("XDG_CONFIG_HOME"), QStringLiteral("/.config"));
}

QStringList donneessysteme()
{
    QStringList dossiers;
    for (const QString &d : qEnvironmentVariable("XDG_DATA_DIRS").split(u':', Qt::SkipEmptyParts))
        if (QDir::isAbsolutePath(d))
            dossiers << QDir::cleanPath(d);
    if (dossiers.isEmpty())
        dossiers << QStringLiteral("/usr/local/share") << QStringLiteral("/usr/share");
    return dossiers;
}

} // namespace maj
