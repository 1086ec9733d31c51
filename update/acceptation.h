// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Acceptation d'un corps téléchargé comme nouveau fichier des taux.

#include <QByteArray>
#include <QDate>
#include <QString>

namespace taux {
struct TableTaux;
}

namespace maj {

// Taille au-delà de laquelle un corps est refusé (et le téléchargement abandonné).
constexpr qint64 taillemaxcorps = 1024 * 1024;

// Contenu écrit dans le fichier des taux : le corps tel que reçu, suivi d'un CR LF.
QByteArray contenufichier(const QByteArray &corps);

// Vrai seulement pour un statut 200 ou 203 et un corps non vide, d'au plus 1 Mio, sans
// « Not Found » (casse comprise) ni octet NUL, qui, suivi du CR LF, se charge comme fichier
// des taux et donne une liste des années non vide, et dont :
//  - les clés sont toutes de la forme stricte (taux::Semestre), du plus récent au plus ancien ;
//  - la première n'est ni plus ancienne que la clé de tête en usage (même semestre accepté ;
//    clé en usage vide ou mal formée : plus ancienne que tout), ni postérieure au semestre
//    qui suit celui d'aujourd'hui ;
//  - le premier taux est > 0 et < 100, les suivants >= 0 et < 100 ;
//  - toute clé bien formée et unique de la table en usage est présente (avec 101 entrées
//    téléchargées, seules celles qui ne sont pas plus anciennes que la dernière) ;
//  - le corps finit par une fin de ligne (CR ou LF), sauf quand sa dernière entrée est une
//    entrée de la table en usage, même clé et même taux (un transfert coupé n'en finit jamais).
// Raison du refus, en français (« 2S2026 absent du fichier téléchargé ») ; vide : accepté.
QString refuscorps(int statut, const QByteArray &corps, const taux::TableTaux &enusage, const QDate &aujourdhui);
bool acceptecorps(int statut, const QByteArray &corps, const taux::TableTaux &enusage, const QDate &aujourdhui);

} // namespace maj
