// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Impression du tableau : en-tête de huit lignes puis tableau réglé, calculés en twips
// et tracés par une imprimante abstraite (l'application fournit la vraie).

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
    EntreeCopie copie;   // en-tête et cellules, lus comme pour la copie
    QList<int> largeurs; // largeur de chaque colonne de la grille, twips
    QStringList mention; // lignes sous celle du taux (taux non officiel…)
    QString pied;        // dernière ligne, sous le tableau ; vide : aucune
};

// Tableau réglé à la position courante, sur 90 % de la largeur du papier, puis
// fermeture de sa dernière feuille. Police Arial 11 points, non restaurée.
void imprimertableau(Imprimante &imp, const EntreeImpression &e);

// Commande « Imprimer » : en-tête, tableau, pied sur sa dernière feuille, ligne vide,
// police rendue, fin du travail.
bool imprimer(Imprimante &imp, const EntreeImpression &e);

// Pied de page : « Imprimé le 08/12/2026 à 19:40 par Brunelix 1.0.0 ».
QString lignepied(const QDateTime &quand, const QString &version);

// Nom proposé pour l'enregistrement en PDF : « Brunelix 1er semestre 2010 100.pdf » ;
// « / » et caractères de contrôle remplacés par « _ », montant sans blancs autour et raccourci.
QString nompdf(const EntreeCopie &e);

} // namespace sortie
