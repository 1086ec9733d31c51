// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Disposition vérifiée par ce qui compte à l'écran : parmi les contrôles visibles d'un arbre,
// aucun texte n'en chevauche un autre (une image posée sur son bouton exceptée) et chaque texte
// tient dans sa boîte, à la police que chaque contrôle a vraiment.

#include <QStringList>

class QWidget;

// Défauts trouvés sous racine (fenêtres filles exclues), une phrase par défaut ; vide : aucun.
// Les pages cachées d'un contrôle à onglets ne comptent pas : montrer chaque page à son tour.
QStringList defautsdisposition(const QWidget *racine);
