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

QByteArray lit(const QString &chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Processus en vie : présent et pas à l'état zombie.
bool vivant(qint64 pid)
{
    const QByteArray s = lit(QStringLiteral("/proc/%1/stat").arg(pid));
    const qsizetype fin = s.lastIndexOf(')');
    return fin > 0 && fin + 2 < s.size() && s.at(fin + 2) != 'Z';
}

QString nomfichier(const QString &chemin)
{
    return QFileInfo(chemin).fileName();
}

} // namespace

QString nomprogramme(qint64 pid)
{
    const QString dossier = QStringLiteral("/proc/%1/").arg(pid);
    const QList<QByteArray> mots = lit(dossier + QStringLiteral("cmdline")).split('\0');
    QString executable = QFile::symLinkTarget(dossier + QStringLiteral("exe"));
    if (executable.endsWith(QStringLiteral(" (deleted)"))) // remplacé depuis son lancement
        executable.chop(10);
    const QString nom = nomfichier(executable.isEmpty() ? QString::fromLocal8Bit(mots.first()) : executable);
    // Un script tourne sous son interpréteur, lancé sur le fichier du script (après une
    // éventuelle option de la ligne #!) : le nom que le noyau donne au processus, coupé à
    // 15 octets, est alors le début de ce fichier.
    QByteArray noyau = lit(dossier + QStringLiteral("comm"));
    if (noyau.endsWith('\n'))
        noyau.chop(1);
    if (!noyau.isEmpty() && !nom.toLocal8Bit().startsWith(noyau))
        for (qsizetype i = 1; i <= 2 && i < mots.size(); ++i) {
            const QString script = nomfichier(QString::fromLocal8Bit(mots.at(i)));
            if (script.toLocal8Bit().startsWith(noyau))
                return script;
        }
    return nom;
}

qint64 processusouvert(const QStringList &noms)
{
    const uint moi = ::getuid();
    const QStringList entrees = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &e : entrees) {
        bool ok = false;
        const qint64 pid = e.toLongLong(&ok);
        if (ok && pid > 0 && QFileInfo(QStringLiteral("/proc/") + e).ownerId() == moi &&
            noms.contains(nomprogramme(pid)) && vivant(pid))
            return pid;
    }
    return 0;
}

Issue releveoulance(const QStringList &noms, const QString &programme, const QStringList &arguments)
{
    // Le programme à lancer compte sous son nom et sous celui du fichier qu'il désigne.
    QStringList cherches = noms;
    if (!programme.isEmpty())
        cherches << nomfichier(programme) << nomfichier(QFileInfo(programme).canonicalFilePath());
    if (const qint64 pid = processusouvert(cherches)) {
        if (relevefenetre(pid, nomprogramme(pid)))
            return Issue::Releve;
        if (!fenetreshorsdatteinte())
            return Issue::DejaOuvert;
    }
    if (programme.isEmpty() || !QProcess::startDetached(programme, arguments))
        return Issue::Echec;
    return Issue::Lance;
}

} // namespace bureau
