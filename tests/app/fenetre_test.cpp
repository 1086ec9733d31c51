// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
// La fenêtre principale pilotée comme par l'utilisateur : saisie, année, semestre, copie.
#include "outils.h"

#include "app/controles/grille.h"
#include "app/controles/onglets.h"
#include "app/impression/commandeimpression.h"
#include "output/impression.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QToolTip>

#include <gtest/gtest.h>

namespace {

QStringList annees(QComboBox *liste)
{
    QStringList l;
    for (int i = 0; i < liste->count(); ++i)
        l << liste->itemText(i);
    return l;
}

TEST(Fenetre, DemarrageSurLeDernierSemestre)
{
    SansModale sans;
    FenetreEssai e;
    EXPECT_EQ(annees(e.c().listeannee), (QStringList{"2010", "2009", "2008"}));
    EXPECT_EQ(e.c().listeannee->currentText(), QStringLiteral("2010"));
    EXPECT_TRUE(e.c().semestre[1]->isChecked());
    EXPECT_EQ(e.c().tauxannuel->text(), QStringLiteral(" 3.35 %"));
    EXPECT_EQ(e.c().nover->text(), QStringLiteral("v. ") + QStringLiteral(BRUNELIX_VERSION));
    EXPECT_EQ(e.f().grille().colonnes(), 5);
    EXPECT_EQ(e.cellule(0, 0), QStringLiteral("Mois"));
    EXPECT_EQ(e.cellule(0, 1), QStringLiteral("Crédit gratuit"));
    EXPECT_EQ(e.cellule(34, 0), QStringLiteral("36"));
    EXPECT_EQ(e.c().onglets->currentIndex(), 0);
    EXPECT_EQ(QApplication::focusWidget(), e.c().calculatrice);
}

TEST(Fenetre, PremierSemestreEtSaisie)
{
    SansModale sans;
    FenetreEssai e;
    QTest::mouseClick(e.c().semestre[0], Qt::LeftButton);
    ASSERT_TRUE(e.c().semestre[0]->isChecked());
    EXPECT_EQ(e.c().tauxannuel->text(), QStringLiteral(" 3.47 %"));
    EXPECT_EQ(e.cellule(1, 1), QStringLiteral("99,42"));
    EXPECT_EQ(e.cellule(10, 2), QStringLiteral("99,46"));
    EXPECT_EQ(e.cellule(34, 4), QStringLiteral("95,51"));
    EXPECT_EQ(e.cellule(0, 4), QStringLiteral("3"));

    // Chaque touche reconstruit le tableau.
    QLineEdit *montant = e.c().montant;
    montant->selectAll();
    QTest::keyClicks(montant, QStringLiteral("12"));
    EXPECT_EQ(montant->text(), QStringLiteral("12"));
    EXPECT_EQ(e.cellule(1, 1), QStringLiteral("11,93"));
    QTest::keyClicks(montant, QStringLiteral(".5"));
    EXPECT_EQ(e.cellule(10, 1), QStringLiteral("12,27"));

    // « e » et « E » ne changent rien et ne reconstruisent rien.
    QSignalSpy changements(montant, &QLineEdit::textChanged);
    QTest::keyClicks(montant, QStringLiteral("eE"));
    EXPECT_EQ(montant->text(), QStringLiteral("12.5"));
    EXPECT_EQ(changements.count(), 0);

    // Les autres lettres passent, en majuscules ; le tableau lit le nombre de tête.
    QTest::keyClicks(montant, QStringLiteral("a"));
    EXPECT_EQ(montant->text(), QStringLiteral("12.5A"));
    EXPECT_EQ(e.cellule(10, 1), QStringLiteral("12,27"));

    // Un texte collé n'est pas filtré ; sa fin de ligne (cellule d'un tableur) est retirée.
    montant->selectAll();
    QApplication::clipboard()->setText(QStringLiteral("1E2\r\n"));
    montant->paste();
    EXPECT_EQ(montant->text(), QStringLiteral("1E2"));
    EXPECT_EQ(e.cellule(1, 1), QStringLiteral("99,42"));

    montant->clear();
    EXPECT_EQ(e.cellule(1, 1), QStringLiteral("0,00"));
    QTest::keyClicks(montant, QStringLiteral("-100"));
    EXPECT_EQ(e.cellule(1, 1), QStringLiteral("-99,42"));
}

TEST(Fenetre, AnneeSansSecondSemestre)
{
    SansModale sans;
    FenetreEssai e;
    ASSERT_TRUE(e.c().semestre[1]->isChecked());
    e.choisitannee(QStringLiteral("2008"));
    EXPECT_FALSE(e.c().semestre[1]->isEnabled());
    EXPECT_TRUE(e.c().semestre[0]->isEnabled());
    EXPECT_TRUE(e.c().semestre[0]->isChecked());
    EXPECT_EQ(e.c().tauxannuel->text(), QStringLiteral(" 4.27 %"));
    EXPECT_EQ(e.f().grille().colonnes(), 6);
    e.choisitannee(QStringLiteral("2009"));
    EXPECT_TRUE(e.c().semestre[1]->isEnabled());
    EXPECT_TRUE(e.c().semestre[0]->isChecked());
    EXPECT_EQ(e.c().tauxannuel->text(), QStringLiteral(" 3.79 %"));
}

TEST(Fenetre, SecondSemestreNonPublie)
{
    SansModale sans;
    FenetreEssai e("1S2011\t3.42\r\n2S2010\t3.35\r\n1S2010\t3.47\r\n");
    EXPECT_EQ(annees(e.c().listeannee), (QStringList{"2011", "2010"}));
    EXPECT_EQ(e.c().listeannee->currentText(), QStringLiteral("2011"));
    EXPECT_FALSE(e.c().semestre[1]->isEnabled());
    EXPECT_TRUE(e.c().semestre[0]->isChecked());
    EXPECT_EQ(e.c().tauxannuel->text(), QStringLiteral(" 3.42 %"));
}

// Sous le taux, selon le semestre choisi (publié ou non) et l'horloge de la fenêtre ; la même
// mention imprimée.
TEST(Fenetre, MentionSousLeTaux)
{
    SansModale sans;
    QDate aujourdhui(2011, 3, 1);
    DependancesFenetre monde;
    monde.horloge = [&aujourdhui] { return QDateTime(aujourdhui, QTime(12, 0)); };
    FenetreEssai e("1S2011\t3.42\r\n2S2010\t5.38\r\n1S2010\t5.73\r\n", QLocale(QLocale::French, QLocale::France), {},
                   {}, monde);
    QLabel *mention = e.c().mentiontaux;
    EXPECT_EQ(mention->text(), QStringLiteral("taux non officiel"));
    EXPECT_TRUE(mention->toolTip().contains(QStringLiteral("Journal officiel")));
    const auto imprime = [&e] { return e.f().findChild<CommandeImpression *>()->entree().copie.mention; };
    EXPECT_EQ(imprime(), QStringList{"taux non officiel"});
    e.choisitannee(QStringLiteral("2010"));
    EXPECT_EQ(mention->text(), QString());
    EXPECT_EQ(mention->toolTip(), QString());
    EXPECT_EQ(imprime(), QStringList());

    aujourdhui = QDate(2011, 7, 1);
    QTest::mouseClick(e.c().semestre[1], Qt::LeftButton);
    EXPECT_EQ(mention->text(), QStringLiteral("dernier semestre connu\u00a0:\n1er semestre 2011"));
    EXPECT_TRUE(mention->toolTip().contains(QStringLiteral("au 1er semestre 2011")));
    e.choisitannee(QStringLiteral("2011"));
    EXPECT_EQ(imprime(), (QStringList{"taux non officiel", "dernier semestre connu : 1er semestre 2011"}));
}

TEST(Fenetre, ColonnesSuiventLeTaux)
{
    SansModale sans;
    FenetreEssai e("2S2011\t2.1\r\n1S2011\t3.47\r\n");
    EXPECT_EQ(e.f().grille().colonnes(), 4);
    QTest::mouseClick(e.c().semestre[0], Qt::LeftButton);
    EXPECT_EQ(e.f().grille().colonnes(), 5);
    EXPECT_EQ(e.cellule(0, 4), QStringLiteral("3"));
    EXPECT_EQ(e.cellule(1, 4), QStringLiteral("99,50"));
    QTest::mouseClick(e.c().semestre[1], Qt::LeftButton);
    EXPECT_EQ(e.f().grille().colonnes(), 4);
}

TEST(Fenetre, CalculImpossibleSignaleSansBoite)
{
    SansModale sans;
    // 2012 n'a que des taux nuls : aucun semestre possible.
    FenetreEssai e("1S2012\tabc\r\n2S2011\t3.35\r\n1S2011\t3.47\r\n");
    EXPECT_FALSE(e.c().semestre[0]->isEnabled());
    EXPECT_FALSE(e.c().semestre[1]->isEnabled());
    EXPECT_EQ(e.c().tauxannuel->text(), QStringLiteral(" 0 %"));
    EXPECT_FALSE(e.c().grille->toolTip().isEmpty());
    EXPECT_FALSE(e.c().tauxannuel->toolTip().isEmpty());
    e.choisitannee(QStringLiteral("2011"));
    EXPECT_TRUE(e.c().grille->toolTip().isEmpty());
    EXPECT_EQ(e.cellule(1, 1), QStringLiteral("99,42"));

    // Un montant qui dépasse laisse les cellules précédentes et l'indique ; copie et impression
    // les refusent avec le même avis, le presse-papiers reste tel quel.
    e.c().montant->setText(QString(400, u'9'));
    EXPECT_EQ(e.cellule(1, 1), QStringLiteral("99,42"));
    EXPECT_FALSE(e.c().grille->toolTip().isEmpty());
    QApplication::clipboard()->setText(QStringLiteral("ancien"));
    QTest::mouseClick(e.c().Command2, Qt::LeftButton);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("ancien"));
    EXPECT_TRUE(QTest::qWaitFor([] { return QToolTip::isVisible(); }, 2000));
    EXPECT_EQ(QToolTip::text(), e.c().grille->toolTip());
    QTest::keyClick(e.c().montant, Qt::Key_P, Qt::ControlModifier); // aucune boîte : rien d'imprimé
    e.c().montant->setText(QString(10000, u'x'));
    EXPECT_EQ(e.cellule(1, 1), QStringLiteral("0,00"));
}

TEST(Fenetre, CopieDuTableau)
{
    SansModale sans;
    FenetreEssai e;
    QTest::mouseClick(e.c().semestre[0], Qt::LeftButton);
    QApplication::clipboard()->setText(QStringLiteral("ancien"));
    QTest::mouseClick(e.c().Command2, Qt::LeftButton);
    const QString texte = QApplication::clipboard()->text();
    const QStringList lignes = texte.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lignes.size(), 5 + 35 + 1 + 3);
    EXPECT_EQ(lignes[0], QStringLiteral("Crédit gratuit :"));
    EXPECT_EQ(lignes[1], QStringLiteral("1er semestre 2010"));
    EXPECT_EQ(lignes[2], QStringLiteral("Taux annuel :  3.47 %"));
    EXPECT_EQ(lignes[3], QStringLiteral("Prix à crédit : 100"));
    EXPECT_EQ(lignes[4], QString());
    EXPECT_EQ(lignes[5], QStringLiteral("Mois\tCrédit gratuit\t1\t2\t3"));
    EXPECT_EQ(lignes[6], QStringLiteral("3\t99,42\t99,83\t99,66\t99,50"));
    EXPECT_EQ(lignes[15], QStringLiteral("12\t98,14\t99,46\t98,92\t98,39"));
    EXPECT_EQ(lignes[39], QStringLiteral("36\t94,84\t98,47\t96,98\t95,51"));
    // Puis une ligne vide et la mention du taux, comme sous le taux de la fenêtre.
    EXPECT_EQ(lignes.mid(40),
              QStringList{""} + e.c().mentiontaux->property("mention").toString().split(u'\n') + QStringList{""});
    EXPECT_EQ(lignes[41], QStringLiteral("taux non officiel"));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    // Même texte une seconde fois, nouveau texte après un changement, quel que soit l'onglet.
    QTest::mouseClick(e.c().Command2, Qt::LeftButton);
    EXPECT_EQ(QApplication::clipboard()->text(), texte);
    e.c().onglets->setCurrentIndex(1);
    QTest::mouseClick(e.c().semestre[1], Qt::LeftButton);
    e.c().onglets->setCurrentIndex(1);
    QTest::mouseClick(e.c().Command2, Qt::LeftButton);
    EXPECT_TRUE(QApplication::clipboard()->text().startsWith(
        QStringLiteral("Crédit gratuit :\r\n2d semestre 2010\r\nTaux annuel :  3.35 %\r\n")));
}

TEST(Fenetre, CopieEnAnglais)
{
    SansModale sans;
    FenetreEssai e(tauxessai, QLocale(QLocale::English, QLocale::UnitedStates));
    QTest::mouseClick(e.c().semestre[0], Qt::LeftButton);
    QTest::mouseClick(e.c().Command2, Qt::LeftButton);
    EXPECT_TRUE(QApplication::clipboard()->text().contains(QStringLiteral("\r\n3\t99.42\t99.83\t99.66\t99.50\r\n")));
}

TEST(Fenetre, SaisieRameneLeTableau)
{
    SansModale sans;
    FenetreEssai e;
    e.cliqueonglet(1);
    ASSERT_EQ(e.c().onglets->currentIndex(), 1);
    QTest::keyClicks(e.c().montant, QStringLiteral("0"));
    EXPECT_EQ(e.c().onglets->currentIndex(), 0);
}

} // namespace
