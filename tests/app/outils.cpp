// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "outils.h"

#include "app/controles/grille.h"
#include "app/systeme/fin.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QFile>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdio>

const QByteArray tauxessai = "' essai\r\n2S2010\t3.35\r\n1S2010\t3.47\r\n2S2009\t3.57\r\n1S2009\t3.79\r\n"
                             "1S2008\t4.27\r\n";

void ecrittaux(const QString &chemin, const QByteArray &contenu, int decalagesecondes)
{
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(contenu);
    f.close();
    if (decalagesecondes) {
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        f.setFileTime(QDateTime::currentDateTime().addSecs(decalagesecondes), QFileDevice::FileModificationTime);
        f.close();
    }
}

FenetreEssai::FenetreEssai(const QByteArray &taux, QLocale regional, const QByteArray &ini,
                           maj::Dependances dependances, DependancesFenetre monde, Attente attente)
{
    QLocale::setDefault(regional);
    ecrittaux(fichier(), taux);
    if (!ini.isEmpty())
        ecrittaux(dossier.filePath(QStringLiteral("Brunelix.ini")), ini);
    etat.emplacements = config::emplacements(dossier.path(), dossier.path()); // portable
    maj = chargeparametres(etat, std::move(dependances));
    fenetre = std::make_unique<FormBrunelix>(etat, *maj, std::move(monde));
    demarre = std::make_unique<QSignalSpy>(fenetre.get(), &FormBrunelix::demarre);
    fenetre->charge();
    fenetre->affiche();
    if (fin::encours()) // rapport fatal : pas de fenêtre affichée
        return;
    QApplication::setActiveWindow(fenetre.get());
    if (attente == Attente::demarre)
        attendsdemarre();
}

void FenetreEssai::attendsdemarre()
{
    EXPECT_TRUE(QTest::qWaitForWindowActive(fenetre.get()));
    // La mise à jour automatique suit l'affichage : les essais commencent après elle.
    if (demarre->isEmpty())
        demarre->wait(20000);
    EXPECT_EQ(demarre->count(), 1);
}

FenetreEssai::~FenetreEssai()
{
    QLocale::setDefault(QLocale::c());
}

QString FenetreEssai::fichier() const
{
    return dossier.filePath(QStringLiteral("BRUNELIX.TXT"));
}

QString FenetreEssai::cellule(int ligne, int colonne)
{
    return fenetre->grille().texte(ligne * fenetre->grille().colonnes() + colonne);
}

void FenetreEssai::choisitannee(const QString &annee)
{
    QComboBox *liste = c().listeannee;
    const int i = liste->findText(annee);
    ASSERT_GE(i, 0) << annee.toStdString();
    liste->setFocus();
    while (liste->currentIndex() < i)
        QTest::keyClick(liste, Qt::Key_Down);
    while (liste->currentIndex() > i)
        QTest::keyClick(liste, Qt::Key_Up);
}

void FenetreEssai::doubleclic(int ligne, int colonne)
{
    QTableWidget *g = c().grille;
    const QModelIndex index = g->model()->index(ligne - 1, colonne - 1);
    g->scrollTo(index);
    const QPoint centre = g->visualRect(index).center();
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(g->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseRelease(g->viewport(), Qt::LeftButton, {}, centre); // le second relâchement
}

void FenetreEssai::cliqueonglet(int indice)
{
    QTabBar *barre = c().onglets->tabBar();
    QTest::mouseClick(barre, Qt::LeftButton, {}, barre->tabRect(indice).center());
}

void fermeboitemodale()
{
    auto *minuterie = new QTimer(qApp);
    QObject::connect(minuterie, &QTimer::timeout, qApp, [] {
        auto *boite = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!boite)
            return;
        std::fprintf(stderr, "[%s] [%s] [%s]\n", boite->windowTitle().toUtf8().constData(),
                     boite->text().toUtf8().constData(), boite->icon() == QMessageBox::Critical ? "critique" : "autre");
        boite->button(QMessageBox::Ok)->click();
    });
    minuterie->start(20);
}

SansModale::SansModale()
{
    auto *minuterie = new QTimer(qApp);
    minuterie->setObjectName(QStringLiteral("sansmodale"));
    QObject::connect(minuterie, &QTimer::timeout, qApp, [] {
        if (QWidget *m = QApplication::activeModalWidget()) {
            ADD_FAILURE() << "boîte modale inattendue : " << m->windowTitle().toStdString();
            m->close();
        }
    });
    minuterie->start(50);
}

SansModale::~SansModale()
{
    delete qApp->findChild<QTimer *>(QStringLiteral("sansmodale"));
}
