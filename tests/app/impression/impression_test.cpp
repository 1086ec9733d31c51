// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
// Impression : pages PDF réelles relues par pdftotext ; sans imprimante, la boîte
// d'erreur et l'enregistrement en PDF pilotés par la fenêtre.
#include "tests/app/outils.h"

#include "app/impression/commandeimpression.h"
#include "app/impression/imprimante.h"
#include "tests/output/enregistreuse.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// Sortie d'un outil de poppler-utils, blancs réduits.
QString lance(const QString &programme, const QStringList &arguments)
{
    QProcess p;
    p.start(programme, arguments);
    EXPECT_TRUE(p.waitForFinished()) << programme.toStdString();
    return QString::fromUtf8(p.readAllStandardOutput()).simplified();
}

TEST(Impression, PdfRelu)
{
    SansModale sans;
    DependancesFenetre monde;
    monde.horloge = [] { return QDateTime(QDate(2010, 9, 15), QTime(10, 30)); };
    FenetreEssai f(tauxessai, QLocale(QLocale::French, QLocale::France), {}, {}, monde);
    QTest::mouseClick(f.c().semestre[0], Qt::LeftButton); // 2010, 3.47 %
    const auto e = f.f().findChild<CommandeImpression *>()->entree();
    ASSERT_TRUE(e.copie.cellules.value(6).contains(QLocale().decimalPoint()));
    const QString pdf = f.dossier.filePath("essai.pdf");
    // Sur A6, le nombre de feuilles que prévoit la mise en page avec les mesures de l'imprimante.
    for (const QPageSize::PageSizeId papier : {QPageSize::A4, QPageSize::A6}) {
        QPrinter imprimante(QPrinter::HighResolution);
        imprimante.setOutputFormat(QPrinter::PdfFormat);
        imprimante.setOutputFileName(pdf);
        imprimante.setPageSize(QPageSize(papier));
        ImprimanteQt q(imprimante);
        q.setTaille(11);
        q.texte(QString(), true);
        const double interligne = q.y();
        q.setPolice("Arial");
        Enregistreuse prevision(q.largeur(), q.hauteur(), q.hauteurtexte("ABCD"), interligne);
        sortie::imprimer(prevision, e);
        EXPECT_EQ(prevision.feuilles.size() > 1, papier == QPageSize::A6);

        EXPECT_EQ(CommandeImpression::imprimesur(imprimante, e, QString()), QString());
        EXPECT_EQ(lance("pdftotext", {"-layout", pdf, "-"}).split(u' '),
                  (QStringList{"Crédit", "gratuit", ":", "1er", "semestre", "2010", "Taux", "annuel", ":", "3.47", "%",
                               "taux", "non", "officiel", "Prix", "à", "crédit", ":", "100"} +
                   e.copie.cellules.join(u' ').split(u' ') +
                   QStringList{"Imprimé", "le", "15/09/2010", "à", "10:30", "par", "Brunelix", BRUNELIX_VERSION}));
        EXPECT_TRUE(lance("pdfinfo", {pdf}).contains(QStringLiteral("Pages: %1 ").arg(prevision.feuilles.size())));
    }
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
        EXPECT_EQ(lance("pdftotext", {"-layout", pdf, "-"}).startsWith("Crédit gratuit : 1er semestre 2010"),
                  !c.fichiers.isEmpty());
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    }
}

} // namespace
