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
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolTip>

#include <vector>

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
        QTest::keyClick(f, Qt::Key_Escape); // sans bouton, Échap la ferme
        EXPECT_FALSE(f->isVisible());
        if (f->isVisible())
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

// Avis de refus : montré après le second relâchement, qui cacherait une bulle plus précoce.
QString avismontre()
{
    if (!QTest::qWaitFor([] { return QToolTip::isVisible(); }, 2000))
        return QStringLiteral("(pas de bulle)");
    const QString texte = QToolTip::text();
    QToolTip::hideText();
    return texte;
}

// Un détail refusé ne change rien à l'onglet du détail : ni ses textes, ni son verrou.
TEST(Detail, MontantSansNombreNOuvrePasLeDetail)
{
    FenetreEssai e;
    e.doubleclic(1, 1);
    ASSERT_EQ(e.c().onglets->currentIndex(), 2);
    const QStringList avant = valeurs(e);
    const QString remise = e.c().remise->text();
    e.c().montant->selectAll();
    QTest::keyClicks(e.c().montant, QStringLiteral("x100")); // « X100 »
    e.doubleclic(2, 1);
    EXPECT_EQ(e.c().onglets->currentIndex(), 0);
    EXPECT_EQ(valeurs(e), avant);
    EXPECT_EQ(e.c().remise->text(), remise);
    EXPECT_EQ(avismontre(), QStringLiteral("Détail impossible : le montant ne commence pas par un nombre."));
    e.cliqueonglet(2); // verrouillé par la saisie, il le reste
    EXPECT_EQ(e.c().onglets->currentIndex(), 0);
}

TEST(Detail, TauxNulNOuvrePasLeDetail)
{
    SansModale sans;
    FenetreEssai e("1S2012\tabc\r\n2S2011\t3.35\r\n");
    ASSERT_EQ(e.c().tauxannuel->text(), QStringLiteral(" 0 %"));
    e.doubleclic(1, 1);
    EXPECT_EQ(e.c().onglets->currentIndex(), 0);
    EXPECT_EQ(e.c().v[0]->text(), QString());
    EXPECT_EQ(avismontre(), QStringLiteral("Détail impossible : le taux de cette colonne est nul."));
    e.cliqueonglet(2);
    EXPECT_EQ(e.c().onglets->currentIndex(), 0);
}

// Saisi à la française, le montant donne à la cellule et à son détail le même prix ; une
// lecture arrêtée en chemin montre le montant retenu.
TEST(Detail, MontantDecimalMemePrixQueLaCellule)
{
    FenetreEssai e;
    e.c().montant->selectAll();
    QTest::keyClicks(e.c().montant, QStringLiteral("1234,56"));
    EXPECT_TRUE(e.c().montantretenu->text().isEmpty());
    e.doubleclic(1, 1);
    ASSERT_EQ(e.c().onglets->currentIndex(), 2);
    EXPECT_EQ(e.c().v[13]->text(), e.cellule(1, 1));

    e.c().montant->selectAll();
    QTest::keyClicks(e.c().montant, QStringLiteral("1.234,56"));
    EXPECT_EQ(e.c().montantretenu->text(), QStringLiteral("Retenu : 1,234"));
}

// Entrée et Espace sur une cellule ouvrent son détail comme un double-clic.
TEST(Detail, ClavierSurLaGrille)
{
    FenetreEssai e;
    for (const Qt::Key touche : {Qt::Key_Return, Qt::Key_Space}) {
        e.cliqueonglet(0);
        e.c().grille->setFocus();
        e.c().grille->setCurrentCell(2, 1);
        QTest::keyClick(e.c().grille, touche);
        EXPECT_EQ(e.c().onglets->currentIndex(), 2) << touche;
        EXPECT_EQ(e.c().v[1]->text(), QStringLiteral("5")) << touche;
        EXPECT_EQ(e.c().v[0]->text(), QStringLiteral("1")) << touche;
    }
}

// Tout déplacement au clavier de la cellule courante la garde visible : Entrée ouvre le
// détail d'une cellule que l'utilisateur voit.
TEST(Detail, ClavierGardeLaCelluleCouranteVisible)
{
    struct Cas
    {
        const char *nom;
        std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>> touches;
    };
    const std::pair<Qt::Key, Qt::KeyboardModifiers> bas{Qt::Key_Down, Qt::NoModifier};
    const Cas cas[] = {
        {"bas_x20", std::vector(20, bas)},
        {"page_suivante_x2", {{Qt::Key_PageDown, Qt::NoModifier}, {Qt::Key_PageDown, Qt::NoModifier}}},
        {"fin", {{Qt::Key_End, Qt::NoModifier}}},
        {"ctrl_fin", {{Qt::Key_End, Qt::ControlModifier}}},
        {"ctrl_fin_puis_debut", {{Qt::Key_End, Qt::ControlModifier}, {Qt::Key_Home, Qt::ControlModifier}}},
    };
    FenetreEssai e;
    QTableWidget *g = e.c().grille;
    for (const Cas &c : cas) {
        g->setFocus();
        g->setCurrentCell(0, 0);
        g->scrollToTop();
        for (const auto &[touche, modificateurs] : c.touches)
            QTest::keyClick(g, touche, modificateurs);
        ASSERT_NE(g->currentItem(), nullptr) << c.nom;
        EXPECT_TRUE(g->viewport()->rect().contains(g->visualItemRect(g->currentItem()))) << c.nom;
    }
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

// Avant la première peinture, les onglets Aide et Détail ne sont pas construits : un détail ou
// un clic sur l'aide les construit aussitôt, et la suite du démarrage n'y touche plus.
TEST(Demarrage, DetailEtAideAvantLaPremierePeinture)
{
    for (const int onglet : {1, 2}) {
        SCOPED_TRACE(onglet);
        FenetreEssai e(tauxessai, QLocale(QLocale::French, QLocale::France), {}, {}, {}, Attente::affichage);
        ASSERT_EQ(e.c().remise, nullptr);
        if (onglet == 2)
            e.doubleclic(1, 1);
        else
            e.cliqueonglet(1);
        EXPECT_EQ(e.c().onglets->currentIndex(), onglet);
        e.attendsdemarre();
        EXPECT_EQ(e.c().onglets->currentIndex(), onglet);
        if (onglet == 2)
            EXPECT_EQ(e.c().v[13]->text(), e.cellule(1, 1));
        else
            EXPECT_TRUE(e.f().findChild<QLabel *>(QStringLiteral("Label6"))->isVisible());
    }
}

} // namespace
