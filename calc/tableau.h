// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Construction du tableau des valeurs au comptant pour un taux et un montant.

#include "calc/montant.h"

#include <QString>

#include <vector>

class QLocale;

namespace calcul {

constexpr int lignesmois = 34;   // 3 à 36 mois
constexpr int colonnesmax = 256; // au-delà, le taux n'a pas de sens

struct Tableau
{
    QString intitule;              // texte du taux annuel
    int colonnes = 0;              // floor(r) + 2 ; 0 quand ce nombre est hors limites
    std::vector<QString> cellules; // lignes 1 à 34, colonnes 1 à colonnes - 1, dans l'ordre, jusqu'à l'arrêt
    bool complet = false;          // faux : colonnes hors limites, montant en dépassement ou erreur de calcul
    MontantLu montant;             // le montant retenu pour toutes les cellules
};

Tableau construittableau(double taux, const QString &montant, const QLocale &regional);
// Le même dans t, un tableau précédent : ses textes de cellules sont réécrits en place.
void construittableau(double taux, const QString &montant, const QLocale &regional, Tableau &t);

} // namespace calcul
