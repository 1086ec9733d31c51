// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Fin immédiate du programme (Quitter, fermeture de la fenêtre, mise à jour manuelle) :
// aucun autre gestionnaire ne s'exécute et rien n'est enregistré, mais la sortie passe par
// la fin normale de l'application, qui remet au bureau un tableau copié juste avant.

namespace fin {

// Arrête toutes les boucles d'événements (dialogues modaux compris) et ignore
// désormais tout événement destiné au programme.
void immediate();

// Vrai après immediate() : le code qui suit un exec() ne fait plus rien.
bool encours();

} // namespace fin
