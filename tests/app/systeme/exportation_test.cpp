// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
// Exports de la ligne de commande : le programme construit, lancé sans écran.
#include "app/systeme/lignecommande.h"
#include "tests/app/outils.h"
#include "tests/limitefichiers.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

struct Sortie
{
    int statut = -1;
    QByteArray sortie, erreur;
};

// Le programme, sans écran ni plateforme imposée, dans la région française de la session.
Sortie lance(const QStringList &arguments, const QString &programme = QStringLiteral(BRUNELIX_PROGRAMME))
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *v : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LC_ALL"})
        env.remove(QString::fromLatin1(v));
    env.insert(QStringLiteral("LANG"), QStringLiteral("fr_FR.UTF-8"));
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(programme, arguments);
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit)
        return {};
    return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
}

// Statuts et sorties ; « @ » : le dossier des taux d'essai, « # » : un dossier sans fichier.
TEST(Exportation, StatutsEtMessages)
{
    struct Cas
    {
        const char *nom;
        QStringList arguments;
        int statut;
        QString sortie; // début de la sortie standard
        QString erreur; // morceau de la sortie d'erreur
    };
    const Cas cas[] = {
        {"texte par défaut", {"--texte", "@"}, 0, "Crédit gratuit :\r\n2d semestre 2010\r\n", {}},
        {"semestre et montant",
         {"--texte", "--semestre", "1S2009", "--montant", "1,5", "@"},
         0,
         "Crédit gratuit :\r\n1er semestre 2009\r\nTaux annuel :  3.79 %\r\nPrix à crédit : 1,5\r\n\r\n"
         "Mois\tCrédit gratuit\t1\t2\t3\r\n3\t1,49\t1,50\t1,49\t1,49\r\n",
         {}},
        {"aide", {"--help"}, 0, "Usage : brunelix", {}},
        {"montant sans nombre", {"--texte", "--montant", "abc", "@"}, 2, {}, "ne commence pas par un nombre"},
        {"montant incalculable", {"--texte", "--montant", "1e308", "@"}, 2, {}, "calcul impossible"},
        {"clé mal écrite", {"--pdf", "#/a.pdf", "--semestre", "3S2010", "@"}, 2, {}, "mal écrit"},
        {"clé inconnue", {"--texte", "--semestre", "1S2011", "@"}, 2, {}, "pas de taux"},
        {"texte et PDF", {"--texte", "--pdf", "#/a.pdf", "@"}, 2, {}, "ne vont pas ensemble"},
        {"montant sans export", {"--montant", "5", "@"}, 2, {}, "ne servent qu'avec"},
        {"option inconnue", {"--texte", "--montnat", "5", "@"}, 2, {}, "option inconnue"},
        {"fichier des taux corrompu", {"--texte", "#"}, 2, {}, "corrompu"},
        {"PDF sur un dossier", {"--pdf", "#", "@"}, 1, {}, "n'a pas pu être écrit"},
        {"PDF dans un dossier absent", {"--pdf", "#/absent/a.pdf", "@"}, 1, {}, "absent/a.pdf"},
    };
    QTemporaryDir dossier, autre;
    ecrittaux(dossier.filePath(QStringLiteral("BRUNELIX.TXT")), tauxessai);
    ecrittaux(autre.filePath(QStringLiteral("BRUNELIX.TXT")), "2S2010\t3,35\r\n");
    for (const Cas &c : cas) {
        SCOPED_TRACE(c.nom);
        QStringList arguments;
        for (const QString &a : c.arguments)
            arguments << QString(a).replace(u'@', dossier.path()).replace(u'#', autre.path());
        const Sortie s = lance(arguments);
        EXPECT_EQ(s.statut, c.statut) << s.erreur.toStdString();
        EXPECT_TRUE(QString::fromUtf8(s.sortie).startsWith(c.sortie)) << s.sortie.left(200).toStdString();
        EXPECT_TRUE(QString::fromUtf8(s.erreur).contains(c.erreur)) << s.erreur.toStdString();
        if (c.statut != 0) { // un échec dit pourquoi et n'écrit rien sur la sortie standard
            EXPECT_FALSE(s.erreur.isEmpty());
            EXPECT_TRUE(s.sortie.isEmpty());
        }
    }
    EXPECT_FALSE(QFileInfo::exists(autre.filePath(QStringLiteral("a.pdf"))));
}

// Le programme copié sans son module des fenêtres : le texte (Qt Core seul) sort toujours ; le PDF
// et la fenêtre finissent sur un message et le statut 1.
TEST(Exportation, ProgrammeSansSonModule)
{
    QTemporaryDir seul, taux;
    const QString programme = seul.filePath(QStringLiteral("brunelix"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(BRUNELIX_PROGRAMME), programme));
    ecrittaux(taux.filePath(QStringLiteral("BRUNELIX.TXT")), tauxessai);
    EXPECT_EQ(lance({QStringLiteral("--texte"), taux.path()}, programme).statut, 0);
    for (const QStringList &arguments :
         {QStringList{QStringLiteral("--pdf"), seul.filePath(QStringLiteral("a.pdf"))}, QStringList{taux.path()}}) {
        const Sortie s = lance(arguments, programme);
        EXPECT_EQ(s.statut, 1);
        EXPECT_TRUE(s.erreur.contains("module des fenêtres impossible à charger")) << s.erreur.toStdString();
        EXPECT_TRUE(s.sortie.isEmpty());
    }
    EXPECT_FALSE(QFileInfo::exists(seul.filePath(QStringLiteral("a.pdf"))));
}

// Un PDF sans écran : la plateforme offscreen est choisie par le programme ; entier ou absent.
TEST(Exportation, PdfEntierOuRien)
{
    QTemporaryDir dossier;
    ecrittaux(dossier.filePath(QStringLiteral("BRUNELIX.TXT")), tauxessai);
    const QString pdf = dossier.filePath(QStringLiteral("tableau.pdf"));
    const Sortie fait = lance({QStringLiteral("--pdf"), pdf, dossier.path()});
    EXPECT_EQ(fait.statut, 0) << fait.erreur.toStdString();
    QFile f(pdf);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().startsWith("%PDF"));
    f.close();

    // Disque plein : statut 1, le fichier qui existait reste tel quel, aucun autre n'apparaît.
    ecrittaux(pdf, "ancien");
    const QString neuf = dossier.filePath(QStringLiteral("neuf.pdf"));
    Sortie plein, pleinneuf;
    {
        const LimiteFichiers limite;
        plein = lance({QStringLiteral("--pdf"), pdf, dossier.path()});
        pleinneuf = lance({QStringLiteral("--pdf"), neuf, dossier.path()});
    }
    EXPECT_EQ(plein.statut, 1);
    EXPECT_TRUE(QString::fromUtf8(plein.erreur).contains(QStringLiteral("tableau.pdf")));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("ancien"));
    EXPECT_EQ(pleinneuf.statut, 1);
    EXPECT_EQ(QDir(dossier.path()).entryList(QDir::Files), QStringList({"BRUNELIX.TXT", "tableau.pdf"}));

    // Une cible qui n'est pas un fichier ordinaire (tube nommé) est refusée et reste en place.
    const QString tube = dossier.filePath(QStringLiteral("tube"));
    ASSERT_EQ(mkfifo(QFile::encodeName(tube).constData(), 0600), 0);
    EXPECT_EQ(lance({QStringLiteral("--pdf"), tube, dossier.path()}).statut, 1);
    EXPECT_TRUE(QFileInfo(tube).exists() && !QFileInfo(tube).isFile());
}

// --texte donne exactement ce que « Copier » met dans le presse-papiers de la même fenêtre.
TEST(Exportation, TexteEgalALaCopie)
{
    SansModale sans;
    FenetreEssai e;
    struct Cas
    {
        const char *nom;
        QString montant; // vide : celui du démarrage
        int semestre;    // 0 : celui du démarrage
        QStringList arguments;
    };
    const Cas cas[] = {
        {"démarrage", {}, 0, {}},
        {"1er semestre, montant régional",
         QStringLiteral("1 234,56 €"),
         1,
         {QStringLiteral("--montant"), QStringLiteral("1 234,56 €"), QStringLiteral("--semestre"),
          QStringLiteral("1S2010")}},
    };
    for (const Cas &c : cas) {
        SCOPED_TRACE(c.nom);
        if (!c.montant.isEmpty())
            e.c().montant->setText(c.montant);
        if (c.semestre)
            QTest::mouseClick(e.c().semestre[c.semestre - 1], Qt::LeftButton);
        QApplication::clipboard()->setText(QStringLiteral("ancien"));
        QTest::mouseClick(e.c().Command2, Qt::LeftButton);
        const Sortie s = lance(QStringList{QStringLiteral("--texte")} + c.arguments + QStringList{e.dossier.path()});
        EXPECT_EQ(s.statut, 0) << s.erreur.toStdString();
        EXPECT_EQ(QString::fromUtf8(s.sortie), QApplication::clipboard()->text());
        EXPECT_TRUE(s.sortie.contains("\r\n\r\ntaux non officiel\r\n")); // la mention, après le tableau
    }
}

// Analyse d'un export : valeurs par défaut, valeurs données, refus.
TEST(Exportation, AnalyseDeLaLigne)
{
    struct Cas
    {
        const char *nom;
        QStringList arguments;
        QString pdf, montant, semestre, refus;
    };
    const Cas cas[] = {
        {"défauts", {"--texte"}, "", "100", "", ""},
        {"valeurs", {"--pdf", "a.pdf", "--montant=-5", "--semestre", "1S2024", "d"}, "a.pdf", "-5", "1S2024", ""},
        {"montant négatif séparé", {"--texte", "--montant", "-5"}, "", "-5", "", ""},
        {"PDF sans nom", {"--pdf="}, "", "", "", "--pdf demande"},
        {"semestre sans export", {"--semestre", "1S2024"}, "", "", "", "ne servent qu'avec"},
    };
    for (const Cas &c : cas) {
        SCOPED_TRACE(c.nom);
        QString refus;
        const auto e = commande::litexport(QStringList{QStringLiteral("brunelix")} + c.arguments, refus);
        EXPECT_TRUE(refus.contains(c.refus)) << refus.toStdString();
        EXPECT_EQ(refus.isEmpty(), c.refus.isEmpty());
        EXPECT_EQ(e.has_value(), c.refus.isEmpty());
        if (e) {
            EXPECT_EQ(e->pdf, c.pdf);
            EXPECT_EQ(e->montant, c.montant);
            EXPECT_EQ(e->semestre, c.semestre);
        }
    }
}

} // namespace
