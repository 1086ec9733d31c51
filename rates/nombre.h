// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Lecture d'un nombre en tête d'un texte : une grammaire (signe, chiffres, séparateur, chiffres,
// exposant), des règles qui varient entre le fichier des taux et le montant saisi.

#include <QStringView>

#include <cstddef>
#include <optional>
#include <string_view>

namespace taux {

struct Regle
{
    bool (*blanc)(char16_t) = nullptr; // blancs de la règle, sautés devant le nombre
    bool blancsotes = false;           // vrai : ôtés où qu'ils soient ; faux : un blanc arrête le nombre
    bool groupeblanc = false;          // un blanc suivi d'exactement trois chiffres groupe les milliers
    char16_t decimal = u'.';           // séparateur décimal admis en plus de « . »
    char16_t groupe = 0;               // séparateur de milliers suivi d'exactement trois chiffres ; 0 : aucun
    bool prefixes = false;             // &H, &O et & : entier hexadécimal ou octal
    bool exposantd = false;            // D vaut E devant l'exposant
};

struct NombreLu
{
    std::optional<double> valeur; // 0 sans nombre en tête ; nullopt : dépassement de capacité
    bool nombre = false;          // au moins un chiffre en tête
    std::size_t fin = 0;          // premier caractère qui ne prolonge pas le nombre ; 0 sans nombre
};

// Chaque octet y est un caractère (les octets non ASCII ne prolongent jamais un nombre).
NombreLu litnombre(std::string_view texte, const Regle &regle);
NombreLu litnombre(QStringView texte, const Regle &regle);

// Règle du fichier des taux, « à la Val » : espace, tabulation et saut de ligne ôtés partout,
// « . » seul séparateur décimal, exposant E ou D, préfixes &H et &O.
bool blancfichier(char16_t c);
extern const Regle reglefichier;

// Valeur du nombre en tête du texte par la règle du fichier des taux ; 0 quand le texte ne
// commence pas par un nombre, nullopt quand la valeur dépasse la capacité d'un double.
std::optional<double> valnombre(std::string_view texte);
std::optional<double> valnombre(const QString &texte);

} // namespace taux
