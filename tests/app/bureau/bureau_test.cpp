// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
// Calculatrice du bureau : lancée une fois, relevée ensuite.
#include "tests/app/outils.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <QProcess>

#include <csignal>
#include <unistd.h>

namespace {

// Parent d'un processus, lu dans /proc ; 0 s'il ne se lit pas.
qint64 parent(qint64 pid)
{
    QFile etat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!etat.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray texte = etat.readAll();
    // « pid (nom) état ppid ... » : le nom peut contenir des blancs, la fin de la parenthèse non.
    return texte.mid(texte.lastIndexOf(')') + 2).split(' ').value(1).toLongLong();
}

// Processus vivants (de tout utilisateur) dont la ligne de commande nomme ce fichier : un
// programme lancé détaché y figure dès le retour du lancement, qui attend son exec. Le fils
// qu'un tel script vient de créer, avant son propre exec, porte la même ligne : il ne compte pas.
QList<qint64> processus(const QString &fichier)
{
    QList<qint64> pids;
    const QByteArray nom = fichier.toLocal8Bit();
    for (const QString &e : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile ligne(QStringLiteral("/proc/%1/cmdline").arg(e));
        if (e.toLongLong() > 0 && ligne.open(QIODevice::ReadOnly) && ligne.readAll().split('\0').contains(nom))
            pids << e.toLongLong();
    }
    QList<qint64> premiers;
    for (const qint64 pid : pids)
        if (!pids.contains(parent(pid)))
            premiers << pid;
    return premiers;
}

// Remplace PATH par un dossier qui ne contient qu'une fausse calculatrice.
class FausseCalculatrice
{
  public:
    FausseCalculatrice() : ancien_(qgetenv("PATH"))
    {
        script = dossier.filePath(QStringLiteral("xcalc"));
        QFile f(script);
        f.open(QIODevice::WriteOnly);
        f.write("#!/bin/sh\nwhile :; do /bin/sleep 1; done\n");
        f.close();
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("PATH", dossier.path().toUtf8());
    }
    ~FausseCalculatrice()
    {
        qputenv("PATH", ancien_);
        for (const qint64 pid : processus(script))
            ::kill(static_cast<pid_t>(pid), SIGKILL);
    }

    int lancements() const { return static_cast<int>(processus(script).size()); }

    QTemporaryDir dossier;
    QString script;

  private:
    QByteArray ancien_;
};

TEST(Calculatrice, LanceeUneSeuleFois)
{
    FausseCalculatrice faux;
    FenetreEssai e;
    QTest::mouseClick(e.c().calculatrice, Qt::LeftButton);
    // Le fils lancé ne porte le nom du script qu'une fois son exec fait.
    EXPECT_TRUE(QTest::qWaitFor([&faux] { return faux.lancements() == 1; }, 10000));
    QTest::mouseClick(e.c().calculatrice, Qt::LeftButton);
    EXPECT_FALSE(QTest::qWaitFor([&faux] { return faux.lancements() > 1; }, 500));
    EXPECT_EQ(faux.lancements(), 1);
}

// Une calculatrice déjà ouverte, quelle qu'elle soit dans la liste, empêche d'en lancer
// une autre ; celle d'un autre utilisateur ne compte pas, ni un programme dont seul le
// nom coupé par le noyau (15 caractères) est celui d'une calculatrice.
TEST(Calculatrice, OuverteAilleurs)
{
    const struct
    {
        const char *nom;
        const char *ouverte;
        bool autreutilisateur;
        int lancements;
    } cas[] = {{"kcalc_ouverte", "kcalc", false, 0},
               {"xcalc_d_un_autre", "xcalc", true, 1},
               {"fournisseur_de_recherche", "gnome-calculator-search-provider", false, 1}};
    for (const auto &c : cas) {
        if (c.autreutilisateur && ::getuid() != 0)
            continue; // changer d'utilisateur demande root
        FausseCalculatrice faux;
        // Copie lisible par tous, lancée hors de PATH sous le nom de la calculatrice ouverte.
        QTemporaryDir public_;
        QFile::setPermissions(public_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                                  QFile::ReadOther | QFile::ExeOther);
        const QString copie = public_.filePath(QString::fromUtf8(c.ouverte));
        ASSERT_TRUE(QFile::copy(faux.script, copie));
        QFile::setPermissions(copie, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
        qint64 pid = 0;
        if (c.autreutilisateur)
            ASSERT_TRUE(QProcess::startDetached(QStringLiteral("/usr/bin/setpriv"),
                                                {QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                                                 QStringLiteral("--clear-groups"), copie},
                                                QString(), &pid));
        else
            ASSERT_TRUE(QProcess::startDetached(copie, {}, QString(), &pid));
        // setpriv lance la copie à son tour : attendre qu'elle tourne.
        ASSERT_TRUE(QTest::qWaitFor([&] { return processus(copie).size() == 1; }, 10000)) << c.nom;
        {
            FenetreEssai e;
            QTest::mouseClick(e.c().calculatrice, Qt::LeftButton);
            EXPECT_EQ(faux.lancements(), c.lancements) << c.nom;
        }
        ::kill(static_cast<pid_t>(pid), SIGKILL);
    }
}

TEST(Calculatrice, AbsenteSansEffet)
{
    const QByteArray ancien = qgetenv("PATH");
    QTemporaryDir vide;
    qputenv("PATH", vide.path().toUtf8());
    {
        SansModale sans;
        FenetreEssai e;
        QTest::mouseClick(e.c().calculatrice, Qt::LeftButton);
        EXPECT_TRUE(e.f().isVisible());
    }
    qputenv("PATH", ancien);
}

} // namespace
