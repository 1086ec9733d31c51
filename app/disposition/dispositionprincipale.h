// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Construction des contrôles de la fenêtre principale, à leur place (twips / 15).

#include <QList>

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSize;
class QTableWidget;
class QTabWidget;
class QWidget;

// Propriété de mentiontaux : la mention telle que la copie et l'impression l'écrivent.
inline constexpr const char *proprietementiontaux = "mention";

struct ControlesPrincipaux
{
    QPushButton *arret, *imprimer, *Command2, *Command1, *calculatrice;
    QPushButton *ajouttaux; // lien « Ajouter un taux », à la place d'avistaux quand il est vide
    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *tauxannuel, *nover;
    QLabel *montantretenu; // montant lu, quand la lecture s'est arrêtée avant la fin du texte
    QLabel *mentiontaux;   // sous le taux : taux non officiel, dernier semestre connu
    QLabel *avistaux;      // taux mis à jour pendant que la fenêtre est montrée
    QLineEdit *montant;
    QComboBox *listeannee;
    std::array<QRadioButton *, 2> semestre;
    QTabWidget *onglets;
    QTableWidget *grille;
    QWidget *pageaide, *plandetail; // vides jusqu'à construitpages
    std::array<QLabel *, 14> v;
    QLabel *remise; // sous le prix du détail
};

ControlesPrincipaux construitfenetre(QWidget *fenetre);
// Les textes des onglets Aide et Détail, que la première peinture ne montre pas.
void construitpages(ControlesPrincipaux &c);

// Largeurs des colonnes de la grille, en twips, pour un tableau de ce nombre de colonnes : celles
// de la fenêtre (les exports, sans fenêtre, impriment la même page).
QList<int> largeursgrille(int colonnes);

// Taille de conception de la zone cliente, minimum de la fenêtre.
QSize tailleconception();
// Fenêtre agrandie : le contrôle à onglets et la grille prennent la place en plus,
// les autres contrôles restent où ils sont ; à la taille de conception, tout est à sa place.
void etirefenetre(const ControlesPrincipaux &c, const QSize &taille);
