// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "app/bureau/lanceur.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <unistd.h>

namespace bureau {

namespace {

// Processus en vie : présent et pas à l'état zombie.
bool vivant(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (pid <= 0 || !stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray s = stat.readAll();
    const qsizetype fin = s.lastIndexOf(')');
    return fin > 0 && fin + 2 < s.size() && s.at(fin + 2) != 'Z';
}

// Nom du processus tel que le noyau le garde (15 caractères au plus).
QByteArray nomnoyau(const QString &programme) { return QFileInfo(programme).fileName().toUtf8().left(15); }

} // namespace

qint64 processusouvert(const QStringList &noms)
{
    QList<QByteArray> cherches;
    for (const QString &n : noms)
        cherches.append(nomnoyau(n));
    const uint moi = ::getuid();
    const QStringList entrees = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &e : entrees) {
        bool ok = false;
        const qint64 pid = e.toLongLong(&ok);
        if (!ok || QFileInfo(QStringLiteral("/proc/") + e).ownerId() != moi)
            continue;
        QFile comm(QStringLiteral("/proc/%1/comm").arg(e));
        if (comm.open(QIODevice::ReadOnly) && cherches.contains(comm.readAll().trimmed()) && vivant(pid))
            return pid;
    }
    return 0;
}

Issue releveoulance(const QStringList &noms, const QString &programme, const QStringList &arguments)
{
    if (const qint64 pid = processusouvert(noms)) {
        QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
        const QString nom = comm.open(QIODevice::ReadOnly) ? QString::fromUtf8(comm.readAll().trimmed()) : QString();
        return relevefenetre(pid, nom) ? Issue::Releve : Issue::DejaOuvert;
    }
    if (programme.isEmpty() || !QProcess::startDetached(programme, arguments))
        return Issue::Echec;
    return Issue::Lance;
}

} // namespace bureau
