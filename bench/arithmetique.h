// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Base de comparaison : l'arithmétique seule du tableau (T, P, C, troncature à quatre décimales,
// arrondi au centime) et un texte à deux décimales écrit dans un tampon char, rien d'autre.

#include <array>
#include <charconv>
#include <cmath>

namespace base {

constexpr int lignes = 34;
constexpr int colonnesmax = 13; // 12,5 % : le taux plein et 12 points
constexpr int longueur = 32;

using Textes = std::array<std::array<char, longueur>, lignes * colonnesmax>;

inline double valeur(double montant, int nbmois, double tannuel)
{
    const double t = tannuel / 1200 + 1;
    const double p = std::pow(t, static_cast<double>(nbmois));
    const double c = (1 / p - 1) / (1 / t - 1) / t / nbmois;
    const double c4 = std::floor(c * 10000) / 10000;
    return std::floor(c4 * montant * 100 + 0.5) / 100;
}

// Texte « 0.00 » terminé par un nul, séparateur régional à la place du point.
inline void ecrit(double v, char separateur, std::array<char, longueur> &texte)
{
    const auto r = std::to_chars(texte.data(), texte.data() + longueur - 1, v, std::chars_format::fixed, 2);
    *r.ptr = '\0';
    r.ptr[-3] = separateur;
}

// Les cellules du tableau pour un taux de 12,5 % au plus, ligne par ligne.
inline void remplit(double taux, double montant, char separateur, Textes &textes)
{
    const int colonnes = static_cast<int>(std::floor(taux)) + 1;
    for (int k = 0; k < lignes; ++k)
        for (int c = 0; c < colonnes; ++c)
            ecrit(valeur(montant, k + 3, c == 0 ? taux : c), separateur,
                  textes[static_cast<std::size_t>(k * colonnes + c)]);
}

} // namespace base
