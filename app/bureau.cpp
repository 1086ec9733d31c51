#include "app/bureau.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

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

// Processus en cours dont le nom est celui du programme (nom tronqué à 15 caractères).
qint64 processus(const QString &programme)
{
    const QByteArray nom = QFileInfo(programme).fileName().toUtf8().left(15);
    const QStringList entrees = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &e : entrees) {
        bool ok = false;
        const qint64 pid = e.toLongLong(&ok);
        if (!ok)
            continue;
        QFile comm(QStringLiteral("/proc/%1/comm").arg(e));
        if (comm.open(QIODevice::ReadOnly) && comm.readAll().trimmed() == nom && vivant(pid))
            return pid;
    }
    return 0;
}

void releve(qint64 pid)
{
    const QString xdotool = QStandardPaths::findExecutable(QStringLiteral("xdotool"));
    if (!xdotool.isEmpty())
        QProcess::startDetached(xdotool, {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                                          QString::number(pid), QStringLiteral("windowactivate")});
}

} // namespace

const QStringList Calculatrice::programmes = {QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"),
                                              QStringLiteral("galculator"),       QStringLiteral("mate-calc"),
                                              QStringLiteral("qalculate-gtk"),    QStringLiteral("xcalc")};

void Calculatrice::lance()
{
    for (const QString &nom : programmes) {
        const QString chemin = QStandardPaths::findExecutable(nom);
        if (chemin.isEmpty())
            continue;
        const qint64 ouvert = vivant(pid_) ? pid_ : processus(chemin);
        if (ouvert) {
            releve(ouvert);
            return;
        }
        qint64 pid = 0;
        if (QProcess::startDetached(chemin, {}, QString(), &pid))
            pid_ = pid;
        return;
    }
}
