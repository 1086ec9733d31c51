// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "app/fenetres/formbrunelix.h"

#include "app/controles/avis.h"
#include "app/controles/couleurs.h"
#include "app/controles/fond.h"
#include "app/controles/grille.h"
#include "app/controles/images.h"
#include "app/controles/onglets.h"
#include "app/controles/ordretabulation.h"
#include "app/disposition/disposition.h"
#include "app/etat.h"
#include "app/fenetres/entreesortie.h"
#include "app/fenetres/fenetretaux.h"
#include "app/fenetres/frmtalven.h"
#include "app/fenetres/maj.h"
#include "app/fenetres/miseajour.h"
#include "app/fenetres/periodeaffichee.h"
#include "app/fenetres/sequencedemarrage.h"
#include "app/fenetres/textessous.h"
#include "app/impression/commandeimpression.h"
#include "app/impression/gestesimpression.h"
#include "app/systeme/demarrage.h"
#include "app/systeme/fin.h"
#include "app/systeme/rapport.h"
#include "calc/detail.h"
#include "calc/montant.h"
#include "calc/tableau.h"
#include "calc/valeur.h"
#include "output/copie.h"
#include "rates/choixperiode.h"
#include "rates/periodes.h"
#include "rates/semestre.h"
#include "rates/statut.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>

namespace {

const QString avistableau =
    QStringLiteral("Calcul impossible pour ce taux ou ce montant : le tableau n'est pas à jour.");

} // namespace

FormBrunelix::FormBrunelix(EtatBrunelix &etat, Maj &maj, DependancesFenetre dependances, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::WindowMaximizeButtonHint),
      etat_(etat), maj_(maj), dependances_(std::move(dependances))
{
    setWindowTitle(QStringLiteral("Brunelix"));
    setWindowIcon(images::icone("icone.png"));
    // Agrandissable, jamais plus petite que la taille de conception.
    setMinimumSize(tailleconception());
    resize(tailleconception());
    setFont(policefenetres()); // survit à la police qu'un thème impose à l'application
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor::fromRgb(couleurs::violet));
    setPalette(p);

    c_ = construitfenetre(this);
    grille_ = new Grille(c_.grille);
    onglets_ = new Onglets(c_.onglets);
    avis_ = new AvisDiffere(this);
    ordretabulation();

    connect(c_.arret, &QPushButton::clicked, this, [] { fin::immediate(); });
    connect(c_.calculatrice, &QPushButton::clicked, this, [this] { calculatrice_.lance(); });
    connect(c_.Command2, &QPushButton::clicked, this, &FormBrunelix::copier);
    connect(c_.Command1, &QPushButton::clicked, this, &FormBrunelix::miseajour);
    connect(c_.ajouttaux, &QPushButton::clicked, this, [this] { ouvretaux(this); });
    connect(&maj_, &Maj::tauxdemandes, this, [this] { ouvretaux(&maj_); });
    auto *impression = new CommandeImpression(this, c_, *grille_, tableau_, dependances_);
    relieimpression(this, c_.imprimer, impression,
                    [this](AvisDiffere::Moment moment) { return tableaujuste(c_.imprimer, moment); });
    connect(c_.montant, &QLineEdit::textChanged, this, &FormBrunelix::recalcule);
    c_.montant->installEventFilter(this);
    c_.Label1->installEventFilter(this);
    connect(c_.listeannee, &QComboBox::currentIndexChanged, this, &FormBrunelix::anneechoisie);
    for (QRadioButton *s : c_.semestre)
        connect(s, &QRadioButton::toggled, this, [this, s](bool coche) {
            s->setFocusPolicy(coche ? Qt::StrongFocus : Qt::ClickFocus);
            if (coche)
                recalcule();
        });
    c_.semestre[1]->setFocusPolicy(Qt::ClickFocus);
    connect(onglets_, &Onglets::changement, this, &FormBrunelix::ongletchange);
    connect(grille_, &Grille::doubleclic, this, &FormBrunelix::doubleclic);

    EtapesDemarrage etapes;
    etapes.active = [this] { active(); };
    etapes.pages = [this] { construitpages(); };
    etapes.miseajour = [this] { majdemarrage(); };
    sequence_ = new SequenceDemarrage(this, std::move(etapes));
    connect(sequence_, &SequenceDemarrage::fini, this, &FormBrunelix::demarre);
}

void FormBrunelix::ordretabulation()
{
    ordre_ = {c_.calculatrice, c_.arret,      c_.imprimer,    c_.ajouttaux, c_.Command1, c_.onglets,
              c_.semestre[0],  c_.listeannee, c_.semestre[1], c_.montant,   c_.grille,   c_.Command2};
    c_.grille->setTabKeyNavigation(false);
    c_.calculatrice->setFocus();
}

// Tabulation dans l'ordre fixe des contrôles ; un semestre non coché n'est pas un arrêt.
bool FormBrunelix::focusNextPrevChild(bool suivant)
{
    return tabule(ordre_, suivant);
}

void FormBrunelix::charge()
{
    fond_ = fond::degrade(size());

    etat_.table.fichiertaux = etat_.emplacements.taux;

    grille_->setTexte(0, QStringLiteral("Mois"));
    grille_->setTexte(1, QStringLiteral("Crédit gratuit"));
    for (int k = 1; k <= 34; ++k) {
        grille_->setTexte(k * grille_->colonnes(), QString::number(k + 2));
        grille_->setCourante(k, 1);
        grille_->setCouleurCourante(QColor::fromRgb(couleurs::jaunepale));
    }
    chargetaux();
}

void FormBrunelix::affiche()
{
    sequence_->affiche();
}

void FormBrunelix::construitpages()
{
    if (!c_.remise) // pas encore construits
        ::construitpages(c_);
}

// Mise à jour automatique, fenêtre montrée : le téléchargement laisse tourner les événements ;
// un fichier accepté est relu en gardant la période, le montant et l'onglet de l'utilisateur.
void FormBrunelix::majdemarrage()
{
    if (!fin::encours() && verifiemaj(etat_, maj_) && !fin::encours())
        chargetaux();
}

void FormBrunelix::active()
{
    c_.nover->setText(QStringLiteral("v. ") + QStringLiteral(BRUNELIX_VERSION));
    etat_.detailvalide = false;
    const QDateTime date = taux::datefichier(etat_.table.fichiertaux);
    if (!date.isValid())
        return rapportfatal(taux::Chargement::Introuvable, etat_.table.fichiertaux, this);
    if (date != etat_.table.datefichiertaux)
        chargetaux();
}

void FormBrunelix::chargetaux()
{
    const taux::Chargement r = taux::chargetaux(etat_.table);
    if (r != taux::Chargement::Ok)
        return rapportfatal(r, etat_.table.fichiertaux, this);
    remplitannees();
}

// Liste des années et semestres après un chargement. Avant l'affichage : première année, son
// 2d semestre s'il existe. Fenêtre montrée : la période choisie reste quand elle a toujours un
// taux (le tableau ne se refait que si ce taux a changé) ; un avis discret dit la mise à jour.
void FormBrunelix::remplitannees()
{
    std::optional<taux::PeriodeAffichee> avant;
    if (sequence_->affichee())
        avant = periodeaffichee_;
    const auto r = taux::choixrecharge(etat_.table, avant, c_.semestre[0]->isChecked() ? 1 : 2);
    if (!r)
        return rapportfatal(taux::Chargement::Corrompu, etat_.table.fichiertaux, this);
    appliqueperiode(c_, r->choix);
    if (r->suite == taux::Suite::garde)
        montremention();
    else
        recalcule();
    if (sequence_->affichee())
        disposition::ajustetexte(c_.avistaux, QStringLiteral("Taux mis à jour à ") +
                                                  dependances_.maintenant().time().toString(QStringLiteral("HH:mm")));
    montreajout();
}

bool FormBrunelix::periode(qint16 &annee, int &semestre) const
{
    const auto a = taux::anneedetexte(c_.listeannee->currentText());
    if (c_.listeannee->currentIndex() < 0 || !a)
        return false;
    annee = *a;
    semestre = c_.semestre[0]->isChecked() ? 1 : 2;
    return true;
}

void FormBrunelix::anneechoisie()
{
    taux::ChoixPeriode choix = choixaffiche(c_);
    taux::choisitannee(etat_.table, choix);
    appliqueperiode(c_, choix);
    recalcule();
}

void FormBrunelix::recalcule()
{
    onglets_->setCourant(0);
    etat_.detailvalide = false;
    disposition::ajustetexte(c_.avistaux, QString());
    tableaujuste_ = false;
    periodeaffichee_.reset();
    qint16 annee = 0;
    int semestre = 1;
    if (!periode(annee, semestre)) {
        montremention();
        grille_->setPerime(true, avistableau);
        return;
    }
    const double r = taux::tauxperiode(etat_.table, annee, semestre);
    periodeaffichee_ = taux::PeriodeAffichee{annee, semestre, r};
    montremention();
    calcul::construittableau(r, c_.montant->text(), QLocale(), tableau_);
    const calcul::Tableau &t = tableau_;
    c_.tauxannuel->setText(t.intitule);
    ::montreretenu(c_, t.montant);
    if (t.colonnes > 0) {
        grille_->setColonnes(t.colonnes);
        for (int p = 1; p <= t.colonnes - 2; ++p)
            grille_->setTexte(p + 1, QString::number(p));
        for (int c = 0; c < t.colonnes; ++c)
            grille_->centreColonne(c);
        std::size_t i = 0;
        for (int k = 1; k < grille_->lignes() && i < t.cellules.size(); ++k)
            for (int c = 1; c < t.colonnes && i < t.cellules.size(); ++c)
                grille_->setTexte(k * t.colonnes + c, t.cellules[i++]);
    }
    tableaujuste_ = t.complet;
    grille_->setPerime(!t.complet, avistableau);
    c_.tauxannuel->setToolTip(t.complet ? QString() : avistableau);
}

// Copie et impression : refusées, avec l'avis de la grille, quand le tableau n'est pas celui
// du montant et du taux affichés.
bool FormBrunelix::tableaujuste(QWidget *bouton, AvisDiffere::Moment moment)
{
    if (!tableaujuste_)
        avis_->montre(bouton, bouton->mapToGlobal(bouton->rect().bottomLeft()), avistableau, moment);
    return tableaujuste_;
}

// Sous le taux : taux non officiel, dernier semestre connu ; l'explication en bulle.
void FormBrunelix::montremention()
{
    taux::Mention m;
    if (periodeaffichee_)
        m = taux::mention(etat_.table, {periodeaffichee_->annee, periodeaffichee_->semestre},
                          dependances_.maintenant().date());
    ::montremention(c_, m);
    montreajout();
}

// « Ajouter un taux » quand le semestre du jour dépasse la tête du fichier, dans la case
// d'avistaux tant que celui-ci est vide.
void FormBrunelix::montreajout()
{
    const bool manque = !taux::dernierconnu(etat_.table, dependances_.maintenant().date()).isEmpty();
    c_.ajouttaux->setVisible(manque && c_.avistaux->text().isEmpty());
}

// Fenêtre des taux, au-dessus de la fenêtre principale ou du dialogue de mise à jour ; chaque
// écriture recharge la table comme une mise à jour (la période de l'utilisateur reste).
void FormBrunelix::ouvretaux(QWidget *parent)
{
    FenetreTaux fenetre(etat_, dependances_.maintenant().date(), parent);
    connect(&fenetre, &FenetreTaux::ecrit, this, [this](const QString &fichier) {
        etat_.table.fichiertaux = fichier;
        chargetaux();
        // L'utilisateur sait ce qu'il vient d'écrire : pas d'avis de mise à jour, le lien reste.
        disposition::ajustetexte(c_.avistaux, QString());
        montreajout();
    });
    fenetre.exec();
    if (parent == this && !fin::encours())
        active();
}

double FormBrunelix::renvoivaleur(double montant, qint16 nbmois, double tannuel) const
{
    return calcul::renvoivaleur(montant, nbmois, tannuel);
}

void FormBrunelix::doubleclic()
{
    qint16 colonne = static_cast<qint16>(grille_->colonneCourante());
    qint16 ligne = static_cast<qint16>(grille_->ligneCourante());
    calculedetail(colonne, ligne);
}

void FormBrunelix::calculedetail(qint16 &colonne, qint16 &ligne)
{
    construitpages();
    double a = colonne - 1;
    if (colonne == 1) {
        qint16 annee = 0;
        int semestre = 1;
        a = periode(annee, semestre) ? taux::tauxperiode(etat_.table, annee, semestre) : 0;
    }
    const calcul::Detail d = calcul::calculedetail(a, static_cast<qint16>(ligne + 2), c_.montant->text(), QLocale());
    // Un détail refusé ne touche pas à l'onglet : ses textes restent ceux d'une même cellule.
    if (d.complet) {
        etat_.detailvalide = true;
        for (std::size_t i = 0; i < d.v.size(); ++i)
            if (d.v[i])
                disposition::ajustetexte(c_.v[i], *d.v[i]);
        disposition::ajustetexte(c_.remise, d.remise.value_or(QString()));
        onglets_->setCourant(2);
    } else {
        const QModelIndex index = c_.grille->model()->index(ligne - 1, colonne - 1);
        const QRect cellule = c_.grille->visualRect(index);
        avis_->montre(c_.grille, c_.grille->viewport()->mapToGlobal(cellule.bottomLeft()), calcul::texterefus(d.refus));
    }
}

void FormBrunelix::ongletchange(int precedent)
{
    construitpages();
    if (onglets_->courant() == 2 && !etat_.detailvalide)
        onglets_->setCourant(precedent);
}

void FormBrunelix::copier()
{
    if (!tableaujuste(c_.Command2, AvisDiffere::Moment::relache))
        return;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const sortie::EntreeCopie e = entreecopie(c_, tableau_);
    QClipboard *pp = QGuiApplication::clipboard();
    pp->clear();
    pp->setText(sortie::textecopie(e));
    QGuiApplication::restoreOverrideCursor();
}

void FormBrunelix::apropos()
{
    FrmTALVEN fenetre(this);
    fenetre.exec();
    if (!fin::encours())
        active();
}

void FormBrunelix::miseajour()
{
    maj_.exec();
    if (!fin::encours())
        active();
}

void FormBrunelix::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.drawPixmap(0, 0, fond_);
}

void FormBrunelix::changeEvent(QEvent *e)
{
    if (e->type() == QEvent::ApplicationPaletteChange)
        disposition::recolore(this);
    QWidget::changeEvent(e);
}

void FormBrunelix::resizeEvent(QResizeEvent *)
{
    etirefenetre(c_, size());
    if (!fond_.isNull() && fond_.size() != size())
        fond_ = fond::degrade(size());
}

void FormBrunelix::closeEvent(QCloseEvent *)
{
    fin::immediate();
}

bool FormBrunelix::eventFilter(QObject *o, QEvent *e)
{
    if (o == c_.montant && e->type() == QEvent::KeyPress) {
        const QString texte = static_cast<QKeyEvent *>(e)->text();
        if (texte.size() == 1 && texte.at(0).isPrint()) {
            const QString majuscule = texte.toUpper();
            if (majuscule == QStringLiteral("E"))
                return true;
            if (majuscule != texte) {
                c_.montant->insert(majuscule);
                return true;
            }
        }
    } else if (o == c_.Label1 && e->type() == QEvent::MouseButtonRelease &&
               static_cast<QMouseEvent *>(e)->button() == Qt::LeftButton) {
        apropos();
        return true;
    }
    return QWidget::eventFilter(o, e);
}
