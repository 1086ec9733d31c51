// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
// Disposition des fenêtres : textes sans chevauchement, ordre du clavier, textes de l'aide.
#include "tests/app/chevauchement.h"
#include "tests/app/outils.h"

#include "app/controles/fond.h"
#include "app/controles/grille.h"
#include "app/fenetres/frmtalven.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Aucun texte n'en chevauche un autre et chacun tient dans sa boîte : les trois onglets de la
// fenêtre principale, le dialogue de mise à jour et la fenêtre « à propos », avec une police de
// l'application de 8,25 puis de 10 points posée avant la fenêtre, et de 10 points posée après
// son affichage (avant les onglets construits après la première peinture).
TEST(Disposition, TextesSansChevauchement)
{
    const QFont police = QApplication::font();
    const auto pose = [&police](double points) {
        QFont f = police;
        f.setPointSizeF(points);
        QApplication::setFont(f);
    };
    for (const auto &[points, apres] : {std::pair{8.25, false}, {10.0, false}, {10.0, true}}) {
        SCOPED_TRACE(QStringLiteral("%1 pt%2").arg(points).arg(apres ? " après l'affichage" : "").toStdString());
        pose(apres ? 8.25 : points);
        {
            FenetreEssai e(tauxessai, QLocale(QLocale::French, QLocale::France), {}, {}, {}, Attente::affichage);
            if (apres)
                pose(points);
            e.attendsdemarre();
            EXPECT_EQ(e.f().windowTitle(), QStringLiteral("Brunelix"));
            e.doubleclic(1, 2); // détail rempli, onglet Détail montré
            for (const int onglet : {2, 0, 1}) {
                e.cliqueonglet(onglet);
                QTest::qWait(0);
                ASSERT_EQ(e.c().onglets->currentIndex(), onglet);
                EXPECT_EQ(defautsdisposition(&e.f()), QStringList()) << "onglet " << onglet;
            }
            e.maj->show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(e.maj.get()));
            EXPECT_EQ(defautsdisposition(e.maj.get()), QStringList());
            e.maj->hide();
            FrmTALVEN apropos(&e.f());
            apropos.show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&apropos));
            EXPECT_EQ(defautsdisposition(&apropos), QStringList());
        }
    }
    QApplication::setFont(police);
}

TEST(Disposition, OrdreDuClavier)
{
    FenetreEssai e;
    // Le fichier d'essai s'arrête en 2010 : le lien « Ajouter un taux » est montré.
    const char *ordre[] = {"calculatrice", "arret",     "imprimer", "ajouttaux", "Command1", "onglets",
                           "listeannée",   "semestre1", "montant",  "grille",    "Command2"};
    // Au démarrage, le second semestre est coché : seul lui est un arrêt.
    const auto controle = [&e](const char *nom) {
        QWidget *w = e.f().findChild<QWidget *>(QString::fromUtf8(nom));
        return w->focusProxy() ? w->focusProxy() : w;
    };
    ASSERT_EQ(QApplication::focusWidget(), controle("calculatrice"));
    for (std::size_t i = 1; i < std::size(ordre); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), controle(ordre[i]))
            << "après " << ordre[i - 1] << " : " << QApplication::focusWidget()->objectName().toStdString();
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), controle("calculatrice"));
    // En arrière, et avec le premier semestre coché à la place du second.
    QTest::mouseClick(e.c().semestre[0], Qt::LeftButton);
    e.c().onglets->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), controle("semestre0"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), controle("montant"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), controle("listeannée"));
}

TEST(Disposition, NomsPourLecteurDEcran)
{
    FenetreEssai e;
    const struct
    {
        const char *objet, *nom, *description;
    } noms[] = {
        {"arret", "Quitter", ""},
        {"imprimer", "Imprimer", ""},
        {"Command2", "Copier", ""},
        {"calculatrice", "Calculatrice", ""},
        {"Command1", "Mise à jour", "Mise à jour des indices"},
        {"grille", "Tableau des prix au comptant", ""},
        {"montant", "Montant", ""},
        {"listeannée", "Année", ""},
    };
    for (const auto &n : noms) {
        QAccessibleInterface *a = QAccessible::queryAccessibleInterface(e.f().findChild<QWidget *>(n.objet));
        ASSERT_NE(a, nullptr) << n.objet;
        // Nom propre, ou pour une liste déroulante sous Linux, celui de l'étiquette qui la désigne.
        QString nom = a->text(QAccessible::Name);
        for (const auto &r : a->relations(QAccessible::Label))
            nom = r.first->text(QAccessible::Name);
        EXPECT_EQ(nom, QString::fromUtf8(n.nom)) << n.objet;
        if (*n.description) {
            EXPECT_EQ(a->text(QAccessible::Description), QString::fromUtf8(n.description)) << n.objet;
        }
    }
}

TEST(Disposition, TextesDeLAide)
{
    FenetreEssai e;
    const struct
    {
        const char *nom;
        const char *debut;
        const char *fin;
    } textes[] = {
        {"Label46", "Depuis le 1er mai 2011, la remise n'est plus obligatoire (loi n° 2010-737 du 1er juillet 2010)",
         "votre copie reste sur le disque."},
        {"Label47", "Jusqu'au 30 avril 2011 :", "Jusqu'au 30 avril 2011 :"},
        {"Label6", "Selon l'article L. 311-7 du Code", "l'article L. 311-3 du Code de la consommation)."},
        {"Label7", "Cette remise s'applique", "inférieur à 21500 € (art. D. 311-1 du Code de la consommation)"},
        {"Label8", "Attention : Ces dispositions", "supportés par l'acheteur."},
        {"Label9", "Ce module de calcul établit le tableau", "pour un montant donné."},
        {"Label10", "Pour connaître le détail d'un calcul, double-cliquez", "concernée du tableau"},
        {"Label11", "Note : pour restituer les tableaux publiés", "dans la case Montant."},
    };
    // À la taille de conception, les textes défilent ; agrandie, ils sont tous à leur place.
    for (const QSize taille : {QSize(484, 319), QSize(1280, 800)}) {
        e.f().resize(taille);
        e.cliqueonglet(1);
        QTest::qWait(0);
        auto *zone = e.f().findChild<QScrollArea *>(QStringLiteral("zoneaide"));
        EXPECT_EQ(zone->verticalScrollBar()->isVisible(), taille.height() < 800) << taille.height();
        int basdutexte = 0;
        const int gauche = e.f().findChild<QLabel *>(QStringLiteral("Label6"))->mapTo(e.c().onglets, QPoint(0, 0)).x();
        for (const auto &t : textes) {
            auto *l = e.f().findChild<QLabel *>(QString::fromUtf8(t.nom));
            ASSERT_NE(l, nullptr) << t.nom;
            EXPECT_TRUE(l->text().startsWith(QString::fromUtf8(t.debut))) << t.nom;
            EXPECT_TRUE(l->text().endsWith(QString::fromUtf8(t.fin))) << t.nom;
            EXPECT_TRUE(l->wordWrap());
            // Le texte tient dans sa boîte, à gauche de la barre de défilement, et ne remonte jamais.
            EXPECT_LE(l->heightForWidth(l->width()), l->height()) << t.nom;
            EXPECT_LE(l->mapTo(zone, QPoint(l->width(), 0)).x(), zone->viewport()->width()) << t.nom;
            const QPoint coin = l->mapTo(e.c().onglets, QPoint(0, 0));
            EXPECT_EQ(coin.x(), gauche) << t.nom;     // une seule marge à gauche
            EXPECT_GE(coin.y(), basdutexte) << t.nom; // pas sur le texte du dessus
            basdutexte = coin.y() + l->heightForWidth(l->width());
        }
    }
    EXPECT_EQ(e.c().onglets->tabText(0), QStringLiteral(" Calcul  "));
    EXPECT_EQ(e.c().onglets->tabText(2), QStringLiteral(" Détail  "));
}

// Agrandie : le contrôle à onglets et la grille prennent la place, les colonnes gardent
// leur largeur, le reste ne bouge pas, le dégradé couvre toute la fenêtre.
TEST(Disposition, FenetreAgrandie)
{
    FenetreEssai e;
    const Grille &g = e.f().grille();
    QList<int> largeurs;
    for (int c = 0; c < g.colonnes(); ++c)
        largeurs << g.largeurColonne(c);
    const QPoint montant = e.c().montant->pos();
    EXPECT_EQ(e.f().minimumSize(), QSize(484, 319));
    EXPECT_TRUE(e.f().windowFlags() & Qt::WindowMaximizeButtonHint);

    e.f().resize(1280, 800);
    QTest::qWait(0);
    ASSERT_EQ(e.f().size(), QSize(1280, 800));
    EXPECT_EQ(e.c().onglets->geometry(), QRect(96, 32, 1280 - 99, 800 - 34));
    EXPECT_EQ(e.c().montant->pos(), montant);
    QTableWidget *t = e.c().grille;
    EXPECT_FALSE(t->verticalScrollBar()->isVisible());
    for (int ligne = 1; ligne <= 34; ++ligne) {
        const QRect r = t->visualRect(t->model()->index(ligne - 1, 0));
        EXPECT_TRUE(t->viewport()->rect().contains(r)) << "mois " << ligne + 2;
    }
    for (int c = 0; c < g.colonnes(); ++c)
        EXPECT_EQ(g.largeurColonne(c), largeurs[c]) << c;
    const QImage fond = e.f().grab().toImage();
    EXPECT_EQ(fond.pixel(2, 799), qRgb(255, 0, 255));

    // Jamais plus petite que la taille de conception, où chaque contrôle retrouve sa place.
    e.f().resize(300, 200);
    QTest::qWait(0);
    EXPECT_EQ(e.f().size(), QSize(484, 319));
    EXPECT_EQ(e.c().grille->size(), QSize(5715 / 15, 3555 / 15));
}

// Couleurs telles qu'affichées, et en-têtes des colonnes recréées après un taux négatif.
TEST(Disposition, GrilleAffichee)
{
    FenetreEssai e("1S2011\t3.47\r\n2S2010\t-0.5\r\n");
    QTableWidget *g = e.c().grille;
    const QImage image = g->grab().toImage();
    const auto couleur = [&](int ligne, int colonne) {
        const QRect r = g->visualRect(g->model()->index(ligne - 1, colonne - 1));
        return QColor(image.pixel(g->viewport()->mapTo(g, r.topLeft() + QPoint(3, 3))));
    };
    EXPECT_EQ(couleur(1, 1), QColor(255, 255, 192));
    EXPECT_EQ(couleur(12, 1), QColor(255, 255, 192));
    EXPECT_EQ(couleur(1, 2), QColor(Qt::white));
    const QRect derniere = g->visualRect(g->model()->index(0, 3));
    const QPoint audela = g->viewport()->mapTo(g, QPoint(derniere.right() + 10, derniere.center().y()));
    EXPECT_EQ(QColor(image.pixel(audela)), QColor(128, 128, 128));

    e.choisitannee(QStringLiteral("2010"));
    ASSERT_EQ(e.f().grille().colonnes(), 1);
    e.choisitannee(QStringLiteral("2011"));
    ASSERT_EQ(e.f().grille().colonnes(), 5);
    QStringList entetes;
    for (int c = 0; c < g->columnCount(); ++c)
        entetes << g->model()->headerData(c, Qt::Horizontal).toString();
    EXPECT_EQ(entetes, (QStringList{"", "1", "2", "3"}));
}

// Chaque image a sa variante @2x, deux fois plus grande, pour les écrans à 200 %.
TEST(Disposition, ImagesEnDeuxEchelles)
{
    const QStringList images = QDir(QStringLiteral(":/images")).entryList({QStringLiteral("*.png")});
    ASSERT_FALSE(images.isEmpty());
    for (const QString &nom : images) {
        if (nom.contains(QStringLiteral("@2x")))
            continue;
        const QSize simple = QImage(QStringLiteral(":/images/") + nom).size();
        const QSize double_ = QImage(QStringLiteral(":/images/") + QString(nom).replace(".png", "@2x.png")).size();
        EXPECT_EQ(double_, simple * 2) << nom.toStdString();
    }
}

TEST(Disposition, DegradeDuFond)
{
    EXPECT_EQ(fond::couleurbande(0), qRgb(128, 0, 128));
    EXPECT_EQ(fond::couleurbande(1), qRgb(128, 0, 128)); // 128,5 au pair
    EXPECT_EQ(fond::couleurbande(3), qRgb(130, 0, 130)); // 129,5 au pair
    EXPECT_EQ(fond::couleurbande(254), qRgb(255, 0, 255));
    EXPECT_EQ(fond::couleurbande(255), qRgb(255, 0, 255)); // 256 plafonné
    const QImage image = fond::degrade(QSize(484, 319)).toImage();
    EXPECT_EQ(image.pixel(200, 0), qRgb(128, 0, 128));
    EXPECT_EQ(image.pixel(200, 318), qRgb(255, 0, 255));
    EXPECT_EQ(image.pixel(483, 160), fond::couleurbande(128));
}

// Un pixel nettement plus sombre que le fond (pris au bord gauche, à mi-hauteur) : du texte lisible.
bool texteplussombre(const QImage &image)
{
    const int fond = QColor(image.pixel(1, image.height() / 2)).lightness();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (QColor(image.pixel(x, y)).lightness() < fond - 100)
                return true;
    return false;
}

// Palette sombre et police de 10 points posées avant la construction, comme par un thème.
TEST(Disposition, PaletteSombreEtPoliceDuTheme)
{
    const QPalette palette = QApplication::palette();
    const QFont police = QApplication::font();
    QPalette sombre(QColor(60, 60, 60), QColor(40, 40, 40));
    sombre.setColor(QPalette::Base, QColor(30, 30, 30));
    sombre.setColor(QPalette::Text, Qt::white);
    sombre.setColor(QPalette::WindowText, Qt::white);
    sombre.setColor(QPalette::ButtonText, Qt::white);
    QApplication::setPalette(sombre);
    QFont dix = police;
    dix.setPointSizeF(10);
    QApplication::setFont(dix);
    {
        FenetreEssai e;
        QLineEdit *montant = e.c().montant;
        EXPECT_TRUE(texteplussombre(montant->grab(montant->rect().adjusted(3, 3, -3, -3)).toImage()));
        QTableWidget *g = e.c().grille;
        const QRect cellule = g->visualRect(g->model()->index(0, 0)).adjusted(1, 1, -2, -2);
        EXPECT_TRUE(texteplussombre(g->viewport()->grab(cellule).toImage()));
        EXPECT_EQ(e.c().Command1->font().pointSizeF(), 8.25);
        EXPECT_LE(e.c().Command1->fontMetrics().horizontalAdvance(e.c().Command1->text()), e.c().Command1->width());
        const auto *attention = e.f().findChild<QLabel *>(QStringLiteral("Label8"));
        EXPECT_GT(attention->palette().color(QPalette::WindowText).lightness(),
                  sombre.color(QPalette::Window).lightness());
        // Le focus d'un bouton à image se voit.
        const QImage sansfocus = e.c().arret->grab().toImage();
        e.c().arret->setFocus();
        EXPECT_NE(e.c().arret->grab().toImage(), sansfocus);
    }
    QApplication::setPalette(palette);
    QApplication::setFont(police);
}

} // namespace
