// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Ce que vaut le taux affiché : publié au Journal officiel ou non ; et le semestre du jour
// au-delà de la tête du fichier des taux.

#include <QDate>
#include <QString>

namespace taux {

struct TableTaux;
struct Semestre;

enum class Nature {
    publie,      // clé et taux d'un avis du Journal officiel que le programme connaît
    nonofficiel, // tout autre taux : dérivé, retouché ou inconnu
};

// Publié seulement quand la clé et le taux, comparé au centième, sont ceux d'un des avis
// connus (1S2007 à 2S2010).
Nature nature(const QString &cle, double taux);

// Clé de tête de la table quand le semestre du jour est plus récent qu'elle ; vide sinon
// (table vide, clé de tête sans semestre lisible).
QString dernierconnu(const TableTaux &table, const QDate &aujourdhui);

// Mention sous le taux affiché (une ligne par remarque) et son explication ; vides
// quand le taux est publié et le fichier à jour.
struct Mention
{
    QString texte;
    QString bulle;
};
Mention mention(const TableTaux &table, const Semestre &semestre, const QDate &aujourdhui);

} // namespace taux
