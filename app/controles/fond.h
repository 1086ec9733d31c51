// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Fond de la fenêtre principale : dégradé vertical de violet à magenta en 256 bandes.

#include <QRgb>

class QPixmap;
class QSize;

namespace fond {

// Couleur de la bande i (0 à 255).
QRgb couleurbande(int i);

// Image du fond pour une zone cliente de cette taille.
QPixmap degrade(const QSize &taille);

} // namespace fond
