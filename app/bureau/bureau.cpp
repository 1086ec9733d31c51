// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "app/bureau/bureau.h"

#include "app/bureau/lanceur.h"
#include "config/applicationsdefaut.h"
#include "config/entreebureau.h"

#include <QProcess>
#include <QStandardPaths>

const QStringList bureau::Calculatrice::programmes = {QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"),
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
    for (const QString &desktop : config::applicationsdefaut(QStringLiteral("text/plain"))) {
        const auto exec =
            config::EntreeBureau::lit(desktop).valeur(QStringLiteral("Desktop Entry"), QStringLiteral("Exec"));
        const Commande c = commandedesktop(exec.value_or(QString()), fichier);
        if (!c.programme.isEmpty())
            return c;
    }
    return {};
}

} // namespace

void bureau::Calculatrice::lance()
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
