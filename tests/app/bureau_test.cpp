// Calculatrice du bureau : lancée une fois, relevée ensuite.
#include "outils.h"

#include <QFile>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>

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
