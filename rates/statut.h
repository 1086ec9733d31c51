// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Ce que vaut le taux affiché : officiel ou non d'après son année seule (avant 2011) ;
// et le semestre du jour au-delà de la tête du fichier des taux.

#include <QDate>
#include <QString>

namespace taux {

struct TableTaux;

// Faux à partir du 1er semestre 2011 (dès l'année 2011) : l'obligation de remise a pris fin
// le 1er mai 2011 et aucun taux n'a été publié depuis.
bool tauxofficiel(qint16 annee);

// Clé de tête de la table quand le semestre du jour est plus récent qu'elle ; vide sinon
// (table vide, clé de tête sans semestre lisible).
QString dernierconnu(const TableTaux &table, const QDate &aujourdhui);

// Mention sous le taux affiché (une ligne par remarque) et son explication ; vides
// quand le taux est officiel et le fichier à jour.
struct Mention
{
    QString texte;
    QString bulle;
};
Mention mention(const TableTaux &table, qint16 annee, const QDate &aujourdhui);

} // namespace taux
