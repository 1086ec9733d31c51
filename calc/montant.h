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

// Blancs, tabulations, sauts de ligne et blancs insécables (U+00A0, U+202F) ignorés partout ;
// signe, chiffres, un séparateur décimal (« . » ou celui de la région, le premier trouvé),
// chiffres, exposant E facultatif. Quand la région groupe les milliers par « , », une virgule
// suivie d'exactement trois chiffres est sautée dans la partie entière. La lecture s'arrête au
// premier caractère qui ne peut pas prolonger le nombre.
MontantLu litmontant(const QString &texte, const QLocale &regional);

} // namespace calcul
