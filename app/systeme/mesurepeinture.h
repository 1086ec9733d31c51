// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Sortie réservée aux mesures : à la première peinture de la fenêtre, la mémoire résidente
// (« rss_kio N ») sur la sortie standard, puis fin du processus sans rien défaire.

class QWidget;

// Variable d'environnement qui arme cette sortie.
inline constexpr const char *variablemesurepeinture = "BRUNELIX_MESURE_PEINTURE";

void finapremierepeinture(QWidget *fenetre);
