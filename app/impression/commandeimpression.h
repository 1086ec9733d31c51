// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Commandes d'impression de la fenêtre principale : « Imprimer » (bouton, Ctrl+P) lit les
// contrôles et la grille comme la copie et imprime sur l'imprimante par défaut sans
// dialogue, ou, sans imprimante, propose le PDF ; « Imprimer… » (Ctrl+Maj+P, menu du
// bouton) passe par l'aperçu et le dialogue d'impression ; « Enregistrer en PDF… » écrit
// la même page, entière ou pas du tout.

#include "app/fenetres/dependancesfenetre.h"

#include <QObject>

struct ControlesPrincipaux;
class Grille;
namespace calcul {
struct Tableau;
}
class QPrinter;
class QPrinterInfo;
class QWidget;
namespace sortie {
struct EntreeImpression;
}

class CommandeImpression : public QObject
{
    Q_OBJECT
  public:
    // tableau : celui de la grille ; dependances : imprimante par défaut et horloge de la date imprimée.
    CommandeImpression(QWidget *fenetre, const ControlesPrincipaux &c, const Grille &grille,
                       const calcul::Tableau &tableau, DependancesFenetre dependances = {});

    void imprime();
    void imprimeavecchoix();
    void enregistrepdf();
    // Valeurs à imprimer, lues dans les contrôles et la grille ; pied daté de l'horloge.
    sortie::EntreeImpression entree() const;
    // Imprime sur une imprimante prête ; message d'échec, vide si tout est parti.
    static QString imprimesur(QPrinter &imprimante, const sortie::EntreeImpression &e, const QString &echecdebut);

  private:
    void enregistrepdf(const sortie::EntreeImpression &e);
    void sansimprimante(const sortie::EntreeImpression &e);

    const DependancesFenetre dependances_;
    QWidget *fenetre_;
    const ControlesPrincipaux &c_;
    const Grille &grille_;
    const calcul::Tableau &tableau_;
};
