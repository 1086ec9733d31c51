// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Page imprimée du tableau, pièce à classer : titre, référence, en-tête, mention du taux,
// méthode, légende des colonnes, tableau réglé, pied daté et numéro de page. Tout est
// calculé en twips et tracé par une imprimante abstraite (l'application fournit la vraie).

#include "output/copie.h"

#include <QList>

class QDateTime;

namespace sortie {

// Imprimante vue en twips, depuis le coin haut gauche de la zone imprimable,
// x vers la droite, y vers le bas. Un texte est placé par son coin haut gauche.
class Imprimante
{
  public:
    virtual ~Imprimante() = default;

    virtual int largeur() const = 0; // W : largeur du papier
    virtual int hauteur() const = 0; // H : hauteur de la zone imprimable
    virtual QString police() const = 0;
    virtual void setPolice(const QString &nom) = 0;
    virtual double taille() const = 0; // points
    virtual void setTaille(double points) = 0;
    virtual double x() const = 0;
    virtual double y() const = 0;
    virtual void setPosition(double x, double y) = 0;
    virtual double hauteurtexte(const QString &texte) const = 0;
    virtual double largeurtexte(const QString &texte) const = 0;
    virtual void ligne(double x1, double y1, double x2, double y2) = 0;
    // Texte à la position courante ; avec saut de ligne, la position passe à x = 0,
    // une hauteur de ligne plus bas.
    virtual void texte(const QString &texte, bool saut) = 0;
    // Fin de feuille : la sortie suivante commence une nouvelle page du même
    // travail ; la position revient à (0, 0).
    virtual void finfeuille() = 0;
    // Fin du travail d'impression ; faux si l'imprimante a échoué en chemin.
    virtual bool findocument() = 0;
};

struct EntreeImpression
{
    EntreeCopie copie;   // en-tête, cellules et mention du taux, lus comme pour la copie
    QList<int> largeurs; // largeur de chaque colonne de la grille, twips
    QString pied;        // « Imprimé le … par Brunelix … » ; vide : aucun
    QString reference;   // client ou facture, sous le titre ; vide : aucune ligne
};

// La page : titre, « Référence : » s'il y en a une, en-tête (« Crédit gratuit : », semestre,
// taux, prix à crédit suivi de « € »), mention du taux, méthode, légende, puis le tableau
// réglé sur 90 % de la largeur du papier en Arial 11 points. Quand le tableau ne tient pas,
// la feuille suivante reprend sa ligne d'en-tête. Au bas de chaque feuille, le pied et
// « page n/N ». Police et taille de l'imprimante rendues, puis fin du travail ; faux si
// l'imprimante a échoué.
bool imprimer(Imprimante &imp, const EntreeImpression &e);

// Nombre de feuilles que prendra la page sur cette imprimante (rien n'est tracé).
int nombrefeuilles(Imprimante &imp, const EntreeImpression &e);

// Pied de page : « Imprimé le 08/12/2026 à 19:40 par Brunelix 1.0.0 ».
QString lignepied(const QDateTime &quand, const QString &version);

// Ligne du prix à crédit : le montant tel que saisi, suivi de « € » sauf s'il finit déjà
// par « € » ou « EUR » (ou s'il est vide).
QString ligneprix(const QString &montant);

// Légende des colonnes de points : « Colonnes 1 à 5 : points de crédit pris en charge par
// le vendeur » pour 7 colonnes ; vide sans colonne de points.
QString legendecolonnes(int colonnes);

// Nom proposé pour l'enregistrement en PDF : « Brunelix 1er semestre 2010 100.pdf » ;
// « / » et caractères de contrôle remplacés par « _ », montant sans blancs autour et raccourci.
QString nompdf(const EntreeCopie &e);

} // namespace sortie
