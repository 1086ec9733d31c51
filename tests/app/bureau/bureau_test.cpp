// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
// Calculatrice du bureau : lancée une fois, relevée ensuite.
#include "tests/app/outils.h"

#include <QFile>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <QProcess>

#include <csignal>
#include <unistd.h>

namespace {

// Remplace PATH par un dossier qui ne contient qu'une fausse calculatrice.
class FausseCalculatrice
{
  public:
    FausseCalculatrice() : ancien_(qgetenv("PATH"))
    {
        journal = dossier.filePath(QStringLiteral("lancements"));
        QFile script(dossier.filePath(QStringLiteral("xcalc")));
        script.open(QIODevice::WriteOnly);
        script.write("#!/bin/sh\necho $$ >> '" + journal.toUtf8() + "'\nwhile :; do /bin/sleep 1; done\n");
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("PATH", dossier.path().toUtf8());
    }
    ~FausseCalculatrice()
    {
        qputenv("PATH", ancien_);
        tue();
    }

    int lancements() const
    {
        QFile f(journal);
        return f.open(QIODevice::ReadOnly) ? static_cast<int>(f.readAll().count('\n')) : 0;
    }

    QTemporaryDir dossier;
    QString journal;

  private:
    void tue()
    {
        QFile f(journal);
        if (f.open(QIODevice::ReadOnly))
            for (const QByteArray &pid : f.readAll().split('\n'))
                if (pid.toInt() > 0)
                    ::kill(pid.toInt(), SIGKILL);
    }
    QByteArray ancien_;
};

TEST(Calculatrice, LanceeUneSeuleFois)
{
    FausseCalculatrice faux;
    FenetreEssai e;
    QTest::mouseClick(e.c().calculatrice, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return faux.lancements() == 1; }, 5000));
    QTest::mouseClick(e.c().calculatrice, Qt::LeftButton);
    QTest::qWait(300);
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
        ASSERT_TRUE(QFile::copy(faux.dossier.filePath(QStringLiteral("xcalc")), copie));
        QFile::setPermissions(copie, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
        qint64 pid = 0;
        if (c.autreutilisateur)
            ASSERT_TRUE(QProcess::startDetached(QStringLiteral("/usr/bin/setpriv"),
                                                {QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                                                 QStringLiteral("--clear-groups"), copie},
                                                QString(), &pid));
        else
            ASSERT_TRUE(QProcess::startDetached(copie, {}, QString(), &pid));
        QTest::qWait(300);
        {
            FenetreEssai e;
            QTest::mouseClick(e.c().calculatrice, Qt::LeftButton);
            QTest::qWait(500);
        }
        ::kill(static_cast<pid_t>(pid), SIGKILL);
        // Le journal est écrit par la copie ouverte et par chaque lancement.
        EXPECT_EQ(faux.lancements() - (c.autreutilisateur ? 0 : 1), c.lancements) << c.nom;
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
