// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Exports de la ligne de commande (--texte, --pdf) : l'application Qt qu'il leur faut et rien
// d'autre (ni fenêtre, ni mise à jour, ni réglages écrits), les mêmes fonctions que la fenêtre.
// Qt Core seul ici : le PDF est écrit par le module des fenêtres (exportationpdf.h).

#include <QString>

class QDateTime;

namespace sortie {
struct TableauSemestre;
}

// Écrit la page du tableau en PDF ; rend le message d'échec, vide si c'est fait.
using EcritPdf = QString (*)(const QString &fichier, const sortie::TableauSemestre &t, const QDateTime &maintenant);

// Sur l'application déjà construite : exporte et rend le statut de sortie : 0 fait, 1 écriture
// ratée, 2 refus (option, montant, semestre, fichier des taux). pdf : nul pour le texte.
int exporte(EcritPdf pdf);

// --texte : sur une QCoreApplication.
int exportetexte(int argc, char **argv);

// Une limite de taille des fichiers (ulimit -f) devient une écriture ratée, pas la fin du programme.
void ignorelimitetaille();
