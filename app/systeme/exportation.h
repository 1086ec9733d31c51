// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Exports de la ligne de commande (--texte, --pdf) : l'application Qt qu'il leur faut et rien
// d'autre (ni fenêtre, ni mise à jour, ni réglages écrits), les mêmes fonctions que la fenêtre.

// Construit l'application (QCoreApplication pour le texte ; QGuiApplication pour le PDF, sur la
// plateforme offscreen quand il n'y a pas d'écran), exporte et rend le statut de sortie :
// 0 fait, 1 écriture ratée, 2 refus (option, montant, semestre, fichier des taux).
int exporte(int argc, char **argv, bool pdf);
