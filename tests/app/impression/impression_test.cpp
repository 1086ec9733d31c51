// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
// Impression : pages PDF réelles relues par pdftotext ; sans imprimante, la boîte
// d'erreur et l'enregistrement en PDF pilotés par la fenêtre.
#include "tests/app/outils.h"

#include "app/impression/commandeimpression.h"
#include "app/impression/imprimante.h"
#include "app/impression/pdf.h"
#include "output/impression.h"
#include "tests/limitefichiers.h"
#include "tests/output/enregistreuse.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolTip>

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

// Sortie d'un outil de poppler-utils, blancs réduits.
QString lance(const QString &programme, const QStringList &arguments)
{
    QProcess p;
    p.start(programme, arguments);
    EXPECT_TRUE(p.waitForFinished()) << programme.toStdString();
    return QString::fromUtf8(p.readAllStandardOutput()).simplified();
}

// La page en PDF, sur une feuille d'A4 et de Letter pour les 36 mois, même au plus large des
// tableaux, avec référence et mention ; sur A6, autant de feuilles que prévu.
TEST(Impression, PdfRelu)
{
    SansModale sans;
    DependancesFenetre monde;
    monde.horloge = [] { return QDateTime(QDate(2010, 9, 15), QTime(10, 30)); };
    FenetreEssai f(tauxessai, QLocale(QLocale::French, QLocale::France), {}, {}, monde);
    QTest::mouseClick(f.c().semestre[0], Qt::LeftButton); // 2010, 3.47 %
    auto e = f.f().findChild<CommandeImpression *>()->entree();
    ASSERT_TRUE(e.copie.cellules.value(6).contains(QLocale().decimalPoint()));
    ASSERT_EQ(e.copie.mention, QStringList{"taux non officiel"});
    e.reference = QStringLiteral("Facture 2010-117");
    const QString pdf = f.dossier.filePath("essai.pdf");
    for (const QPageSize::PageSizeId papier : {QPageSize::A4, QPageSize::Letter, QPageSize::A6}) {
        SCOPED_TRACE(int(papier));
        QPdfWriter mesure(f.dossier.filePath("mesure.pdf"));
        mesure.setPageLayout(QPageLayout(QPageSize(papier), QPageLayout::Portrait, QMarginsF(6.35, 6.35, 6.35, 6.35),
                                         QPageLayout::Millimeter));
        ImprimanteQt q(mesure);
        const int feuilles = sortie::nombrefeuilles(q, e);
        EXPECT_EQ(feuilles > 1, papier == QPageSize::A6);

        ASSERT_EQ(ecritpdf(pdf, pagepdf(e, QPageSize(papier))), QString());
        const QString texte = lance("pdftotext", {"-layout", pdf, "-"});
        QStringList attendus = {"Remise pour paiement comptant d'un crédit gratuit",
                                "Référence : Facture 2010-117",
                                "Crédit gratuit :",
                                "1er semestre 2010",
                                "Taux annuel : 3.47 %",
                                "Prix à crédit : 100 €",
                                "taux non officiel",
                                "Chaque prix",
                                "Colonnes 1 à 3 : points de crédit pris en charge par le vendeur",
                                e.copie.cellules.mid(0, 5).join(u' '),
                                e.copie.cellules.mid(5, 5).join(u' '),
                                "Imprimé le 15/09/2010 à 10:30 par Brunelix " BRUNELIX_VERSION " page 1/" +
                                    QString::number(feuilles)};
        qsizetype position = 0;
        for (const QString &a : attendus) {
            const qsizetype i = texte.indexOf(a, position);
            EXPECT_GE(i, position) << a.toStdString();
            position = std::max(position, i);
        }
        const QString info = lance("pdfinfo", {pdf});
        EXPECT_TRUE(info.contains(QStringLiteral("Pages: %1 ").arg(feuilles))) << info.toStdString();
        EXPECT_TRUE(info.contains("Title: Remise pour paiement comptant d'un crédit gratuit Creator: Brunelix"));
        // La ligne d'en-tête du tableau, reprise en haut de chaque feuille.
        EXPECT_EQ(texte.count(e.copie.cellules.mid(0, 5).join(u' ')), feuilles);
    }
}

// Au plus large (taux de 7,9 %, neuf colonnes), deux lignes de mention : toujours une feuille.
TEST(Impression, UneFeuilleAuPlusLarge)
{
    SansModale sans;
    FenetreEssai f("2S2026\t7.9\r\n", QLocale(QLocale::French, QLocale::France));
    auto e = f.f().findChild<CommandeImpression *>()->entree();
    e.copie.mention = QStringList{"taux non officiel", "dernier semestre connu : 2d semestre 2026"};
    e.reference = QStringLiteral("Client Dupont");
    ASSERT_EQ(e.copie.colonnes, 9);
    for (const QPageSize::PageSizeId papier : {QPageSize::A4, QPageSize::Letter}) {
        QPdfWriter mesure(f.dossier.filePath("mesure.pdf"));
        mesure.setPageLayout(QPageLayout(QPageSize(papier), QPageLayout::Portrait, QMarginsF(6.35, 6.35, 6.35, 6.35),
                                         QPageLayout::Millimeter));
        ImprimanteQt q(mesure);
        EXPECT_EQ(sortie::nombrefeuilles(q, e), 1) << int(papier);
    }
}

// Un PDF entier ou rien : disque plein, cible qui n'est pas un fichier ordinaire.
TEST(Impression, PdfEntierOuRien)
{
    SansModale sans;
    FenetreEssai f;
    const QByteArray octets = pagepdf(f.f().findChild<CommandeImpression *>()->entree());
    ASSERT_TRUE(octets.startsWith("%PDF"));
    const QString ancien = f.dossier.filePath("ancien.pdf"), nouveau = f.dossier.filePath("nouveau.pdf");
    const QString fifo = f.dossier.filePath("tube.pdf");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QFile a(ancien);
    ASSERT_TRUE(a.open(QIODevice::WriteOnly));
    a.write("ancien");
    a.close();
    for (const QString &chemin : {ancien, nouveau}) {
        const LimiteFichiers plein;
        EXPECT_EQ(ecritpdf(chemin, octets), "Le fichier « " + chemin + " » n'a pas pu être écrit.");
    }
    EXPECT_EQ(ecritpdf(fifo, octets), "Le fichier « " + fifo + " » n'a pas pu être écrit.");
    EXPECT_TRUE(QFileInfo(fifo).exists() && !QFileInfo(fifo).isFile()); // le tube est resté un tube
    EXPECT_TRUE(a.open(QIODevice::ReadOnly));
    EXPECT_EQ(a.readAll(), "ancien");
    QStringList fichiers = QDir(f.dossier.path()).entryList(QDir::Files | QDir::System | QDir::Hidden);
    fichiers.sort();
    EXPECT_EQ(fichiers, (QStringList{"BRUNELIX.TXT", "ancien.pdf", "tube.pdf"})); // aucun fichier temporaire
    EXPECT_EQ(ecritpdf(nouveau, octets), QString());
    EXPECT_EQ(QFileInfo(nouveau).size(), octets.size());
}

TEST(Impression, SansImprimante)
{
    DependancesFenetre monde;
    monde.imprimante = [] { return QPrinterInfo(); };
    FenetreEssai f(tauxessai, QLocale(QLocale::French, QLocale::France), {}, {}, monde);
    QTest::mouseClick(f.c().semestre[0], Qt::LeftButton);
    struct Cas
    {
        const char *nom;
        QString pdf;          // chemin tapé dans le dialogue d'enregistrement, vide : OK seul
        QStringList boites;   // textes des boîtes vues, nom proposé par le dialogue
        QStringList fichiers; // PDF du dossier ensuite
    };
    const QString pdf = f.dossier.filePath("tableau.pdf"), absurde = f.dossier.filePath("absent/tableau.pdf");
    const QString sans = "Pas d'imprimante par défaut. Modifiez votre configuration avant de relancer l'impression.";
    const QString nom = "Brunelix 1er semestre 2010 100.pdf";
    for (const Cas &c : {Cas{"OK seul", {}, {sans}, {}}, Cas{"en PDF, par Ctrl+P", pdf, {sans, nom}, {"tableau.pdf"}},
                         Cas{"dossier absent",
                             absurde,
                             {sans, nom, "Le fichier « " + absurde + " » n'a pas pu être écrit."},
                             {"tableau.pdf"}}}) {
        SCOPED_TRACE(c.nom);
        QStringList boites;
        QTimer minuterie;
        QObject::connect(&minuterie, &QTimer::timeout, &minuterie, [&] {
            QWidget *m = QApplication::activeModalWidget();
            if (auto *boite = qobject_cast<QMessageBox *>(m)) {
                EXPECT_EQ(boite->windowTitle(), QStringLiteral("Erreur d'impression"));
                EXPECT_EQ(boite->icon(), QMessageBox::Critical);
                boites << boite->text();
                QAbstractButton *b = boite->button(QMessageBox::Ok);
                for (QAbstractButton *autre : boite->buttons())
                    if (boites.size() == 1 && !c.pdf.isEmpty() &&
                        autre->text() == QStringLiteral("Enregistrer en PDF…"))
                        b = autre;
                QTest::mouseClick(b, Qt::LeftButton);
            } else if (auto *dialogue = qobject_cast<QFileDialog *>(m)) {
                auto *nom = dialogue->findChild<QLineEdit *>("fileNameEdit");
                boites << nom->text();
                nom->setText(c.pdf);
                QTest::keyClick(nom, Qt::Key_Return);
            }
        });
        minuterie.start(20);
        QApplication::setActiveWindow(&f.f());
        if (c.pdf == pdf)
            QTest::keyClick(f.c().montant, Qt::Key_P, Qt::ControlModifier);
        else
            QTest::mouseClick(f.c().imprimer, Qt::LeftButton);
        EXPECT_EQ(boites, c.boites);
        EXPECT_EQ(QDir(f.dossier.path()).entryList({"*.pdf"}, QDir::Files), c.fichiers);
        EXPECT_EQ(
            lance("pdftotext", {"-layout", pdf, "-"})
                .startsWith("Remise pour paiement comptant d'un crédit gratuit Crédit gratuit : 1er semestre 2010"),
            !c.fichiers.isEmpty());
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    }
}

} // namespace

// Menu du bouton : le clic reste l'impression immédiate ; « Imprimer… » (Ctrl+Maj+P) et
// « Enregistrer en PDF… » refusent un tableau qui n'est pas à jour, comme Copier.
TEST(Impression, MenuDuBouton)
{
    DependancesFenetre monde;
    monde.imprimante = [] { return QPrinterInfo(); };
    FenetreEssai f(tauxessai, QLocale(QLocale::French, QLocale::France), {}, {}, monde);
    QPushButton *bouton = f.c().imprimer;
    EXPECT_EQ(bouton->contextMenuPolicy(), Qt::ActionsContextMenu);
    EXPECT_TRUE(bouton->toolTip().startsWith(QStringLiteral("Imprimer (Ctrl+P)")));
    const QList<QAction *> actions = bouton->actions();
    ASSERT_EQ(actions.size(), 2);
    EXPECT_EQ(actions[0]->text(), QStringLiteral("Imprimer…"));
    EXPECT_EQ(actions[0]->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    EXPECT_EQ(actions[1]->text(), QStringLiteral("Enregistrer en PDF…"));

    const QString pdf = f.dossier.filePath("releve.pdf");
    const QString sans = "Pas d'imprimante par défaut. Modifiez votre configuration avant de relancer l'impression.";
    const struct
    {
        const char *nom;
        QString montant;
        QAction *action;
        QStringList boites; // boîtes vues, nom proposé par le dialogue d'enregistrement
        bool ecrit;
    } cas[] = {
        {"PDF refusé", QString(400, u'9'), actions[1], {}, false},
        {"Imprimer… refusé", QString(400, u'9'), actions[0], {}, false},
        {"PDF sans imprimante", "100", actions[1], {"Brunelix 2d semestre 2010 100.pdf"}, true},
        {"Imprimer… sans imprimante", "100", actions[0], {sans}, false},
    };
    for (const auto &c : cas) {
        SCOPED_TRACE(c.nom);
        QFile::remove(pdf);
        f.c().montant->setText(c.montant);
        QStringList boites;
        QTimer minuterie;
        QObject::connect(&minuterie, &QTimer::timeout, &minuterie, [&] {
            QWidget *m = QApplication::activeModalWidget();
            if (auto *boite = qobject_cast<QMessageBox *>(m)) {
                boites << boite->text();
                QTest::mouseClick(boite->button(QMessageBox::Ok), Qt::LeftButton);
            } else if (auto *dialogue = qobject_cast<QFileDialog *>(m)) {
                auto *nom = dialogue->findChild<QLineEdit *>("fileNameEdit");
                boites << nom->text();
                nom->setText(pdf);
                QTest::keyClick(nom, Qt::Key_Return);
            }
        });
        minuterie.start(20);
        c.action->trigger();
        EXPECT_EQ(boites, c.boites);
        EXPECT_EQ(QFileInfo::exists(pdf), c.ecrit);
        if (c.boites.isEmpty()) { // l'avis du tableau
            EXPECT_TRUE(QTest::qWaitFor([] { return QToolTip::isVisible(); }, 2000));
        }
        QToolTip::hideText();
    }
    EXPECT_TRUE(lance("pdftotext", {pdf, "-"}).isEmpty()); // le dernier cas n'a rien écrit
}
