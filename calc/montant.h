// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Lecture du montant saisi, la même pour le tableau et le détail.

#include <QString>

#include <optional>

class QLocale;

namespace calcul {

struct MontantLu
{
    std::optional<double> valeur; // montant retenu ; 0 sans nombre en tête ; nullopt : dépassement
    bool nombre = false;          // le texte commence par un nombre
    bool arrete = false;          // la lecture s'est arrêtée avant autre chose que des blancs et un « € » final
};

// Blancs (espace, tabulation, saut de ligne, U+00A0, U+202F) sautés devant et derrière le nombre ; signe, chiffres, un
// séparateur décimal (« . » ou celui de la région), chiffres, exposant E facultatif. Dans la partie entière, un blanc
// suivi d'exactement trois chiffres groupe les milliers (« 1 500 »), une virgule aussi quand la région groupe par « ,
// ». Tout autre caractère, blanc compris, arrête le nombre (« 100 E 5 » lit 100).
MontantLu litmontant(const QString &texte, const QLocale &regional);

} // namespace calcul
