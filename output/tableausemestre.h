// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Le tableau d'un semestre et d'un montant, tel que la fenêtre le copie : une seule façon de
// remplir l'entrée de la copie, pour la fenêtre et pour la ligne de commande.

#include "output/copie.h"

class QDate;
class QLocale;

namespace calcul {
struct Tableau;
}
namespace taux {
struct TableTaux;
}

namespace sortie {

// La grille d'un tableau calculé telle que la fenêtre l'affiche : « Mois », « Crédit gratuit »,
// les points de 1 à colonnes − 2, les mois 3 à 36 en tête des lignes ; le semestre (1 ou 2),
// l'année telle qu'affichée, le montant tel que saisi et les lignes de la mention du taux.
EntreeCopie entreecopie(const calcul::Tableau &t, int semestre, const QString &annee, const QString &montant,
                        const QStringList &mention);

// Pourquoi un tableau n'est pas donné.
enum class Refus {
    aucun,
    taux,         // aucune année lisible dans la table des taux
    clemalformee, // la clé n'a pas la forme 1S2024
    cleinconnue,  // la clé n'a pas de taux dans la table
    montant,      // le montant ne commence pas par un nombre
    calcul,       // le tableau ne se calcule pas pour ce taux et ce montant
};

struct TableauSemestre
{
    Refus refus = Refus::aucun;
    EntreeCopie copie; // remplie quand refus vaut aucun
};

// Le tableau de la clé (vide : le semestre que la fenêtre choisit au chargement) pour le montant
// saisi, cellules au séparateur de regional, mention du taux au jour donné.
TableauSemestre tableausemestre(const taux::TableTaux &table, const QString &cle, const QString &montant,
                                const QLocale &regional, const QDate &aujourdhui);

// Message en français d'un refus ; vide pour aucun.
QString messagerefus(Refus refus, const QString &cle, const QString &montant);

} // namespace sortie
