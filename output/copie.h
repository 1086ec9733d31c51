// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Texte du tableau pour le presse-papiers : en-tête, ligne vide, cellules séparées
// par des tabulations, puis, s'il y en a, une ligne vide et la mention du taux ;
// CR LF après chaque ligne.

#include <QStringList>

namespace sortie {

struct EntreeCopie
{
    bool premiersemestre = true;
    QString annee;      // texte de l'année choisie
    QString tauxannuel; // intitulé du taux tel qu'affiché
    QString montant;    // montant tel que saisi
    int lignes = 0;
    int colonnes = 0;
    QStringList cellules; // lignes × colonnes textes, ligne par ligne
    QStringList mention;  // sous le taux : « taux non officiel »… ; vide quand il est publié et à jour
};

QString textecopie(const EntreeCopie &e);

// Lignes de la mention du taux (texte de taux::mention, une remarque par ligne), telles que
// la fenêtre, la page et la copie les écrivent ; aucune pour un texte vide.
QStringList lignesmention(const QString &texte);

} // namespace sortie
