// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
// Détail d'une cellule, verrou de l'onglet du détail et fenêtre « à propos ».
#include "outils.h"

#include "app/fenetres/frmtalven.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolTip>

#include <gtest/gtest.h>

namespace {

QStringList valeurs(FenetreEssai &e)
{
    QStringList l;
    for (QLabel *v : e.c().v)
        l << v->text();
    return l;
}

// Ouvre la fenêtre « à propos » par un clic sur la ligne du réalisateur et la ferme.
void allerretourapropos(FenetreEssai &e, QStringList *lignes = nullptr)
{
    QTimer::singleShot(50, [lignes] {
        auto *f = qobject_cast<FrmTALVEN *>(QApplication::activeModalWidget());
        ASSERT_NE(f, nullptr);
        if (lignes)
            *lignes = f->findChild<QLabel *>(QStringLiteral("LabelTalven"))->text().split(u'\n');
        EXPECT_EQ(f->windowTitle(), QStringLiteral("TALVEN"));
        QTest::keyClick(f, Qt::Key_Escape); // seule la fermeture du gestionnaire de fenêtres la ferme
        EXPECT_TRUE(f->isVisible());
        f->close();
    });
    QTest::mouseClick(e.c().Label1, Qt::LeftButton);
}

TEST(Detail, CelluleLigne1Colonne1)
{
    FenetreEssai e;
    QTest::mouseClick(e.c().semestre[0], Qt::LeftButton);
    e.doubleclic(1, 1);
    EXPECT_EQ(e.c().onglets->currentIndex(), 2);
    const QString t = QStringLiteral("1,00289166666667");
    EXPECT_EQ(valeurs(e),
              (QStringList{"3,47", "3", "3,47", t, t, "3", t, "3", t, "0,9942", "100", "0,9942", "100", "99,42"}));
    // Chaque valeur tient dans sa boîte, à 8 points ou presque (face étroite plutôt que réduite).
    for (QLabel *v : e.c().v) {
        EXPECT_LE(v->fontMetrics().horizontalAdvance(v->text()), v->width()) << v->objectName().toStdString();
        EXPECT_GE(v->font().pointSizeF(), 7.75) << v->objectName().toStdString();
    }
    EXPECT_TRUE(e.c().v[13]->font().bold());
    EXPECT_EQ(e.c().remise->text(), QStringLiteral("Remise = 100,00 − 99,42 = 0,58"));
}

TEST(Detail, CelluleLigne34Colonne3)
{
    FenetreEssai e;
    QTest::mouseClick(e.c().semestre[0], Qt::LeftButton);
    e.doubleclic(34, 3);
    EXPECT_EQ(e.c().onglets->currentIndex(), 2);
    EXPECT_EQ(e.c().v[0]->text(), QStringLiteral("2"));
    EXPECT_EQ(e.c().v[1]->text(), QStringLiteral("36"));
    EXPECT_EQ(e.c().v[3]->text(), QStringLiteral("1,00166666666667"));
    EXPECT_EQ(e.c().v[13]->text(), QStringLiteral("96,98"));

    // Retour au tableau puis au détail : permis, même détail.
    e.cliqueonglet(0);
    e.cliqueonglet(2);
    EXPECT_EQ(e.c().onglets->currentIndex(), 2);
    EXPECT_EQ(e.c().v[1]->text(), QStringLiteral("36"));
}

TEST(Detail, MontantIllisibleNOuvrePasLeDetail)
{
    FenetreEssai e;
    e.doubleclic(1, 1);
    ASSERT_EQ(e.c().onglets->currentIndex(), 2);
    const QString ancien = e.c().v[13]->text(), remise = e.c().remise->text();
    QTest::keyClicks(e.c().montant, QStringLiteral("x")); // « 100X »
    e.doubleclic(2, 1);
    EXPECT_EQ(e.c().onglets->currentIndex(), 0);
    EXPECT_EQ(e.c().v[1]->text(), QStringLiteral("4"));
    EXPECT_EQ(e.c().v[10]->text(), QStringLiteral("100X"));
    EXPECT_EQ(e.c().v[13]->text(), ancien);
    EXPECT_EQ(e.c().remise->text(), remise); // reste avec son prix
    EXPECT_FALSE(QToolTip::text().isEmpty());
}

TEST(Detail, TauxNulNOuvrePasLeDetail)
{
    SansModale sans;
    FenetreEssai e("1S2012\tabc\r\n2S2011\t3.35\r\n");
    ASSERT_EQ(e.c().tauxannuel->text(), QStringLiteral(" 0 %"));
    e.doubleclic(1, 1);
    EXPECT_EQ(e.c().onglets->currentIndex(), 0);
    EXPECT_EQ(e.c().v[0]->text(), QStringLiteral("0"));
    EXPECT_EQ(e.c().v[3]->text(), QStringLiteral("1"));
    EXPECT_EQ(e.c().v[9]->text(), QString());
    EXPECT_FALSE(QToolTip::text().isEmpty());
    e.cliqueonglet(2); // le double-clic a déverrouillé l'onglet, qui garde les valeurs remplies
    EXPECT_EQ(e.c().onglets->currentIndex(), 2);
}

TEST(Detail, VerrouDeLOnglet)
{
    FenetreEssai e;
    // Avant tout double-clic, depuis l'onglet d'aide.
    e.cliqueonglet(1);
    e.cliqueonglet(2);
    EXPECT_EQ(e.c().onglets->currentIndex(), 1);

    // Après une saisie.
    e.doubleclic(1, 1);
    ASSERT_EQ(e.c().onglets->currentIndex(), 2);
    QTest::keyClicks(e.c().montant, QStringLiteral("0"));
    EXPECT_EQ(e.c().onglets->currentIndex(), 0);
    e.cliqueonglet(2);
    EXPECT_EQ(e.c().onglets->currentIndex(), 0);

    // Après le retour de la fenêtre « à propos ».
    e.doubleclic(1, 1);
    e.cliqueonglet(0);
    allerretourapropos(e);
    e.cliqueonglet(2);
    EXPECT_EQ(e.c().onglets->currentIndex(), 0);
}

TEST(APropos, TexteEtRechargement)
{
    FenetreEssai e;
    QStringList lignes;
    allerretourapropos(e, &lignes);
    ASSERT_EQ(lignes.size(), 6);
    EXPECT_EQ(lignes[0], QStringLiteral("TALVEN"));
    EXPECT_TRUE(lignes[4].isEmpty());
    EXPECT_TRUE(lignes[5].startsWith(QStringLiteral("© ")));
    EXPECT_TRUE(lignes[5].contains(QString::number(QDate::currentDate().year())));

    // Le fichier changé pendant que la fenêtre était ouverte est relu au retour.
    ecrittaux(e.fichier(), "1S2030\t5.5\r\n", 5);
    allerretourapropos(e);
    EXPECT_EQ(e.c().listeannee->currentText(), QStringLiteral("2030"));
}

} // namespace
