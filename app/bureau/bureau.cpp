// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "app/bureau/bureau.h"

#include "app/bureau/lanceur.h"
#include "config/ini.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

const QStringList Calculatrice::programmes = {QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"),
                                              QStringLiteral("galculator"),       QStringLiteral("mate-calc"),
                                              QStringLiteral("qalculate-gtk"),    QStringLiteral("xcalc")};

namespace {

QString premierinstalle(const QStringList &noms)
{
    for (const QString &nom : noms) {
        const QString chemin = QStandardPaths::findExecutable(nom);
        if (!chemin.isEmpty())
            return chemin;
    }
    return {};
}

QStringList dossiersxdg(const char *variable, const QString &maison, const QString &defauts)
{
    QString liste = qEnvironmentVariable(variable);
    if (liste.isEmpty())
        liste = defauts;
    QStringList d = {maison};
    d += liste.split(u':', Qt::SkipEmptyParts);
    return d;
}

struct Commande
{
    QString programme;
    QStringList arguments;
};

// Ligne Exec d'un fichier .desktop appliquée au fichier : %f %F %u %U deviennent le
// fichier, les autres codes disparaissent ; sans code, le fichier est ajouté.
Commande commandedesktop(const QString &exec, const QString &fichier)
{
    Commande c;
    bool place = false;
    for (const QString &mot : QProcess::splitCommand(exec)) {
        if (mot.size() == 2 && mot.at(0) == u'%') {
            if (QStringLiteral("fFuU").contains(mot.at(1))) {
                c.arguments << fichier;
                place = true;
            }
            continue;
        }
        if (c.programme.isEmpty())
            c.programme = mot;
        else
            c.arguments << mot;
    }
    if (!place)
        c.arguments << fichier;
    c.programme = c.programme.isEmpty() ? QString() : QStandardPaths::findExecutable(c.programme);
    return c;
}

// Éditeur par défaut du texte brut déclaré par le bureau (mimeapps.list).
Commande editeurdefaut(const QString &fichier)
{
    const QString maison = QDir::homePath();
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty())
        config = maison + QStringLiteral("/.config");
    QString donnees = qEnvironmentVariable("XDG_DATA_HOME");
    if (donnees.isEmpty())
        donnees = maison + QStringLiteral("/.local/share");
    const QStringList dossiersconfig = dossiersxdg("XDG_CONFIG_DIRS", config, QStringLiteral("/etc/xdg"));
    QStringList applications;
    for (const QString &d : dossiersxdg("XDG_DATA_DIRS", donnees, QStringLiteral("/usr/local/share:/usr/share")))
        applications << d + QStringLiteral("/applications");

    QStringList listes;
    const QStringList bureaux = qEnvironmentVariable("XDG_CURRENT_DESKTOP").toLower().split(u':', Qt::SkipEmptyParts);
    for (const QString &d : dossiersconfig + applications) {
        for (const QString &b : bureaux)
            listes << d + u'/' + b + QStringLiteral("-mimeapps.list");
        listes << d + QStringLiteral("/mimeapps.list");
    }
    for (const QString &liste : listes) {
        const QString valeur =
            maj::lireini(QStringLiteral("Default Applications"), QStringLiteral("text/plain"), liste);
        for (const QString &desktop : valeur.split(u';', Qt::SkipEmptyParts))
            for (const QString &d : applications) {
                const QString chemin = d + u'/' + desktop.trimmed();
                if (!QFileInfo(chemin).isFile())
                    continue;
                const Commande c = commandedesktop(
                    maj::lireini(QStringLiteral("Desktop Entry"), QStringLiteral("Exec"), chemin), fichier);
                if (!c.programme.isEmpty())
                    return c;
            }
    }
    return {};
}

} // namespace

void Calculatrice::lance()
{
    bureau::releveoulance(programmes, premierinstalle(programmes), {});
}

namespace bureau {

const QStringList editeurs = {
    QStringLiteral("gnome-text-editor"), QStringLiteral("gedit"), QStringLiteral("kate"), QStringLiteral("kwrite"),
    QStringLiteral("mousepad"),          QStringLiteral("pluma"), QStringLiteral("xed"),  QStringLiteral("featherpad"),
    QStringLiteral("leafpad"),           QStringLiteral("xedit")};

namespace {

Commande commandeediteur(const QString &fichier)
{
    Commande c = editeurdefaut(fichier);
    if (c.programme.isEmpty())
        c = {premierinstalle(editeurs), {fichier}};
    return c;
}

} // namespace

bool editeurtrouve()
{
    return !commandeediteur(QString()).programme.isEmpty();
}

bool editeur(const QString &fichier)
{
    const Commande c = commandeediteur(fichier);
    // Seul compte l'éditeur qui serait lancé.
    return releveoulance({}, c.programme, c.arguments) != Issue::Echec;
}

QString chemincourt(const QString &chemin)
{
    return chemin;
}

} // namespace bureau
