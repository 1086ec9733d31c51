// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Règles du choix de la période : lignes de la liste des années, ligne choisie, semestre coché
// et boutons actifs, au chargement, au choix d'une année et après un rechargement.

#include <QStringList>

#include <array>
#include <optional>

namespace taux {

struct TableTaux;

struct ChoixPeriode
{
    QStringList annees;                       // lignes de la liste, dans l'ordre du fichier
    int ligne = 0;                            // ligne choisie
    int semestre = 1;                         // semestre coché : 1 ou 2
    std::array<bool, 2> actifs{{true, true}}; // « 1er semestre », « 2d semestre »

    bool operator==(const ChoixPeriode &) const = default;
};

// Année choisie : chaque bouton actif quand son semestre a un taux ; la coche quitte un bouton
// inactif (vers le 2d d'abord, puis vers le 1er).
void choisitannee(const TableTaux &table, ChoixPeriode &choix);

// Choix d'un chargement : première ligne, son 2d semestre quand il a un taux, sinon le semestre
// coché s'il reste actif. nullopt : pas d'année (table vide, année illisible).
std::optional<ChoixPeriode> choixinitial(const TableTaux &table, int semestrecoche);

// Période affichée avant un rechargement, avec son taux.
struct PeriodeAffichee
{
    qint16 annee = 0;
    int semestre = 1;
    double taux = 0;
};

enum class Suite {
    garde,     // même semestre, même taux : rien ne se reconstruit
    recalcule, // même semestre, autre taux : le tableau se reconstruit
    initial,   // semestre disparu : choix d'un chargement
};

struct Rechargement
{
    ChoixPeriode choix;
    Suite suite = Suite::initial;
};

// Après un rechargement, fenêtre montrée : la période de l'utilisateur est gardée quand le
// semestre a toujours un taux. nullopt : pas d'année.
std::optional<Rechargement> choixrecharge(const TableTaux &table, const std::optional<PeriodeAffichee> &avant,
                                          int semestrecoche);

} // namespace taux
