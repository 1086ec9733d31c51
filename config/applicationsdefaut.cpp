// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "config/applicationsdefaut.h"

#include "config/dossiers.h"
#include "config/entreebureau.h"

#include <QFileInfo>

namespace config {

QStringList applicationsdefaut(const QString &type)
{
    QStringList applications = {donneesutilisateur() + QStringLiteral("/applications")};
    for (const QString &d : donneessysteme())
        applications << d + QStringLiteral("/applications");
    const QStringList bureaux = qEnvironmentVariable("XDG_CURRENT_DESKTOP").toLower().split(u':', Qt::SkipEmptyParts);
    QStringList listes;
    for (const QString &d : QStringList{reglagesutilisateur()} + reglagessysteme() + applications) {
        for (const QString &b : bureaux)
            listes << d + u'/' + b + QStringLiteral("-mimeapps.list");
        listes << d + QStringLiteral("/mimeapps.list");
    }
    QStringList fichiers;
    for (const QString &liste : listes)
        for (const QString &id : EntreeBureau::lit(liste).liste(QStringLiteral("Default Applications"), type))
            for (const QString &d : applications) {
                const QString chemin = d + u'/' + id;
                if (!QFileInfo(chemin).isFile())
                    continue;
                if (!fichiers.contains(chemin))
                    fichiers << chemin;
                break; // le premier dossier qui a ce fichier le définit
            }
    return fichiers;
}

} // namespace config
