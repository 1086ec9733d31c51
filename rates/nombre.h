// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Lecture numérique « à la Val » : espaces, tabulations et sauts de ligne ignorés,
// « . » seul séparateur décimal, exposant E ou D, préfixes &H et &O.

#include <optional>
#include <string_view>

class QString;

namespace taux {

// Valeur du nombre en tête du texte ; 0 quand le texte ne commence pas par un nombre.
// nullopt quand la valeur dépasse la capacité d'un double (dépassement).
std::optional<double> valnombre(std::string_view texte);
std::optional<double> valnombre(const QString &texte);

} // namespace taux
