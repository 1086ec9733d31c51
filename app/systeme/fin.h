// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Fin immédiate du programme (Quitter, fermeture de la fenêtre, mise à jour manuelle,
// rapport fatal) : aucun autre gestionnaire ne s'exécute et rien n'est enregistré, mais la
// sortie passe par la fin normale de l'application, qui remet au bureau un tableau copié
// juste avant.

namespace fin {

// Arrête toutes les boucles d'événements (dialogues modaux compris) avec ce statut et
// ignore désormais tout événement destiné au programme. Avant la boucle d'événements
// du programme, la fin est retenue : boucle() ne la démarre pas.
void immediate(int statut = 0);

// Vrai après immediate() : le code qui suit un exec() ou un rapport ne fait plus rien.
bool encours();

// Boucle d'événements du programme ; rend son statut de sortie, ou celui d'une fin
// immédiate survenue avant elle.
int boucle();

// Après la boucle : toutes les fenêtres disparaissent de l'écran, bulles d'aide, menus et
// listes déroulantes compris, et l'affichage en est averti. Aucune ne reste visible : Qt
// referme à la sortie toute fenêtre visible et recommencerait sans fin sur celle dont le
// filtre de la fin immédiate avale la fermeture.
void efface();

} // namespace fin
