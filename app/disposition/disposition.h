// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Description des contrôles statiques sous forme de tables (positions en twips).
// Les fenêtres créent leurs étiquettes et leurs traits à partir de ces tables.

#include <QRgb>
#include <QtGlobal>
#include <span>

class QWidget;
class QLabel;

namespace disposition {

constexpr int twips(int t)
{
    return t / 15;
}

enum Style : unsigned {
    Normal = 0,
    Gras = 1,
    Souligne = 2,
    Centre = 4,
    Droite = 8,
    Retour = 16,       // texte renvoyé à la ligne dans sa boîte
    Surbrillance = 32, // couleur système du texte en surbrillance
};

// Étiquette : largeur ou hauteur 0 = taille ajustée au texte.
// couleur 0 = couleur de texte par défaut de la fenêtre.
struct Etiquette
{
    const char *nom;
    int gauche, haut, largeur, hauteur; // twips
    const char *texte;                  // UTF-8
    unsigned style;
    QRgb couleur;
};

// Trait horizontal de x1 à x2 à la hauteur y (twips) ; couleur 0 = noir.
struct Trait
{
    const char *nom;
    int x1, x2, y;
    QRgb couleur = 0;
};

// Crée les étiquettes dans parent ; renvoie rien, chaque étiquette porte son nom d'objet.
void creeetiquettes(QWidget *parent, std::span<const Etiquette> table);
QLabel *creeetiquette(QWidget *parent, const Etiquette &e);
void creetraits(QWidget *parent, std::span<const Trait> table);

// Après un changement de la palette de l'application : les textes de couleur restent lisibles.
void recolore(QWidget *fenetre);

// Nomme le contrôle et le place (twips).
void place(QWidget *w, int gauche, int haut, int largeur, int hauteur, const char *nom);

// Écrit le texte ; s'il déborde de la boîte, la face étroite de la famille est prise,
// puis la police est réduite jusqu'à ce qu'il tienne.
void ajustetexte(QLabel *etiquette, const QString &texte);

} // namespace disposition
