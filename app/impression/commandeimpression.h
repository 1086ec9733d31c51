// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Commande « Imprimer » de la fenêtre principale (bouton imprimer, Ctrl+P) : lit les
// contrôles et la grille comme la copie, imprime sur l'imprimante par défaut sans
// dialogue ; sans imprimante, propose d'enregistrer les mêmes pages en PDF.

#include <QObject>

#include <functional>

struct ControlesPrincipaux;
class Grille;
class QPrinter;
class QPrinterInfo;
class QWidget;
namespace sortie {
struct EntreeImpression;
}

// Imprimante par défaut ; vide : celle du système.
using SourceImprimante = std::function<QPrinterInfo()>;

class CommandeImpression : public QObject
{
    Q_OBJECT
  public:
    CommandeImpression(QWidget *fenetre, const ControlesPrincipaux &c, const Grille &grille,
                       SourceImprimante imprimantepardefaut = {});

    void imprime();
    // Valeurs à imprimer, lues dans les contrôles et la grille.
    sortie::EntreeImpression entree() const;
    // Imprime sur une imprimante prête ; message d'échec, vide si tout est parti.
    static QString imprimesur(QPrinter &imprimante, const sortie::EntreeImpression &e, const QString &echecdebut);

  private:
    void enregistrepdf(const sortie::EntreeImpression &e);

    const SourceImprimante imprimantepardefaut_;
    QWidget *fenetre_;
    const ControlesPrincipaux &c_;
    const Grille &grille_;
};
