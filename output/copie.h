// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Texte du tableau pour le presse-papiers : en-tête, ligne vide, cellules séparées
// par des tabulations, CR LF après chaque ligne.

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
};

QString textecopie(const EntreeCopie &e);

} // namespace sortie
