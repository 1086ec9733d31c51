// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "config/dossiers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <pwd.h>
#include <unistd.h>

namespace config {

namespace {

// Valeur de la variable quand elle est un chemin absolu, vide sinon.
QString absolue(const char *variable)
{
    const QString v = qEnvironmentVariable(variable);
    return QDir::isAbsolutePath(v) ? QDir::cleanPath(v) : QString();
}

// Entrées absolues d'une liste de dossiers ; aucune : les dossiers par défaut.
QStringList absolues(const char *variable, const QStringList &defauts)
{
    QStringList dossiers;
    for (const QString &d : qEnvironmentVariable(variable).split(u':', Qt::SkipEmptyParts))
        if (QDir::isAbsolutePath(d))
            dossiers << QDir::cleanPath(d);
    return dossiers.isEmpty() ? defauts : dossiers;
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
    return absolues("XDG_DATA_DIRS", {QStringLiteral("/usr/local/share"), QStringLiteral("/usr/share")});
}

QStringList reglagessysteme()
{
    return absolues("XDG_CONFIG_DIRS", {QStringLiteral("/etc/xdg")});
}

QString documents()
{
    const QString maison = dossierpersonnel();
    QString dossier = maison + QStringLiteral("/Documents");
    // Lignes « XDG_DOCUMENTS_DIR="$HOME/Documents" » du fichier écrit par xdg-user-dirs.
    QFile f(reglagesutilisateur() + QStringLiteral("/user-dirs.dirs"));
    if (f.open(QIODevice::ReadOnly | QIODevice::Text))
        while (!f.atEnd()) {
            const QString ligne = QString::fromUtf8(f.readLine()).trimmed();
            const QString debut = QStringLiteral("XDG_DOCUMENTS_DIR=\"");
            if (!ligne.startsWith(debut) || !ligne.endsWith(u'"') || ligne.size() <= debut.size())
                continue;
            QString valeur = ligne.mid(debut.size(), ligne.size() - debut.size() - 1);
            if (valeur.startsWith(QStringLiteral("$HOME")))
                valeur.replace(0, 5, maison);
            if (QDir::isAbsolutePath(valeur))
                dossier = QDir::cleanPath(valeur);
        }
    return QFileInfo(dossier).isDir() ? dossier : maison;
}

} // namespace config
