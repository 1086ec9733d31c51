// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Module des fenêtres : tout ce qui demande Qt Gui, Widgets, PrintSupport ou Network (la
// fenêtre, --pdf), chargé à l'exécution ; le programme lui-même ne lie que Qt Core.

// Point d'entrée du module : les arguments de main, rend le statut de sortie.
#define BRUNELIX_ENTREE_MODULE "brunelix_fenetres"
extern "C" int brunelix_fenetres(int argc, char **argv);

// Charge le module (à côté du programme, sinon dans son dossier des bibliothèques installées) et
// lui passe la main ; module introuvable ou illisible : message sur la sortie d'erreur, statut 1.
int lancemodule(int argc, char **argv);
