// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "config/ecriture.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace config {

namespace {

// Dossiers manquants sur le chemin du dossier, du plus profond au moins profond.
QStringList dossiersmanquants(const QString &dossier)
{
    QStringList manquants;
    for (QString d = QDir::cleanPath(dossier); !QFileInfo::exists(d) && !QFileInfo(d).isSymLink();) {
        manquants << d;
        const QString parent = QFileInfo(d).path();
        if (parent == d)
            break;
        d = parent;
    }
    return manquants;
}

bool ecrit(const QString &chemin, const QByteArray &contenu)
{
    QSaveFile f(chemin);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    // Disque plein : commit() renommerait quand même après un dernier vidage raté.
    if (f.write(contenu) != contenu.size() || !f.flush()) {
        f.cancelWriting();
        f.commit();
        return false;
    }
    return f.commit();
}

} // namespace

bool remplacefichier(const QString &chemin, const QByteArray &contenu)
{
    const QFileInfo cible(chemin);
    if ((cible.exists() || cible.isSymLink()) && !cible.isFile())
        return false;
    const QStringList crees = dossiersmanquants(cible.absolutePath());
    if (!crees.isEmpty() && !QDir().mkpath(crees.first())) {
        for (const QString &d : crees)
            QDir().rmdir(d);
        return false;
    }
    if (ecrit(chemin, contenu))
        return true;
    for (const QString &d : crees)
        QDir().rmdir(d);
    return false;
}

} // namespace config
