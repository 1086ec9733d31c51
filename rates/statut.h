// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Ce que vaut le taux affiché : publié au Journal officiel ou non ; et le semestre du jour
// au-delà de la tête du fichier des taux.

#include "rates/tabletaux.h"

#include <QDate>
#include <QList>

#include <QString>
#include <optional>

namespace taux {

struct Semestre;

enum class Nature {
    publie,      // clé et taux d'un avis du Journal officiel que le programme connaît
    nonofficiel, // tout autre taux : dérivé, retouché ou inconnu
    saisi,       // entrée saisie par l'utilisateur (commentaire d'enregistrement au-dessus)
};

// Publié seulement quand la clé et le taux, comparé au centième, sont ceux d'un des avis
// connus (1S2007 à 2S2010).
Nature nature(const QString &cle, double taux);

// Taux publié au Journal officiel pour cette clé, en centièmes ; nullopt hors des avis connus.
std::optional<long long> centiemespublies(const QString &cle);

// Nature de l'entrée i de la table : saisi d'après son enregistrement, sinon nature(cle, taux).
Nature nature(const TableTaux &table, int i);

// Une ligne de la liste des taux (fenêtre « Taux de référence », --liste-taux).
struct LigneTaux
{
    QString cle;
    double taux = 0;
    Nature nature = Nature::nonofficiel;
    InfoSaisie saisie;
    QString textenature; // « publié au Journal officiel », « non officiel », « saisi le 08/12/2026 »
};

// Les entrées de la table dans l'ordre du fichier (du plus récent au plus ancien).
QList<LigneTaux> listetaux(const TableTaux &table);

// Clé de tête de la table quand le semestre du jour est plus récent qu'elle ; vide sinon
// (table vide, clé de tête sans semestre lisible).
QString dernierconnu(const TableTaux &table, const QDate &aujourdhui);

// Mention sous le taux affiché (une ligne par remarque) et son explication ; vides
// quand le taux est publié et le fichier à jour. Semestre saisi : « taux saisi le 08/12/2026 »,
// la source dans l'explication.
struct Mention
{
    QString texte;
    QString bulle;
};
Mention mention(const TableTaux &table, const Semestre &semestre, const QDate &aujourdhui);

} // namespace taux
