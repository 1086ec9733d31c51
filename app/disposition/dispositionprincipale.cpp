// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "app/disposition/dispositionprincipale.h"

#include "app/controles/boutonimage.h"
#include "app/controles/couleurs.h"
#include "app/controles/images.h"
#include "app/controles/ligneseule.h"
#include "app/controles/pageaide.h"
#include "app/disposition/disposition.h"
#include "app/disposition/dispositiononglets.h"

#include <QComboBox>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>

using namespace disposition;

namespace {

using couleurs::ivoire;
using couleurs::jaunepale;

// Zone cliente, contrôle à onglets et grille à la taille de conception (twips).
constexpr int largeurfenetre = 7260, hauteurfenetre = 4785;
constexpr int largeuronglets = 5775, hauteuronglets = 4275;
constexpr int largeurgrille = 5715, hauteurgrille = 3555;
// Colonnes de la grille, en pixels : en-tête des lignes, « Crédit gratuit », points.
constexpr int largeurmois = 36, largeurcredit = 84, largeurpoints = 56;

constexpr Etiquette etiquettes[] = {
    {"Label2", 60, 540, 1275, 255, "Montant :", Centre | Gras | Surbrillance, 0},
    {"montantretenu", 60, 1170, 1275, 195, "", Centre, ivoire},
    {"Label5", 120, 1560, 1155, 495, "Taux annuel de référence", Centre | Retour, jaunepale},
    {"tauxannuel", 60, 2040, 1215, 375, "0 %", Centre, jaunepale},
    // Sans fond propre : couleur de la palette, lisible sur le dégradé.
    {"mentiontaux", 0, 2400, 1440, 585, "", Centre | Retour | Surbrillance, 0},
    // Entre les boutons à image et « Mise à jour » : la dernière mise à jour des taux.
    {"avistaux", 0, 3690, 1440, 255, "", Centre, ivoire},
    {"Label1", 0, 4260, 1455, 195, "Logiciel TALVEN", Centre | Souligne, ivoire},
    {"nover", 60, 4560, 1215, 195, "", Centre, ivoire},
};

// Noms annoncés par les lecteurs d'écran pour les contrôles sans texte ni étiquette propre.
constexpr struct
{
    const char *objet, *nom;
} nomsaccessibles[] = {
    {"grille", "Tableau des prix au comptant"},
    {"montant", "Montant"},
    {"listeannée", "Année"},
};

constexpr Etiquette etiquettescalcul[] = {
    {"Label4", 120, 330, 975, 375, "Crédit gratuit sur", Centre | Retour, 0},
    {"Label3", 2040, 320, 3615, 375,
     "Prise en charge partielle des frais de crédit  (nombre de points de crédit pris en charge)", Centre | Retour, 0},
};

QPushButton *bouton(QWidget *parent, const char *nom, const char *image, const char *bulle, bool grise)
{
    auto *b = new BoutonImage(parent);
    b->setObjectName(QString::fromUtf8(nom));
    // L'icône prend seule la variante @2x sur un écran à 200 % ; sa taille logique est celle du dessin 1x.
    b->setIcon(images::icone(image));
    b->setIconSize(images::taille(image));
    b->setToolTip(QString::fromUtf8(bulle));
    b->setAccessibleName(b->toolTip()); // le lecteur d'écran annonce la bulle
    if (grise)
        couleurs::imposefond(b, QPalette::Button, couleurs::grisbouton);
    return b;
}

// Plan d'un onglet : ses enfants se placent par rapport au coin du contrôle à onglets,
// quelle que soit la place que le contrôle donne à la page.
class Plan : public QObject
{
  public:
    Plan(QTabWidget *onglets, QWidget *page, QWidget *plan) : QObject(page), onglets_(onglets), page_(page), plan_(plan)
    {
        page->installEventFilter(this);
    }

    void suitpile() { page_->parentWidget()->installEventFilter(this); }

  protected:
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Move || e->type() == QEvent::Resize || e->type() == QEvent::Show)
            plan_->setGeometry(QRect(-page_->mapTo(onglets_, QPoint(0, 0)), onglets_->size()));
        return false;
    }

  private:
    QTabWidget *onglets_;
    QWidget *page_;
    QWidget *plan_;
};

QWidget *onglet(QTabWidget *onglets, const QString &titre)
{
    auto *page = new QWidget;
    auto *plan = new QWidget(page);
    auto *suivi = new Plan(onglets, page, plan);
    onglets->addTab(page, titre);
    suivi->suitpile();
    return plan;
}

// Table de la grille. Le défilement automatique reste coupé (un clic sur une cellule à demi
// visible ferait défiler la table entre les deux clics d'un double-clic, qui tomberait sur
// une autre cellule), mais la cellule courante déplacée au clavier est toujours montrée.
class TableGrille : public QTableWidget
{
  public:
    using QTableWidget::QTableWidget;

  protected:
    void keyPressEvent(QKeyEvent *e) override
    {
        const QModelIndex avant = currentIndex();
        QTableWidget::keyPressEvent(e);
        if (currentIndex().isValid() && currentIndex() != avant)
            scrollTo(currentIndex());
    }
};

QTableWidget *creegrille(QWidget *parent)
{
    auto *g = new TableGrille(34, 9, parent);
    place(g, 30, 720, largeurgrille, hauteurgrille, "grille");
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->setSelectionMode(QAbstractItemView::SingleSelection);
    g->setAutoScroll(false);
    g->setWordWrap(false);
    g->setCornerButtonEnabled(false);
    g->horizontalHeader()->setHighlightSections(false);
    g->verticalHeader()->setHighlightSections(false);
    g->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    g->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    g->horizontalHeader()->setDefaultSectionSize(largeurpoints);
    g->horizontalHeader()->setMinimumSectionSize(16);
    g->verticalHeader()->setDefaultSectionSize(16);
    g->verticalHeader()->setMinimumSectionSize(16);
    g->verticalHeader()->setFixedWidth(largeurmois);
    g->horizontalHeader()->setFixedHeight(16);
    g->setColumnWidth(0, largeurcredit);
    return g;
}

} // namespace

ControlesPrincipaux construitfenetre(QWidget *fenetre)
{
    ControlesPrincipaux c{};
    c.arret = bouton(fenetre, "arret", "quitter.png", "Quitter", true);
    place(c.arret, 60, 60, 375, 375, "arret");

    for (const Etiquette &e : etiquettes)
        creeetiquette(fenetre, e);
    c.Label1 = fenetre->findChild<QLabel *>(QStringLiteral("Label1"));
    c.Label2 = fenetre->findChild<QLabel *>(QStringLiteral("Label2"));
    c.Label5 = fenetre->findChild<QLabel *>(QStringLiteral("Label5"));
    c.tauxannuel = fenetre->findChild<QLabel *>(QStringLiteral("tauxannuel"));
    c.nover = fenetre->findChild<QLabel *>(QStringLiteral("nover"));
    c.montantretenu = fenetre->findChild<QLabel *>(QStringLiteral("montantretenu"));
    c.mentiontaux = fenetre->findChild<QLabel *>(QStringLiteral("mentiontaux"));
    c.avistaux = fenetre->findChild<QLabel *>(QStringLiteral("avistaux"));
    c.Label1->setCursor(Qt::PointingHandCursor);

    c.montant = new QLineEdit(QStringLiteral("100"), fenetre);
    place(c.montant, 60, 840, 1275, 315, "montant");
    QFont gras = c.montant->font();
    gras.setBold(true);
    c.montant->setFont(gras);
    couleurs::imposefond(c.montant, QPalette::Base, jaunepale);
    ligneseule(c.montant);

    c.imprimer = bouton(fenetre, "imprimer", "imprimer.png", "Imprimer", true);
    place(c.imprimer, 30, 3000, 675, 675, "imprimer");
    c.Command2 = bouton(fenetre, "Command2", "copier.png", "Copier", true);
    place(c.Command2, 720, 3000, 675, 675, "Command2");
    c.Command1 = new QPushButton(QStringLiteral("Mise à jour"), fenetre);
    place(c.Command1, 240, 3960, 975, 255, "Command1");
    c.Command1->setToolTip(QStringLiteral("Mise à jour des indices"));
    c.Command1->setAccessibleDescription(c.Command1->toolTip());

    // Lien sous les boutons à image, dans la case d'avistaux : montré quand le semestre du jour
    // dépasse la tête du fichier et qu'aucun avis de mise à jour n'occupe la case.
    c.ajouttaux = new QPushButton(QStringLiteral("Ajouter un taux"), fenetre);
    place(c.ajouttaux, 0, 3690, 1440, 255, "ajouttaux");
    c.ajouttaux->setFlat(true);
    c.ajouttaux->setAutoDefault(true); // Entrée l'active comme Espace
    c.ajouttaux->setCursor(Qt::PointingHandCursor);
    c.ajouttaux->setToolTip(QStringLiteral("Ajouter le semestre suivant au fichier des taux"));
    c.ajouttaux->setStyleSheet(QStringLiteral("QPushButton { border: 1px solid transparent; background: transparent; "
                                              "color: %1; text-decoration: underline; padding: 0px; } "
                                              "QPushButton:focus { border: 1px dotted %1; }")
                                   .arg(couleurs::css(ivoire)));
    c.ajouttaux->hide();

    c.listeannee = new QComboBox(fenetre);
    place(c.listeannee, 1440, 60, 1215, 315, "listeannée");
    couleurs::imposefond(c.listeannee, QPalette::Button, couleurs::grisliste);
    couleurs::imposefond(c.listeannee, QPalette::Base, couleurs::grisliste);

    c.semestre[0] = new QRadioButton(QStringLiteral("1er semestre"), fenetre);
    place(c.semestre[0], 2760, 120, 1755, 195, "semestre0");
    c.semestre[1] = new QRadioButton(QStringLiteral("2d semestre"), fenetre);
    place(c.semestre[1], 4560, 120, 1755, 195, "semestre1");
    // Textes de couleur sur fond violet ; une option désactivée se voit désactivée.
    const QString option = QStringLiteral("QRadioButton { background-color: %1; color: %2; } "
                                          "QRadioButton:disabled { color: %3; }");
    const QString violet = couleurs::css(couleurs::violet);
    const QString inactif = couleurs::css(couleurs::grisinactif);
    const QColor surbrillance = fenetre->palette().color(QPalette::HighlightedText);
    c.semestre[0]->setStyleSheet(option.arg(violet, surbrillance.name(), inactif));
    c.semestre[1]->setStyleSheet(option.arg(violet, couleurs::css(couleurs::blanc), inactif));
    for (QRadioButton *s : c.semestre) // un contrôle à feuille de style ne suit plus la police de sa fenêtre
        s->setFont(fenetre->font());
    c.semestre[0]->setChecked(true);

    c.calculatrice = bouton(fenetre, "calculatrice", "calculatrice.png", "Calculatrice", false);
    place(c.calculatrice, 6660, 60, 495, 340, "calculatrice");

    c.onglets = new QTabWidget(fenetre);
    place(c.onglets, 1440, 480, largeuronglets, hauteuronglets, "onglets");
    c.onglets->tabBar()->setExpanding(true);
    // Barre d'onglets basse : le contenu commence à 20 pixels du haut.
    // Feuille de style sur la seule barre : une feuille sur le contrôle ferait prendre aux pages
    // la police de l'application au lieu de celle de la fenêtre.
    c.onglets->tabBar()->setStyleSheet(QStringLiteral("QTabBar::tab { height: 18px; padding: 0px 8px; }"));
    c.onglets->tabBar()->setFont(fenetre->font());
    QWidget *calcul = onglet(c.onglets, QStringLiteral(" Calcul  "));
    c.pageaide = new QWidget;
    c.onglets->addTab(c.pageaide, QStringLiteral(" Aide  "));
    c.plandetail = onglet(c.onglets, QStringLiteral(" Détail  "));

    c.Label4 = creeetiquette(calcul, etiquettescalcul[0]);
    c.Label3 = creeetiquette(calcul, etiquettescalcul[1]);
    c.grille = creegrille(calcul);

    for (const auto &a : nomsaccessibles) {
        QWidget *w = fenetre->findChild<QWidget *>(QString::fromUtf8(a.objet));
        w->setAccessibleName(QString::fromUtf8(a.nom));
        // Sous Linux, une liste déroulante s'annonce par sa valeur et son nom par l'étiquette
        // qui la désigne : une étiquette invisible porte ce nom.
        if (qobject_cast<QComboBox *>(w)) {
            auto *etiquette = new QLabel(w->accessibleName(), w->parentWidget());
            etiquette->setBuddy(w);
            etiquette->hide();
        }
    }
    return c;
}

void construitpages(ControlesPrincipaux &c)
{
    new PageAide(c.onglets, c.pageaide, etiquettesaide);
    creeetiquettes(c.plandetail, etiquettesdetail);
    creetraits(c.plandetail, traitsdetail);
    for (std::size_t i = 0; i < c.v.size(); ++i)
        c.v[i] = creeetiquette(c.plandetail, valeursdetail[i]);
    c.remise = creeetiquette(c.plandetail, remisedetail);
}

QList<int> largeursgrille(int colonnes)
{
    QList<int> l;
    for (int c = 0; c < colonnes; ++c)
        l.append(15 * (c == 0 ? largeurmois : c == 1 ? largeurcredit : largeurpoints));
    return l;
}

QSize tailleconception()
{
    return {twips(largeurfenetre), twips(hauteurfenetre)};
}

void etirefenetre(const ControlesPrincipaux &c, const QSize &taille)
{
    const QSize enplus = (taille - tailleconception()).expandedTo(QSize(0, 0));
    c.onglets->resize(QSize(twips(largeuronglets), twips(hauteuronglets)) + enplus);
    // La grille suit le plan de son onglet, qui a la taille du contrôle à onglets.
    c.grille->resize(QSize(twips(largeurgrille), twips(hauteurgrille)) + enplus);
}
