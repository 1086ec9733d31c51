// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Table des couleurs : le seul endroit qui nomme une couleur. Un fond imposé vient toujours
// avec la couleur de son texte ; un texte sans fond imposé suit la palette.

#include <QPalette>
#include <QRgb>
#include <QString>

class QColor;
class QWidget;

namespace couleurs {

constexpr QRgb violet = qRgb(128, 0, 128);        // fond des fenêtres et des options
constexpr QRgb jaunepale = qRgb(255, 255, 192);   // montant, colonne 1 ; textes sur violet
constexpr QRgb ivoire = qRgb(255, 255, 224);      // textes sur violet
constexpr QRgb blanc = qRgb(255, 255, 255);       // cellules ; texte d'une option
constexpr QRgb noir = qRgb(0, 0, 0);              // texte sur un fond clair imposé ; traits
constexpr QRgb grisbouton = qRgb(192, 192, 192);  // boutons à image, lignes de la grille
constexpr QRgb grisliste = qRgb(224, 224, 224);   // liste des années
constexpr QRgb grisfond = qRgb(128, 128, 128);    // au-delà des dernières cellules
constexpr QRgb grisperime = qRgb(160, 160, 160);  // textes d'un tableau qui n'est pas à jour
constexpr QRgb grisinactif = qRgb(176, 144, 176); // option désactivée, sur violet
constexpr QRgb rose = qRgb(255, 192, 255);        // adresse de téléchargement
constexpr QRgb jaunelogo = qRgb(255, 255, 128);   // texte de « à propos », sur noir
constexpr QRgb rougeaide = qRgb(192, 0, 0);       // aide : avertissement
constexpr QRgb grisaide = qRgb(128, 128, 128);    // aide : mode d'emploi du détail
constexpr QRgb bleuaide = qRgb(0, 0, 192);        // aide : note
constexpr QRgb focus = qRgb(0, 0, 160);           // indicateur du focus, sur gris ou blanc

// Fond imposé au rôle fond (Base, Button ou Window) et texte noir au rôle qui lui répond.
void imposefond(QWidget *w, QPalette::ColorRole fond, QRgb couleur);

// Texte de couleur sur le fond de la palette : la même teinte, plus claire sur un fond sombre.
QColor lisible(QRgb texte, const QPalette &palette);

// Écriture pour une feuille de style : rgb(r, g, b).
QString css(QRgb couleur);

} // namespace couleurs
