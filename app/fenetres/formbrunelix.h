// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Fenêtre principale. Le chargement fixe le fichier des taux et lit la table ;
// chaque saisie (montant, année, semestre) relit les contrôles, demande le tableau
// à calc et l'écrit dans la grille ; copie et détail relisent ce qui est affiché.

#include "app/bureau/bureau.h"
#include "app/controles/avis.h"
#include "app/disposition/dispositionprincipale.h"
#include "app/fenetres/dependancesfenetre.h"
#include "calc/tableau.h"
#include "rates/choixperiode.h"

#include <QPixmap>
#include <QWidget>

#include <array>
#include <optional>

struct EtatBrunelix;
class Maj;
class Grille;
class Onglets;
class SequenceDemarrage;

class FormBrunelix : public QWidget
{
    Q_OBJECT
  public:
    // dependances : imprimante par défaut et horloge (vides : celles du système).
    FormBrunelix(EtatBrunelix &etat, Maj &maj, DependancesFenetre dependances = {}, QWidget *parent = nullptr);

    void charge(); // chargement, avant le premier affichage
    void active(); // activation : premier affichage, retour d'une fenêtre du programme
    // Affichage centré puis activation ; la suite (onglets Aide et Détail, mise à jour
    // automatique) vient après la première peinture, et demarre() est émis quand elle a fini.
    void affiche();

    void recalcule();
    double renvoivaleur(double montant, qint16 nbmois, double tannuel) const;
    void calculedetail(qint16 &colonne, qint16 &ligne);

    const ControlesPrincipaux &controles() const { return c_; }
    Grille &grille() const { return *grille_; }
    Onglets &onglets() const { return *onglets_; }

  Q_SIGNALS:
    void demarre();

  protected:
    void paintEvent(QPaintEvent *e) override;
    void changeEvent(QEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;
    bool focusNextPrevChild(bool suivant) override;

  private:
    void chargetaux();
    void remplitannees();
    bool periode(qint16 &annee, int &semestre) const;
    void anneechoisie();
    void ongletchange(int precedent);
    void doubleclic();
    void copier();
    void apropos();
    void miseajour();
    void ordretabulation();
    void majdemarrage();
    bool tableaujuste(QWidget *bouton, AvisDiffere::Moment moment);
    void construitpages();
    void montremention();
    void montreajout();
    void ouvretaux(QWidget *parent);

    EtatBrunelix &etat_;
    Maj &maj_;
    const DependancesFenetre dependances_;
    ControlesPrincipaux c_;
    Grille *grille_;
    Onglets *onglets_;
    AvisDiffere *avis_;
    QPixmap fond_;
    calcul::Tableau tableau_; // le dernier construit : ses textes resservent au suivant
    bureau::Calculatrice calculatrice_;
    std::array<QWidget *, 12> ordre_{};
    SequenceDemarrage *sequence_;
    std::optional<taux::PeriodeAffichee> periodeaffichee_; // période du dernier tableau
    bool tableaujuste_ = false;                            // le tableau affiché est celui du montant et du taux
};
