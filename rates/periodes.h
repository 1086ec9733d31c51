// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Choix de la période : liste des années et recherche du taux d'un semestre.

#include <QStringList>

#include <optional>

namespace taux {

struct TableTaux;

// Taux annuel de l'année et du semestre (1 ou 2), cherché sous la clé de Semestre::cle ;
// 0 quand la période est absente.
double tauxperiode(const TableTaux &table, qint16 annee, int semestre);

// Lignes de la liste des années, dans l'ordre du fichier, répétitions consécutives
// fusionnées. nullopt quand une année ne tient pas dans un entier 16 bits.
std::optional<QStringList> listeannees(const TableTaux &table);

// Entier 16 bits d'un texte d'année (arrondi au pair le plus proche) ; nullopt hors limites.
std::optional<qint16> anneedetexte(const QString &texte);

} // namespace taux
